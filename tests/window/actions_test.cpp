// The seven actions end to end: keys into the fields, clicks on the buttons, texts read back.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "calc/conversion.hpp"
#include "window_probe.hpp"

using probe::button;
using probe::click;
using probe::field;
using probe::label;
using probe::type;

// A 注意 of the layout or its rating, which the layout tests check; the rest is the sizing's.
bool design_note(const QString& line) {
    static const QRegularExpression note(
        "^注意：(按核算|管程 Rei′|管程 Pri|管内流速 ui′|管外流速 uo|壳程 Reo|壳程 "
        "Re0|面积裕度|长径比|管程压降|壳程压降)");
    return note.match(line).hasMatch();
}

class ActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void example_writes_the_eight_captions() {
        window::MainWindow form;
        probe::fill_example(form);
        type(form, "Text8", "typed by hand");
        type(form, "Text17", "12");
        click(form, "Command1");

        const QList<std::pair<QString, QString>> expected = {
            {"Label23", "总传热系数为："}, {"Label24", "2006.831"}, {"Label26", "所需换热面积为："},
            {"Label27", "2.0859118"},      {"Label48", "㎡"},       {"Label49", "传递热量:"},
            {"Label50", "166960"},         {"Label51", "W"},
        };
        for (const auto& [name, text] : expected) QCOMPARE(label(form, name)->text(), text);
        QCOMPARE(field(form, "Text8")->text(), QString("typed by hand"));
        QCOMPARE(field(form, "Text17")->text(), QString("12"));
    }

    // The working is in the results' tooltips, which screen readers give as the description.
    void working_is_told_with_the_results_data() {
        QTest::addColumn<QString>("velocity");  // Text9, m/s in the tubes
        QTest::addColumn<QString>("working");
        QTest::newRow("worked example")
            << "1.0"
            << "管内：Re = 24861，Pr = 5.410，αt = 3873.2 W/(㎡·℃)\n"
               "管外：Re = 30105，Pr = 2.547，αs = 6047.2 W/(㎡·℃)\n"
               "ΔT1 = 50 ℃，ΔT2 = 40 ℃，Δtm = 44.814 ℃\n"
               "单壳程、偶数管程：P = 0.28571，R = 1.5，F = 0.94791，所需面积 A/F = 2.2005 ㎡\n"
               "热量衡算：管外质量流量未填，与 Q 平衡的管外流量 Ws = 1.3282 kg/s\n"
               "管数估算：每程 n = W/(ρt·ut·π·dt²/4) = 6.394，取 7 根，单程管长 L = 4.743 m";
        QTest::newRow("laminar in the tubes")
            << "0.05"  // αt = 3873.165 · 0.05^0.8, A = 14.783 ㎡, n = 6.394/0.05
            << "管内：Re = 1243，Pr = 5.410，αt = 352.57 W/(㎡·℃)\n"
               "管外：Re = 30105，Pr = 2.547，αs = 6047.2 W/(㎡·℃)\n"
               "ΔT1 = 50 ℃，ΔT2 = 40 ℃，Δtm = 44.814 ℃\n"
               "单壳程、偶数管程：P = 0.28571，R = 1.5，F = 0.94791，所需面积 A/F = 15.595 ㎡\n"
               "热量衡算：管外质量流量未填，与 Q 平衡的管外流量 Ws = 1.3282 kg/s\n"
               "管数估算：每程 n = W/(ρt·ut·π·dt²/4) = 127.9，取 128 根，单程管长 L = 1.838 m\n"
               "注意：管内 Re = 1243，低于 10⁴：管内关联式用于湍流，此结果仅供参考。";
    }

    void working_is_told_with_the_results() {
        QFETCH(QString, velocity);
        QFETCH(QString, working);
        window::MainWindow form;
        probe::fill_example(form);
        type(form, "Text9", velocity);
        click(form, "Command1");
        // The layout's block after the checks is the layout tests'; the rest is as it was.
        const auto without_layout = [](const QString& told) {
            QStringList kept;
            bool block = false;
            for (const QString& line : told.split('\n')) {
                if (line.startsWith("结构与压降")) block = true;
                if (line.startsWith("注意：")) block = false;
                if (!block && !design_note(line)) kept << line;
            }
            return kept.join('\n');
        };
        for (const char* name : {"Label24", "Label27", "Label50"}) {
            QCOMPARE(without_layout(label(form, name)->toolTip()), working);
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label(form, name));
            QCOMPARE(reader->text(QAccessible::Description), label(form, name)->toolTip());
            QCOMPARE(reader->text(QAccessible::Name), label(form, name)->text());
        }
    }

    void report_is_copied_from_anywhere_in_the_window() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::fill_example(form);
        click(form, "Command1");
        field(form, "Text1")->setFocus();
        QTest::keyClick(field(form, "Text1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.value(0), QString("管壳式换热器换热面积计算"));
        for (const char* line :
             {"  进口温度: 20 ℃", "  流    速: 0.5 m/s", "  质量流量: （空） Kg/s",
              "  管内：Re = 24861，Pr = 5.410，αt = 3873.2 W/(㎡·℃)", "  总传热系数为：2006.831",
              "  传递热量:166960 W", "  所需换热面积为：2.0859118 ㎡"}) {
            QVERIFY2(lines.contains(line), line);
        }
        QCOMPARE(field(form, "Text1")->text(), QString("20"));  // the field took no key
        for (const char* name : {"Frame4", "Label27"}) {
            const QList<QAction*> menu = form.findChild<QWidget*>(name)->actions();
            QVERIFY2(!menu.isEmpty() && menu[0]->text() == "复制计算过程(&C)", name);
        }
    }

    // The shell flow enters the heat balance only: K, A and Q stay, whatever it holds.
    void shell_flow_field_changes_no_result() {
        for (const char* typed : {"随便写点什么", "1.0", "1e39", "0", "-2"}) {
            window::MainWindow form;
            probe::fill_example(form);
            type(form, "Text18", typed);
            probe::MessageCatcher catcher;
            click(form, "Command1");
            QCOMPARE(catcher.texts, QStringList());
            QCOMPARE(probe::results(form), probe::example_results);
        }
    }

    // What the checks after a result say; worked by hand from the example.
    void checks_in_the_working_data() {
        QTest::addColumn<QStringList>("edits");  // name, text, ...
        QTest::addColumn<QStringList>("said");
        QTest::newRow("shell flow 1.0 kg/s")
            << QStringList{"Text18", "1.0"}
            << QStringList{
                   "热量衡算：管外放热 Qs = Ws·cps·(T1 − T2) = 125700 W，与 Q 相差 -24.71 %",
                   "注意：管外放热与管内吸热相差 -24.71 %，超过 ±5 %"};
        QTest::newRow("shell flow within 5 %")
            << QStringList{"Text18", "1.3"} << QStringList{"与 Q 相差 -2.126 %"};
        QTest::newRow("F below 0.75")
            << QStringList{"Text2", "70"}
            << QStringList{
                   "P = 0.71429，R = 0.6，F = 0.47569",
                   "多壳程串联（各壳程相同，两流体逐壳逆流）：F₁ = 0.47569，F₂ = 0.91925，F₃ = "
                   "0.9656，F₄ = 0.98091；宜用 2 壳程串联：F₂ = 0.91925",
                   "注意：F = 0.47569，低于 0.75：单壳程不宜用于这组温度，宜用 2 壳程串联：F₂ = "
                   "0.91925。"};
        QTest::newRow("no F") << QStringList{"Text2", "80"}
                              << QStringList{"R = 0.5，F 不存在", "注意：这组温度下 F 不存在",
                                             "F₁ 不存在，F₂ = 0.80522，F₃ = 0.92332，F₄ = 0.95833"};
        QTest::newRow("μ in mPa·s")
            << QStringList{"Text7", "0.801"}
            << QStringList{
                   "注意：管内动力粘度 μ = 0.801 N·s/㎡，水类流体不会这么大：是否按 mPa·s 填写？"};
        QTest::newRow("shell d in mm")
            << QStringList{"Text11", "25"}
            << QStringList{"注意：管外管道直径 d = 25 m，换热管没有这么粗：是否按 mm 填写？"};
    }

    void checks_in_the_working() {
        QFETCH(QStringList, edits);
        QFETCH(QStringList, said);
        window::MainWindow form;
        probe::fill_example(form);
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2) type(form, edits[i], edits[i + 1]);
        click(form, "Command1");
        const QString working = label(form, "Label50")->toolTip();
        for (const QString& line : said) QVERIFY2(working.contains(line), qPrintable(working));
        if (said.size() == 1 && !said[0].startsWith("注意")) {
            for (const QString& line : working.split('\n')) {
                QVERIFY2(!line.contains("注意") || design_note(line), qPrintable(line));
            }
        }
    }

    void full_width_input_reads_as_typed() {
        window::MainWindow form;
        probe::fill_example(form);
        type(form, "Text1", "２０");
        type(form, "Text2", "４０．０");
        type(form, "Text7", "0。000801");
        click(form, "Command1");
        QCOMPARE(label(form, "Label24")->text(), QString("2006.831"));
        QCOMPARE(label(form, "Label50")->text(), QString("166960"));
    }

    void mean_temperature_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");   // read first: Text1 or Text19
        QTest::addColumn<QString>("second");  // Text2 or Text20
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("mean");
        const QList<QStringList> sides = {{"Command3", "Text1", "Text2", "Text8"},
                                          {"Command6", "Text19", "Text20", "Text17"}};
        const QList<QStringList> values = {
            {"20", "40", "30"}, {"20", "25.5", "22.75"},   {"20.1", "30.2", "25.15000057220459"},
            {"0", "0", "0"},    {"381924", "0", "190962"}, {"-20", "20", "0"}};
        for (const QStringList& side : sides) {
            for (const QStringList& v : values) {
                QTest::addRow("%s %s+%s", qPrintable(side[0]), qPrintable(v[0]), qPrintable(v[1]))
                    << side[0] << side[1] << side[2] << side[3] << v[0] << v[1] << v[2];
            }
        }
    }

    void mean_temperature() {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, output);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, mean);
        window::MainWindow form;
        type(form, first, a);
        type(form, second, b);
        click(form, button);
        QCOMPARE(field(form, output)->text(), mean);
        for (const char* hidden : {"Command4", "Label9", "Command5", "Label14"}) {
            QVERIFY(form.findChild<QWidget*>(hidden)->isHidden());
        }
    }

    void hidden_mode_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("coefficient_button");
        QTest::addColumn<QString>("coefficient_label");
        QTest::addColumn<QString>("other_button");
        QTest::addColumn<QString>("code");
        for (const char* code : {"381924", "381924.01", " ３８１９２４ ", "381924 ℃"}) {
            QTest::addRow("tube %s", code) << "Command3"
                                           << "Text1"
                                           << "Text2"
                                           << "Text8"
                                           << "Command4"
                                           << "Label9"
                                           << "Command5" << QString(code);
            QTest::addRow("shell %s", code) << "Command6"
                                            << "Text19"
                                            << "Text20"
                                            << "Text17"
                                            << "Command5"
                                            << "Label14"
                                            << "Command4" << QString(code);
        }
    }

    // 381924.01 rounds to the same Single as 381924, so it opens the mode too.
    void hidden_mode() {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, output);
        QFETCH(QString, coefficient_button);
        QFETCH(QString, coefficient_label);
        QFETCH(QString, other_button);
        QFETCH(QString, code);
        window::MainWindow form;
        type(form, output, "kept");
        type(form, first, code);
        type(form, second, "381924");
        click(form, button);
        QCOMPARE(field(form, output)->text(), QString("kept"));
        QVERIFY(!form.findChild<QWidget*>(coefficient_button)->isHidden());
        QVERIFY(!form.findChild<QWidget*>(coefficient_label)->isHidden());
        QVERIFY(form.findChild<QWidget*>(other_button)->isHidden());

        click(form, button);  // on again: nothing changes
        QCOMPARE(field(form, output)->text(), QString("kept"));
        QVERIFY(!form.findChild<QWidget*>(coefficient_button)->isHidden());
    }

    // The code is compared after conversion: 381924 K is 381650.85 ℃, not the code.
    void hidden_mode_needs_both_temperatures() {
        for (const auto& [second, mean] :
             {std::pair{"381925", "381924.5"}, {"381924 K", "381787.421875"}}) {
            window::MainWindow form;
            type(form, "Text1", "381924");
            type(form, "Text2", second);
            click(form, "Command3");
            QCOMPARE(field(form, "Text8")->text(), QString(mean));
            QVERIFY(button(form, "Command4")->isHidden());
            QVERIFY(label(form, "Label9")->isHidden());
        }
    }

    // Each input in a unit other than its label's gives the same K, A and Q, bit for bit, as
    // the example typed in SI, and the working shows it converted.
    void typed_units_read_as_their_si_twins() {
        const QMap<QString, QString> with_units = {
            {"Text1", "293.15 K"},     {"Text2", "40 °C"},         {"Text3", "7200 kg/h"},
            {"Text4", "618 mW/(m·K)"}, {"Text5", "0.9957 g/cm³"},  {"Text6", "4.174 kJ/(kg·℃)"},
            {"Text7", "0.801 mPa·s"},  {"Text9", "100 cm/s"},      {"Text10", "20 mm"},
            {"Text20", "363.15 K"},    {"Text19", "60 degC"},      {"Text13", "0.668 W/(m·K)"},
            {"Text14", "977.8 Kg/m3"}, {"Text16", "4.19 kJ/kg·K"}, {"Text15", "406 μPa·s"},
            {"Text12", "30 m/min"},    {"Text11", "2.5 cm"},
        };
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (auto it = with_units.begin(); it != with_units.end(); ++it) {
            type(form, it.key(), it.value());
        }
        probe::MessageCatcher catcher;
        click(form, "Command1");
        QCOMPARE(catcher.texts, QStringList());
        QCOMPARE(probe::results(form), probe::example_results);
        const QStringList working = label(form, "Label24")->toolTip().split('\n');
        for (const char* line :
             {"管内流体参数 管道直径 20 mm = 0.02 m", "管外流体参数 进口温度 363.15 K = 90 ℃",
              "管内流体参数 动力粘度 0.801 mPa·s = 0.000801 Pa·s",
              "管内流体参数 质量流量 7200 kg/h = 2 kg/s"}) {
            QVERIFY2(working.contains(line), qPrintable(working.join('\n')));
        }
        QVERIFY(!working.join('\n').contains("0.668 W/(m·K) ="));  // the SI unit written out

        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList report = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(report.contains("  管道直径: 20 mm"));
        QVERIFY(report.contains("  管道直径: 2.5 cm"));
        QVERIFY(report.contains("  质量流量: （空） Kg/s"));
    }

    void film_coefficient_is_shown_as_a_double_data() {
        QTest::addColumn<QString>("mean_button");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("coefficient_button");
        QTest::addColumn<QString>("output");
        QTest::addColumn<double>("alpha");
        QTest::newRow("tube") << "Command3"
                              << "Text1"
                              << "Text2"
                              << "Command4"
                              << "Label9" << 3873.165;
        QTest::newRow("shell") << "Command6"
                               << "Text19"
                               << "Text20"
                               << "Command5"
                               << "Label14" << 6047.171;
    }

    void film_coefficient_is_shown_as_a_double() {
        QFETCH(QString, mean_button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, coefficient_button);
        QFETCH(QString, output);
        QFETCH(double, alpha);
        window::MainWindow form;
        probe::fill_example(form);
        type(form, first, "381924");
        type(form, second, "381924");
        click(form, mean_button);
        click(form, coefficient_button);

        const QString text = label(form, output)->text();
        const double shown = calc::to_number(text.toStdString());
        QVERIFY2(std::abs(shown - alpha) < 5e-4, qPrintable(text));
        // A Single would show at most 9 significant digits; a Double shows its noise.
        QVERIFY2(text.size() > 10, qPrintable(text));
        QVERIFY(double(float(shown)) != shown);
    }

    void result_is_the_same_in_hidden_mode() {
        window::MainWindow form;
        probe::open_hidden_mode(form, probe::Side::Tube);
        probe::fill_example(form);
        click(form, "Command1");
        QCOMPARE(label(form, "Label24")->text(), QString("2006.831"));
        QVERIFY(!button(form, "Command4")->isHidden());
    }

    void clear_empties_fields_and_hides_the_mode_but_keeps_captions() {
        window::MainWindow form;
        probe::fill_example(form);
        type(form, "Text8", "30");
        type(form, "Text17", "75");
        type(form, "Text18", "3");
        click(form, "Command1");
        probe::open_hidden_mode(form, probe::Side::Tube);
        probe::fill_example(form);
        click(form, "Command4");
        const QString coefficient = label(form, "Label9")->text();
        QVERIFY(!coefficient.isEmpty());

        click(form, "Command7");
        for (int n = 1; n <= 20; ++n)
            QVERIFY(field(form, QString("Text%1").arg(n))->text().isEmpty());
        for (const char* name : {"Command4", "Command5", "Label9", "Label14"}) {
            QVERIFY2(form.findChild<QWidget*>(name)->isHidden(), name);
        }
        QCOMPARE(label(form, "Label24")->text(), QString("2006.831"));
        QCOMPARE(label(form, "Label50")->text(), QString("166960"));
        QCOMPARE(label(form, "Label9")->text(), coefficient);
        QVERIFY(label(form, "Label24")->toolTip().startsWith("管内：Re = 24861"));
        QVERIFY(label(form, "Label9")->toolTip().startsWith("管内：Re = 24861"));

        probe::open_hidden_mode(form, probe::Side::Tube);
        QVERIFY(!label(form, "Label9")->isHidden());
        QCOMPARE(label(form, "Label9")->text(), coefficient);
    }

    void exit_ends_the_event_loop_with_code_zero() {
        window::MainWindow form;
        form.show();
        QTimer::singleShot(0, &form, [&form] { click(form, "Command2"); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void closing_the_window_ends_the_event_loop_with_code_zero() {
        window::MainWindow form;
        probe::fill_example(form);
        form.show();
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ActionsTest)
#include "actions_test.moc"
