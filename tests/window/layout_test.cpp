// The layout table and the window built from it: names, focus order, geometry, fonts, colours.
#include <QAccessible>
#include <QApplication>
#include <QDockWidget>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTest>

#include "window/caption_label.hpp"
#include "window/fonts.hpp"
#include "window/layout_table.hpp"
#include "window_probe.hpp"

using window::layout_table;

namespace {

QWidget* walk_focus_once() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget();
}

QStringList focus_walk(qsizetype stops) {
    QStringList names{QApplication::focusWidget()->objectName()};
    while (names.size() < stops) names << walk_focus_once()->objectName();
    return names;
}

const QStringList walk_without_hidden = {
    "Command1", "Text1",    "Text2",    "Text3",     "Text8",     "Command2", "Command3", "Text6",
    "Text7",    "Text5",    "Text4",    "Text9",     "Text10",    "Text11",   "Text12",   "Text13",
    "Text14",   "Text15",   "Text16",   "Command6",  "Text17",    "Text18",   "Text19",   "Text20",
    "Command7", "Command8", "Command9", "Command10", "Command11", "Command1"};

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void table_holds_every_control_once() {
        QSet<QString> expected{"Frame1", "Frame2", "Frame3", "Frame4"};
        for (int n = 1; n <= 20; ++n) expected << QString("Text%1").arg(n);
        for (int n = 1; n <= 51; ++n) expected << QString("Label%1").arg(n);
        for (int n = 1; n <= 11; ++n) expected << QString("Command%1").arg(n);
        QCOMPARE(expected.size(), 86);

        QSet<QString> names;
        QSet<int> tab_indexes;
        for (const window::ControlRow& control : layout_table()) {
            names << QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
            tab_indexes << control.tab_index;
        }
        QCOMPARE(layout_table().size(), std::size_t{86});
        QCOMPARE(names, expected);
        for (int i = 0; i <= 85; ++i)
            QVERIFY2(tab_indexes.contains(i), qPrintable(QString::number(i)));
    }

    // Controls added after the first 82 lie inside their group box and cover no other control,
    // hidden ones included.
    void added_controls_cover_nothing() {
        const auto rect = [](const window::ControlRow& c) {
            return QRect(c.left, c.top, c.width, c.height);
        };
        for (const window::ControlRow& added : layout_table()) {
            if (added.tab_index < 82) continue;
            for (const window::ControlRow& other : layout_table()) {
                if (other.name == added.parent) {
                    QVERIFY(QRect(0, 0, other.width, other.height).contains(rect(added)));
                }
                if (other.name == added.name || other.parent != added.parent) continue;
                QVERIFY2(!rect(added).intersects(rect(other)),
                         qPrintable(QString::fromUtf8(added.name.data(), added.name.size()) +
                                    " covers " +
                                    QString::fromUtf8(other.name.data(), other.name.size())));
            }
        }
    }

    void notes_caption_is_exact() {
        const std::string expected =
            "1.本计算仅适用于管壳式换热器换热面积计算；" + std::string(7, ' ') +
            "2.请注意统一计算单位！建议使用国际单位进行计算；" + std::string(1, ' ') +
            "3.本程序中“管道直径”为换热管内直径；" + std::string(12, ' ') +
            "4.在计算总传热系数时取污垢热阻系数为：0.85,热量储" + std::string(4, ' ') +
            "藏系数为0.89；" + std::string(33, ' ') + "5.欢迎指出本程序中的不足之处。";
        QCOMPARE(window::notes_caption(), expected);
        window::MainWindow form;
        QCOMPARE(probe::label(form, "Label25")->text(), QString::fromStdString(expected));
    }

    // Each note starts a line of its own; the fourth takes two. Needs the fonts the README
    // installs: a full-width character one em wide, a blank half of one.
    void notes_wrap_as_written() {
        window::MainWindow form;
        QLabel* notes = probe::label(form, "Label25");
        const QStringList lines =
            window::caption_lines(notes->text(), notes->font(), notes->width());
        QCOMPARE(lines.size(), 6);
        const QStringList starts = {"1.本计算", "2.请注意", "3.本程序",
                                    "4.在计算", "藏系数",   "5.欢迎"};
        for (int i = 0; i < 6; ++i) QVERIFY2(lines[i].startsWith(starts[i]), qPrintable(lines[i]));
        QVERIFY(lines[5].endsWith("不足之处。"));
        QVERIFY(6 * notes->font().pixelSize() <= notes->height());  // nothing clipped
    }

    // Where a line would end between "5." and "欢", both go to the next line.
    void ascii_stays_with_the_next_chinese_character() {
        const QFont font = window::layout_font({}, window::installed_typefaces());
        const QFontMetrics metrics(font);
        const int width =
            metrics.horizontalAdvance("进口温度5.") + metrics.horizontalAdvance("欢") / 2;
        QCOMPARE(window::caption_lines("进口温度5.欢迎", font, width),
                 QStringList({"进口温度", "5.欢迎"}));
        QCOMPARE(
            window::caption_lines("进口温度 欢迎", font, metrics.horizontalAdvance("进口温度 ")),
            QStringList({"进口温度 ", "欢迎"}));
    }

    void window_is_fixed_and_titled() {
        window::MainWindow form;
        form.show();
        QCOMPARE(form.centralWidget()->objectName(), QString("Form1"));
        QCOMPARE(form.windowTitle(), QString("管壳式换热器换热面积计算"));
        QCOMPARE(form.centralWidget()->size(), QSize(944, 537));  // 14160 × 8055 twips
        QCOMPARE(form.centralWidget()->pos(), QPoint(0, form.menuBar()->height()));
        // The window is the form, the menu bar above and the status bar below; no panel yet.
        QCOMPARE(form.size(),
                 QSize(944, 537 + form.menuBar()->height() + form.statusBar()->height()));
        QVERIFY(form.findChild<QDockWidget*>("working_panel")->isHidden());
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QList<QSize> sizes = form.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    void geometry_and_captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");  // twips / 15
        QTest::addColumn<QString>("caption");
        QTest::newRow("Frame1") << "Frame1"
                                << "Form1" << QRect(24, 16, 425, 321) << "管内流体参数";
        QTest::newRow("Frame4") << "Frame4"
                                << "Form1" << QRect(40, 352, 409, 137) << "计算结果";
        QTest::newRow("Command1") << "Command1"
                                  << "Form1" << QRect(80, 496, 89, 33) << "计算结果";
        QTest::newRow("Command7") << "Command7"
                                  << "Form1" << QRect(184, 496, 89, 33) << "清空";
        QTest::newRow("Text1") << "Text1"
                               << "Frame1" << QRect(88, 32, 65, 18) << "";
        QTest::newRow("Text20") << "Text20"
                                << "Frame2" << QRect(88, 32, 65, 18) << "";
        QTest::newRow("Label2") << "Label2"
                                << "Frame1" << QRect(24, 79, 57, 17) << "出口温度:";
        QTest::newRow("Label13") << "Label13"
                                 << "Frame2" << QRect(224, 217, 57, 17) << "流    速:";
        QTest::newRow("Label35") << "Label35"
                                 << "Frame1" << QRect(360, 177, 49, 17) << "N*s/㎡";
        QTest::newRow("Label25") << "Label25"
                                 << "Frame3" << QRect(16, 24, 353, 89)
                                 << QString::fromStdString(window::notes_caption());
        QTest::newRow("Command5") << "Command5"
                                  << "Frame2" << QRect(24, 256, 65, 49) << "计算\n传热系数";
    }

    void geometry_and_captions() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        window::MainWindow form;
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), pixels);
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
        if (auto* push = qobject_cast<QPushButton*>(control)) text = push->text();
        if (auto* group = qobject_cast<QGroupBox*>(control)) text = group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) text = edit->text();
        QCOMPARE(text, caption);
    }

    void only_the_coefficient_controls_start_hidden() {
        window::MainWindow form;
        form.show();
        for (QWidget* control : form.centralWidget()->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty()) continue;
            const bool hidden = QSet<QString>{"Command4", "Label9", "Command5", "Label14"}.contains(
                control->objectName());
            QVERIFY2(control->isHidden() == hidden, qPrintable(control->objectName()));
        }
    }

    void focus_walks_in_tab_index_order() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), probe::button(form, "Command1"));
        QCOMPARE(focus_walk(walk_without_hidden.size()), walk_without_hidden);
    }

    // The panel's text, added to the window, comes after every control of the form.
    void panel_comes_after_the_form_in_the_focus_chain() {
        window::MainWindow form;
        QStringList chain;
        QWidget* next = probe::button(form, "Command1");
        do {
            if (walk_without_hidden.contains(next->objectName()) ||
                next->objectName() == "working_text") {
                chain << next->objectName();
            }
            next = next->nextInFocusChain();
        } while (next != probe::button(form, "Command1"));
        QCOMPARE(chain.last(), QString("working_text"));
        QCOMPARE(chain.indexOf("Command11"), chain.size() - 2);
    }

    void shown_coefficient_buttons_take_their_place() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::open_hidden_mode(form, probe::Side::Tube);
        probe::open_hidden_mode(form, probe::Side::Shell);
        probe::button(form, "Command1")->setFocus();

        QStringList expected = walk_without_hidden;
        expected.insert(expected.indexOf("Command3") + 1, "Command4");
        expected.insert(expected.indexOf("Text16") + 1, "Command5");
        QCOMPARE(focus_walk(expected.size()), expected);

        probe::click(form, "Command7");  // hidden again: skipped again
        probe::button(form, "Command1")->setFocus();
        QCOMPARE(focus_walk(walk_without_hidden.size()), walk_without_hidden);
    }

    void labels_and_group_boxes_take_no_tab_focus() {
        window::MainWindow form;
        for (QWidget* control : form.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control)) {
                QVERIFY2(!(control->focusPolicy() & Qt::TabFocus),
                         qPrintable(control->objectName()));
            }
        }
    }

    void result_labels_can_be_selected() {
        window::MainWindow form;
        for (const char* name : {"Label9", "Label14", "Label23", "Label24", "Label26", "Label27",
                                 "Label48", "Label49", "Label50", "Label51"}) {
            QLabel* result = probe::label(form, name);
            QVERIFY2(result->textInteractionFlags() & Qt::TextSelectableByMouse, name);
            QVERIFY2(result->accessibleName().isEmpty(), name);  // a reader speaks the text
            // and, before the first result, nothing: not the group box's title.
            QVERIFY2(
                QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name).isEmpty(),
                name);
        }
    }

    void screen_reader_names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Text1") << "Text1"
                               << "管内流体参数 进口温度";
        QTest::newRow("Text4") << "Text4"
                               << "管内流体参数 均导热率";
        QTest::newRow("Text9") << "Text9"
                               << "管内流体参数 流速";
        QTest::newRow("Text8") << "Text8"
                               << "管内流体参数 平均温度为";
        QTest::newRow("Text18") << "Text18"
                                << "管外流体参数 质量流量";
        QTest::newRow("Text20") << "Text20"
                                << "管外流体参数 进口温度";
        QTest::newRow("Text11") << "Text11"
                                << "管外流体参数 管道直径";
        QTest::newRow("Command1") << "Command1"
                                  << "计算结果";
        QTest::newRow("Command2") << "Command2"
                                  << "退出";
        QTest::newRow("Command4") << "Command4"
                                  << " 计算    传热系数";
    }

    void screen_reader_names() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        window::MainWindow form;
        form.show();
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(name));
        QVERIFY(control);
        QCOMPARE(control->text(QAccessible::Name), spoken);
    }

    // A field's description, for a screen reader and as its tooltip, lists its units.
    void fields_tell_their_units() {
        window::MainWindow form;
        form.show();
        const QList<std::pair<const char*, const char*>> told = {
            {"Text10", "m；也可输入 mm、cm，如 20 mm"},
            {"Text20", "℃；也可输入 K，如 303.15 K"},
            {"Text3", "kg/s；也可输入 kg/min、kg/h、t/h，如 7.2 t/h"},
            {"Text16", "J/(kg·℃)；也可输入 kJ/(kg·℃)、kcal/(kg·℃)，如 4.174 kJ/(kg·℃)"},
        };
        for (const auto& [name, units] : told) {
            QAccessibleInterface* reader =
                QAccessible::queryAccessibleInterface(probe::field(form, name));
            QCOMPARE(reader->text(QAccessible::Description), QString(units));
        }
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            QVERIFY2(edit->toolTip().contains("；也可输入 "), qPrintable(edit->objectName()));
        }
    }

    void every_field_has_a_name() {
        window::MainWindow form;
        const QList<QLineEdit*> fields = form.findChildren<QLineEdit*>();
        QCOMPARE(fields.size(), 20);
        QSet<QString> names;
        for (QLineEdit* edit : fields) names << edit->accessibleName();
        QVERIFY(!names.contains(QString()));
        QCOMPARE(names.size(), 20);
    }

    void fonts_and_colours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");  // the typeface, or the substitute installed here
        QTest::addColumn<int>("pixels");      // points · 4/3
        QTest::addColumn<QColor>("colour");
        const QColor plain = QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("Label25") << "Label25"
                                 << "楷体_GB2312" << 14 << QColor(255, 0, 0);
        QTest::newRow("Frame3") << "Frame3"
                                << "楷体_GB2312" << 16 << QColor(255, 0, 0);
        QTest::newRow("Frame4") << "Frame4"
                                << "宋体" << 19 << plain;
        QTest::newRow("Label9") << "Label9"
                                << "宋体" << 20 << plain;
        QTest::newRow("Label24") << "Label24"
                                 << "宋体" << 16 << plain;
        QTest::newRow("Label8") << "Label8"
                                << "宋体" << 12 << QColor(0, 0, 255);
        QTest::newRow("Text1") << "Text1"
                               << "宋体" << 12 << plain;
    }

    void fonts_and_colours() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(QColor, colour);
        window::MainWindow form;
        auto* control = form.findChild<QWidget*>(name);
        const window::InstalledTypefaces installed = window::installed_typefaces();
        const bool kai = family == "楷体_GB2312";
        QVERIFY(window::font_families(kai ? window::Typeface::KaiTi : window::Typeface::SongTi)
                    .contains(kai ? installed.kai : installed.song));
        QCOMPARE(control->font().families(), QStringList{kai ? installed.kai : installed.song});
        QCOMPARE(control->font().pixelSize(), pixels);
        QCOMPARE(control->font().weight(), QFont::Normal);
        QCOMPARE(control->palette().color(QPalette::WindowText), colour);
    }

    void a_chinese_typeface_is_found() {
        for (window::Typeface face : {window::Typeface::SongTi, window::Typeface::KaiTi}) {
            const QFont font = window::layout_font({face, 9.0}, window::installed_typefaces());
            const QString found = QFontInfo(font).family();
            QVERIFY2(window::font_families(face).contains(found), qPrintable(found));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
