// A fault is reported once, in Chinese, and leaves every text, caption and flag as it was.
#include <QApplication>
#include <QTest>

#include "window_probe.hpp"

using probe::click;
using probe::field;
using probe::label;
using probe::type;

class FaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void fault_changes_nothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("edits");  // name, text, name, text ...
        QTest::addColumn<QStringList>("said");   // fragments of the message
        QTest::addColumn<QString>("focus");      // the field given focus, or empty

        QTest::newRow("λ = 0") << "Command1" << QStringList{"Text4", "0"}
                               << QStringList{"除数为零", "管内流体 普朗特数 Pr = μ·cp/λ",
                                              "请检查 管内流体参数 均导热率"}
                               << QString();
        QTest::newRow("shell μ = 0")
            << "Command1" << QStringList{"Text15", "0"}
            << QStringList{"除数为零", "管外流体 雷诺数", "请检查 管外流体参数 动力粘度"}
            << QString();
        QTest::newRow("empty field") << "Command1" << QStringList{"Text5", ""}
                                     << QStringList{"「管内流体参数 平均密度」为空"} << "Text5";
        QTest::newRow("abc") << "Command1" << QStringList{"Text20", "abc"}
                             << QStringList{"「管外流体参数 进口温度」", "“abc”", "不是有效的数字"}
                             << "Text20";
        QTest::newRow("beyond Single")
            << "Command1" << QStringList{"Text3", "1e39"}
            << QStringList{"「管内流体参数 质量流量」", "“1e39”", "超出"} << "Text3";
        QTest::newRow("temperature cross")
            << "Command1"
            << QStringList{"Text1", "20", "Text2", "80", "Text20", "70", "Text19", "30"}
            << QStringList{"无效参数", "对数平均温差", "温度交叉"} << QString();
        QTest::newRow("ΔT2 = 0") << "Command1" << QStringList{"Text19", "20"}
                                 << QStringList{"除数为零", "对数平均温差",
                                                "管外流体参数 出口温度、管内流体参数 进口温度"}
                                 << QString();
        QTest::newRow("mean of abc") << "Command3" << QStringList{"Text2", "abc"}
                                     << QStringList{"「管内流体参数 出口温度」"} << "Text2";
        QTest::newRow("a unit of another quantity")
            << "Command1" << QStringList{"Text10", "20 kg"}
            << QStringList{"「管内流体参数 管道直径」中的“20 kg”，其单位不是此栏的单位",
                           "此栏可用的单位：m、mm、cm，如 20 mm；只写数字时按 m 计"}
            << "Text10";
        QTest::newRow("a unit of no quantity")
            << "Command1" << QStringList{"Text15", "0.406 MPa·s"}
            << QStringList{"「管外流体参数 动力粘度」", "Pa·s、N·s/m²、mPa·s、cP、μPa·s"}
            << "Text15";
        QTest::newRow("water at abc")
            << "Command8" << QStringList{"Text8", "abc"}
            << QStringList{"「管内流体参数 平均温度为」中的“abc”不是有效的数字",
                           "0.01～350 ℃ 之间（饱和水）"}
            << "Text8";
        QTest::newRow("water above 350 ℃")
            << "Command8" << QStringList{"Text8", "350.001"}
            << QStringList{"「管内流体参数 平均温度为」中的 350.001 ℃ 超出", "0.01～350 ℃"}
            << "Text8";
        QTest::newRow("water at the hidden-mode code")
            << "Command9" << QStringList{"Text17", "", "Text19", "381924", "Text20", "381924"}
            << QStringList{"「管外流体参数 平均温度为」为空，进口、出口温度的平均值 381924 ℃ 超出",
                           "0.01～350 ℃"}
            << "Text17";
        QTest::newRow("water at no temperature")
            << "Command8" << QStringList{"Text8", "", "Text1", "", "Text2", "　"}
            << QStringList{"「管内流体参数 平均温度为」为空，进口温度和出口温度也为空",
                           "0.01～350 ℃"}
            << "Text8";
        QTest::newRow("water, one end empty")
            << "Command8" << QStringList{"Text8", "", "Text2", ""}
            << QStringList{"「管内流体参数 出口温度」为空", "0.01～350 ℃"} << "Text2";
        QTest::newRow("shell mean of nothing")
            << "Command6" << QStringList{"Text19", " "}
            << QStringList{"「管外流体参数 出口温度」为空"} << "Text19";
    }

    void fault_changes_nothing() {
        QFETCH(QString, button);
        QFETCH(QStringList, edits);
        QFETCH(QStringList, said);
        QFETCH(QString, focus);

        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::fill_example(form);
        click(form, "Command1");  // a previous result that must survive
        type(form, "Text8", "old mean");
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2) type(form, edits[i], edits[i + 1]);
        const probe::WindowState before = probe::snapshot(form);

        probe::MessageCatcher catcher;
        click(form, button);

        QCOMPARE(catcher.texts.size(), 1);
        for (const QString& fragment : said) {
            QVERIFY2(catcher.texts[0].contains(fragment), qPrintable(catcher.texts[0]));
        }
        QVERIFY(!catcher.texts[0].contains("nan") && !catcher.texts[0].contains("inf"));
        QVERIFY(probe::snapshot(form) == before);
        QCOMPARE(label(form, "Label24")->text(), QString("2006.831"));
        if (!focus.isEmpty()) {
            QTRY_COMPARE(QApplication::focusWidget(), field(form, focus));
            QCOMPARE(field(form, focus)->selectedText(), field(form, focus)->text());
        }

        // The window is idle again and works: mend the input and compute.
        probe::fill_example(form);
        click(form, "Command1");
        QCOMPARE(catcher.texts.size(), 1);
        QCOMPARE(label(form, "Label27")->text(), QString("2.0859118"));
    }

    // Fields are read in a fixed order and the first that does not read is the one named.
    void first_unreadable_field_is_named_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("bad");
        QTest::addColumn<QString>("named");
        QTest::newRow("λ before t1")
            << "Command1" << QStringList{"Text1", "Text4"} << "管内流体参数 均导热率";
        QTest::newRow("d before u")
            << "Command1" << QStringList{"Text9", "Text10"} << "管内流体参数 管道直径";
        QTest::newRow("tube before shell")
            << "Command1" << QStringList{"Text13", "Text9"} << "管内流体参数 流速";
        QTest::newRow("shell u before t1")
            << "Command1" << QStringList{"Text1", "Text12"} << "管外流体参数 流速";
        QTest::newRow("T1 before T2")
            << "Command1" << QStringList{"Text19", "Text20"} << "管外流体参数 进口温度";
        QTest::newRow("T2 before W")
            << "Command1" << QStringList{"Text3", "Text19"} << "管外流体参数 出口温度";
        QTest::newRow("shell mean reads T2 first")
            << "Command6" << QStringList{"Text20", "Text19"} << "管外流体参数 出口温度";
        QTest::newRow("tube mean reads t1 first")
            << "Command3" << QStringList{"Text2", "Text1"} << "管内流体参数 进口温度";
    }

    void first_unreadable_field_is_named() {
        QFETCH(QString, button);
        QFETCH(QStringList, bad);
        QFETCH(QString, named);
        window::MainWindow form;
        probe::fill_example(form);
        for (const QString& name : bad) type(form, name, "x");
        probe::MessageCatcher catcher;
        click(form, button);
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].startsWith("「" + named + "」"), qPrintable(catcher.texts[0]));
    }

    void hidden_coefficient_fault_writes_nothing() {
        window::MainWindow form;
        probe::open_hidden_mode(form, probe::Side::Shell);
        probe::fill_example(form);
        click(form, "Command5");
        const QString alpha = label(form, "Label14")->text();
        type(form, "Text11", "0");  // d = 0
        const probe::WindowState before = probe::snapshot(form);

        probe::MessageCatcher catcher;
        click(form, "Command5");
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].contains("管外流体 对流传热系数"), qPrintable(catcher.texts[0]));
        QVERIFY2(catcher.texts[0].contains("管外流体参数 管道直径"), qPrintable(catcher.texts[0]));
        QVERIFY(probe::snapshot(form) == before);
        QCOMPARE(label(form, "Label14")->text(), alpha);
    }

    void every_input_zero_faults_as_an_invalid_operation() {
        window::MainWindow form;
        for (int n = 1; n <= 20; ++n) type(form, QString("Text%1").arg(n), "0");
        const probe::WindowState before = probe::snapshot(form);
        probe::MessageCatcher catcher;
        click(form, "Command1");
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].contains("无效运算"), qPrintable(catcher.texts[0]));
        QVERIFY(probe::snapshot(form) == before);

        click(form, "Command3");  // the mean of 0 and 0 is fine
        QCOMPARE(field(form, "Text8")->text(), QString("0"));
        QCOMPARE(catcher.texts.size(), 1);
    }

    void typed_text_is_quoted_as_plain_text() {
        window::MainWindow form;
        probe::fill_example(form);
        type(form, "Text4", "<b>1</b>");
        probe::MessageCatcher catcher;
        click(form, "Command1");
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY(catcher.texts[0].contains("“<b>1</b>”"));
    }
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
