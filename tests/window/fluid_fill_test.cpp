// 水物性 and the other fluids end to end: which temperature, the four texts written, Ctrl+Z,
// the list a fluid is chosen from, the case file, and where the working says the properties
// came from. Expected texts: the saturated-liquid table of an independent IAPWS
// implementation, and Perry's formulas evaluated on their own, rounded by hand to 5 digits.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "window/status_line.hpp"
#include "window_probe.hpp"

using probe::click;
using probe::field;
using probe::label;
using probe::type;

namespace {

const QStringList tube_fill = {"Text4", "Text5", "Text6", "Text7"};       // λ, ρ, cp, μ
const QStringList shell_fill = {"Text13", "Text14", "Text16", "Text15"};  // λ, ρ, cp, μ

const QStringList at_30 = {"0.61434", "995.61", "4180.3", "0.00079722"};

const QStringList benzene_at_60 = {"0.13259", "836.89", "1830.6", "0.00039644"};

// Opens the side's list of fluids, searches it for `query` and, with the pressure given for
// a gas or the concentration for a solution, confirms with Enter as a user does. The list,
// for a look at it afterwards.
QDialog* choose(QWidget& form, const QString& chooser, const QString& query,
                const QString& pressure = {}, const QString& fraction = {}) {
    click(form, chooser);
    auto* dialog = form.findChild<QDialog*>("fluid_chooser");
    if (!dialog || !dialog->isVisible()) return nullptr;
    auto* search = dialog->findChild<QLineEdit*>("fluid_search");
    search->insert(query);  // as an input method commits it: Qt Test types ASCII keys only
    if (!pressure.isEmpty()) {
        auto* field = dialog->findChild<QLineEdit*>("fluid_pressure");
        field->selectAll();
        QTest::keyClicks(field, pressure);
    }
    if (!fraction.isEmpty()) {
        auto* field = dialog->findChild<QLineEdit*>("fluid_fraction");
        field->selectAll();
        QTest::keyClicks(field, fraction);
    }
    QTest::keyClick(search, Qt::Key_Return);
    return dialog;
}

// Clicks `button` and gives what the one message it raised said; empty for none or several.
QString said_by(QWidget& form, const QString& button) {
    probe::MessageCatcher catcher;
    click(form, button);
    return catcher.texts.size() == 1 ? catcher.texts[0] : QString();
}

QStringList texts_of(const QWidget& form, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names) texts << field(form, name)->text();
    return texts;
}

}  // namespace

class FluidFillTest : public QObject {
    Q_OBJECT

