// The 自动设计 search's choices as typed: what each reads as, and each refusal naming its choice.
#include "window/search_choices.hpp"

#include <QTest>

class SearchChoicesTest : public QObject {
    Q_OBJECT

  private slots:
    void readings() {
        const design::SearchChoices c = window::read_search_choices(
            {"20 %", "0.8–2.5 m/s", "0.3-1", "5~8", "2, 3、4.5 m", "2–3 台"});
        QCOMPARE(*c.least_margin, 0.2);
        QCOMPARE(c.tube_velocity->low, 0.8);
        QCOMPARE(c.tube_velocity->high, 2.5);
        QCOMPARE(c.shell_velocity->low, 0.3);
        QCOMPARE(c.length_to_diameter->high, 8.0);
        QCOMPARE(*c.lengths, (std::vector<double>{2.0, 3.0, 4.5}));
        QCOMPARE(c.shells->low, 2.0);
        QCOMPARE(c.shells->high, 3.0);
        const auto alone = window::read_search_choices({"", "", "", "", "", "4"}).shells;
        QVERIFY(alone && alone->low == 4.0 && alone->high == 4.0);
        QCOMPARE(*window::read_search_choices({"15"}).least_margin, 0.15);  // in %
        QVERIFY(!window::read_search_choices({}).lengths);
    }

    void refusals_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("margin") << 0 << "abc"
                                << "「最小面积裕度 H′」中的“abc”不是有效的数字";
        QTest::newRow("one end") << 1 << "2 m/s"
                                 << "「管内流速范围」中的“2 m/s”不是“下限–上限”";
        QTest::newRow("upside down") << 2 << "1.5–0.2"
                                     << "「管外流速范围」中的“1.5–0.2”的下限须为正数";
        QTest::newRow("zero") << 3 << "0–10"
                              << "「长径比 L/D 范围」中的“0–10”的下限须为正数";
        QTest::newRow("not standard") << 4 << "2, 5"
                                      << "「可选管长」中的“2, 5”中的 5 m 不是标准管长";
        for (const char* shells : {"0–2", "1–5", "1.5", "3–2", "两台"}) {
            QTest::newRow(shells) << 5 << shells << QString("「串联壳程数范围」中的“") + shells;
        }
    }

    void refusals() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, said);
        casefile::DesignTexts texts{};
        texts[static_cast<std::size_t>(index)] = text;
        try {
            window::read_search_choices(texts);
            QFAIL("read");
        } catch (const window::ChoiceFault& fault) {
            QCOMPARE(fault.index, static_cast<std::size_t>(index));
            QVERIFY2(fault.words.startsWith(said), qPrintable(fault.words));
        }
    }
};

QTEST_MAIN(SearchChoicesTest)
#include "search_choices_test.moc"