  private slots:
    void fills_the_four_fields_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("edits");  // name, text, ...
        QTest::addColumn<QString>("mean");       // the mean field's text afterwards
        QTest::addColumn<QStringList>("water");  // λ, ρ, cp, μ as written
        QTest::newRow("typed mean") << "Command8" << QStringList{"Text8", "30"} << "30" << at_30;
        QTest::newRow("typed mean over the ends")
            << "Command8" << QStringList{"Text8", "30", "Text1", "90", "Text2", "abc"} << "30"
            << at_30;
        QTest::newRow("mean of the ends, written")
            << "Command8" << QStringList{"Text8", "", "Text1", "20", "Text2", "40"} << "30"
            << at_30;
        QTest::newRow("mean in kelvin")
            << "Command8" << QStringList{"Text8", "303.15 K"} << "303.15 K" << at_30;
        QTest::newRow("full-width mean")
            << "Command8" << QStringList{"Text8", "３０"} << "３０" << at_30;
        QTest::newRow("triple point") << "Command8" << QStringList{"Text8", "0.01"} << "0.01"
                                      << QStringList{"0.55560", "999.79", "4219.9", "0.0017914"};
        QTest::newRow("top of region 1")
            << "Command8" << QStringList{"Text8", "350"} << "350"
            << QStringList{"0.46046", "574.69", "10102", "0.000065797"};
        QTest::newRow("shell, typed mean")
            << "Command9" << QStringList{"Text17", "70"} << "70"
            << QStringList{"0.65974", "977.75", "4188.2", "0.00040354"};
        QTest::newRow("shell, mean of the ends")  // 90 and 60: 75 ℃
            << "Command9" << QStringList{"Text17", " ", "Text20", "90", "Text19", "60"} << "75"
            << QStringList{"0.66354", "974.83", "4191.7", "0.00037741"};
    }

    void fills_the_four_fields() {
        QFETCH(QString, button);
        QFETCH(QStringList, edits);
        QFETCH(QString, mean);
        QFETCH(QStringList, water);
        window::MainWindow form;
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2) type(form, edits[i], edits[i + 1]);
        probe::MessageCatcher catcher;
        click(form, button);
        QCOMPARE(catcher.texts, QStringList());
        const bool tube = button == "Command8";
        QCOMPARE(texts_of(form, tube ? tube_fill : shell_fill), water);
        QCOMPARE(field(form, tube ? "Text8" : "Text17")->text(), mean);
    }

    // Each field's own Ctrl+Z brings back what it held, the mean field's too.
    void undo_brings_back_what_was_typed() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        type(form, "Text4", "0.6");
        type(form, "Text1", "20");
        type(form, "Text2", "40");
        click(form, "Command8");
        QCOMPARE(texts_of(form, tube_fill), at_30);
        for (const auto& [name, before] :
             {std::pair{"Text4", "0.6"}, {"Text7", ""}, {"Text8", ""}}) {
            field(form, name)->setFocus();
            QTest::keyClick(field(form, name), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(field(form, name)->text(), QString(before));
        }
        QCOMPARE(field(form, "Text5")->text(), QString("995.61"));
    }

    // The working names the source while the four fields hold what was filled.
    void working_says_where_the_properties_came_from() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::fill_example(form);
        click(form, "Command8");
        click(form, "Command9");
        click(form, "Command1");
        const QString tube = "管内物性：饱和水 30 ℃（IAPWS-IF97）";
        const QString shell = "管外物性：饱和水 75 ℃（IAPWS-IF97）";
        QVERIFY(label(form, "Label27")->toolTip().startsWith(tube + "\n" + shell + "\n管内：Re"));
        QAccessibleInterface* reader =
            QAccessible::queryAccessibleInterface(label(form, "Label24"));
        QVERIFY(reader->text(QAccessible::Description).startsWith(tube));
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains("  " + shell + "\n"));

        type(form, "Text14", "980");  // the shell side's fields no longer hold the fill
        QVERIFY(label(form, "Label24")->toolTip().startsWith(tube + "\n管内：Re"));
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!QGuiApplication::clipboard()->text().contains("管外物性"));
        click(form, "Command7");
        QVERIFY(label(form, "Label24")->toolTip().startsWith("管内：Re"));
    }

    // K, A and Q come from the filled texts, the same as if typed by hand.
    void results_come_from_the_filled_values() {
        window::MainWindow filled, typed;
        probe::fill_example(filled);
        click(filled, "Command8");
        click(filled, "Command1");
        probe::fill_example(typed);
        for (int i = 0; i < 4; ++i) type(typed, tube_fill[i], at_30[i]);
        click(typed, "Command1");
        for (const char* name : {"Label24", "Label27", "Label50"}) {
            QCOMPARE(label(filled, name)->text(), label(typed, name)->text());
        }
        QVERIFY(label(filled, "Label24")->text() != "2006.831");
    }

    // A liquid, found by its name: shown on the buttons, filled at the mean temperature, named
    // with its tables in the working, and taken back by one 撤销 on its button.
    void a_liquid_from_the_list() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::fill_example(form);
        QDialog* dialog = choose(form, "Command10", "苯");
        QVERIFY(dialog && !dialog->isVisible());
        QCOMPARE(probe::button(form, "Command10")->text(), QString("流体：苯 …"));
        QCOMPARE(probe::button(form, "Command8")->text(), QString("填入物性"));
        QVERIFY(probe::button(form, "Command8")->toolTip().contains("5.53–139.95 ℃"));

        type(form, "Text8", "60");
        click(form, "Command8");
        QCOMPARE(texts_of(form, tube_fill), benzene_at_60);
        click(form, "Command1");
        QVERIFY(label(form, "Label24")
                    ->toolTip()
                    .startsWith("管内物性：苯（液体），λ、ρ、cp、μ 按 Perry 手册表 "
                                "2-315、2-32、2-153、2-313 在 60 ℃"));

        probe::button(form, "Command10")->setFocus();
        QTest::keySequence(&form, QKeySequence::Undo);
        QCOMPARE(probe::button(form, "Command8")->text(), QString("水物性"));
        QTest::keySequence(&form, QKeySequence::Redo);
        QCOMPARE(probe::button(form, "Command10")->text(), QString("流体：苯 …"));
        QCOMPARE(texts_of(form, tube_fill), benzene_at_60);  // the choice alone, not the fields

        // Above its normal boiling point it is filled, with a 注意; outside its range, nothing.
        type(form, "Text8", "90");
        click(form, "Command8");
        click(form, "Command1");
        QVERIFY(label(form, "Label24")->toolTip().contains("高于常压沸点 80.09 ℃"));
        const QStringList at_90 = texts_of(form, tube_fill);
        type(form, "Text8", "200");
        const QString said = said_by(form, "Command8");
        QVERIFY2(said.contains("苯的液体物性只适用于 5.53–139.95 ℃"), qPrintable(said));
        QCOMPARE(texts_of(form, tube_fill), at_90);
    }

    // A gas asks for its absolute pressure, refuses one that does not read, and is kept with
    // it in the case file, which is then of the version that names fluids.
    void a_gas_with_its_pressure_in_the_case_file() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        {
            probe::MessageCatcher catcher;
            QDialog* dialog = choose(form, "Command11", "air", "abc");
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(catcher.texts.size(), 1);
            QVERIFY2(catcher.texts[0].contains("「绝对压力」"), qPrintable(catcher.texts[0]));
            dialog->reject();
        }
        QCOMPARE(probe::button(form, "Command11")->text(), QString("流体：水 …"));
        choose(form, "Command11", "air", "3 bar");
        QCOMPARE(probe::button(form, "Command11")->text(), QString("流体：空气 …"));
        type(form, "Text17", "20");
        click(form, "Command9");
        // ρ = pM/(RT) = 300 · 28.9586 / (8.314462618 · 293.15).
        QCOMPARE(texts_of(form, shell_fill),
                 (QStringList{"0.025614", "3.5643", "1004.3", "0.000018215"}));

        QTemporaryDir dir;
        const QString path = dir.filePath("air.hxcase");
        const QByteArray bytes = probe::saved_case(form, path);
        for (const char* part : {"\"version\": 2", "\"fluid\": \"air\"", "\"pressure\": 300"}) {
            QVERIFY2(bytes.contains(part), part);
        }
        window::MainWindow opened;
        opened.load_case(path);
        QCOMPARE(probe::button(opened, "Command11")->text(), QString("流体：空气 …"));
        probe::fill_example(opened);
        for (int i = 0; i < 4; ++i) type(opened, shell_fill[i], texts_of(form, shell_fill)[i]);
        click(opened, "Command1");
        QVERIFY(label(opened, "Label24")->toolTip().contains("管外物性：空气（气体，300 kPa）"));
    }

    // A solution asks for its concentration; filled at the mean of its ends, it names Melinder
    // and its freezing point, warns of an inlet within 3 K of it, refuses a mean below it, and
    // is kept with its concentration in the case file. Expected: the fit evaluated on its own
    // (Python, from the stored coefficients), rounded by hand to 5 digits.
    void a_solution_by_its_concentration() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::fill_example(form);
        {
            probe::MessageCatcher catcher;
            QDialog* dialog = choose(form, "Command10", "乙二醇水溶液", {}, "70 %");
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(catcher.texts.size(), 1);
            QVERIFY2(catcher.texts[0].contains("「质量分数」中的 70 % 超出了范围"),
                     qPrintable(catcher.texts[0]));
            QVERIFY2(catcher.texts[0].contains("0～60 %"), qPrintable(catcher.texts[0]));
            // Beside the field, the range while it does not read, the freezing point once it does.
            auto* freezing = dialog->findChild<QLabel*>("fluid_freezing");
            QCOMPARE(freezing->text(), QString("质量分数 0–60 %"));
            auto* fraction = dialog->findChild<QLineEdit*>("fluid_fraction");
            fraction->selectAll();
            QTest::keyClicks(fraction, "0.3");
            QCOMPARE(freezing->text(), QString("30 % 时冰点 −14.58 ℃"));
            QCOMPARE(fraction->accessibleDescription(), freezing->text());
            dialog->reject();
        }
        QCOMPARE(probe::button(form, "Command10")->text(), QString("流体：水 …"));
        choose(form, "Command10", "乙二醇水溶液", {}, "30%");
        QCOMPARE(probe::button(form, "Command10")->text(), QString("乙二醇水溶液 …"));
        QVERIFY(probe::button(form, "Command8")->toolTip().contains("30 % 乙二醇水溶液"));

        // A glycol loop warmed from −13 to −5 ℃: the mean, −9 ℃, is written and filled at.
        type(form, "Text1", "-13");
        type(form, "Text2", "-5");
        type(form, "Text8", "");
        click(form, "Command8");
        QCOMPARE(field(form, "Text8")->text(), QString("-9"));
        const QStringList at_minus_9 = {"0.43714", "1047.3", "3630.2", "0.0062284"};
        QCOMPARE(texts_of(form, tube_fill), at_minus_9);
        click(form, "Command1");
        const QString working = label(form, "Label24")->toolTip();
        QVERIFY2(working.contains("管内物性：乙二醇水溶液（质量分数 30 %），λ、ρ、cp、μ 按 "
                                  "Melinder (2010) 在 −9 ℃；冰点 −14.58 ℃"),
                 qPrintable(working));
        const QString warning = "管内进口 −13 ℃ 距冰点 −14.58 ℃ 不足 3 K：提高浓度或进口温度";
        QVERIFY2(working.contains(warning), qPrintable(working));
        const QString status = form.findChild<window::StatusLine*>("status_line")->full_text();
        QVERIFY2(status.contains(warning), qPrintable(status));

        // The rating takes the glycol solutions' fouling by default.
        QVERIFY2(working.contains("Rsi = 0.000352"), qPrintable(working));

        // An inlet below the freezing point is told so, though the mean lies above it.
        type(form, "Text1", "-16");
        click(form, "Command1");
        const QString below = form.findChild<window::StatusLine*>("status_line")->full_text();
        QVERIFY2(below.contains("管内进口 −16 ℃ 低于冰点 −14.58 ℃：提高浓度或进口温度"),
                 qPrintable(below));
        type(form, "Text1", "-13");

        // Below the freezing point nothing is written.
        type(form, "Text8", "-15");
        const QString said = said_by(form, "Command8");
        QVERIFY2(said.contains("30 % 乙二醇水溶液的冰点为 −14.58 ℃"), qPrintable(said));
        QCOMPARE(texts_of(form, tube_fill), at_minus_9);

        type(form, "Text8", "-9");
        QTemporaryDir dir;
        const QString path = dir.filePath("glycol.hxcase");
        const QByteArray bytes = probe::saved_case(form, path);
        for (const char* part : {"\"version\": 6", "\"fluid\": \"ethylene glycol - water\"",
                                 "\"concentration\": 0.3"}) {
            QVERIFY2(bytes.contains(part), part);
        }
        window::MainWindow opened;
        opened.load_case(path);
        QCOMPARE(probe::button(opened, "Command10")->text(), QString("乙二醇水溶液 …"));
        click(opened, "Command1");
        QVERIFY(label(opened, "Label24")->toolTip().contains("冰点 −14.58 ℃"));
    }

    void the_button_tells_a_reader_what_it_does() {
        window::MainWindow form;
        form.show();
        for (const auto& [name, group] :
             {std::pair{"Command8", "管内流体参数"}, {"Command9", "管外流体参数"}}) {
            QAccessibleInterface* reader =
                QAccessible::queryAccessibleInterface(probe::button(form, name));
            QCOMPARE(reader->text(QAccessible::Name), QString("水物性"));
            const QString description = reader->text(QAccessible::Description);
            QCOMPARE(description, probe::button(form, name)->toolTip());
            for (const QString& part : {QString(group), QString("平均温度为"),
                                        QString("0.01～350 ℃"), QString("IAPWS-IF97")}) {
                QVERIFY2(description.contains(part), qPrintable(description));
            }
        }
    }
};

QTEST_MAIN(FluidFillTest)
#include "fluid_fill_test.moc"
