// A vapour condensing on the shell side, in the window as a user meets it: found in the fluid
// list by its words, its pressure asked for, the shell group showing t_s and D, 计算结果 through
// the condensing rating, 撤销 back to what was typed, refusals that change nothing, and the
// case file. Expected figures: the method's worked example (a), steam at 200 kPa heating
// water 20 → 80 ℃, as its sheet prints them.
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "window_probe.hpp"

using probe::click;
using probe::field;
using probe::label;
using probe::type;

namespace {

// The tube side of example (a), typed; the shell's d_o.
const QMap<QString, QString> steam_heater{
    {"Text1", "20"},     {"Text2", "80"},     {"Text3", "3"},         {"Text4", "0.64059"},
    {"Text5", "988.01"}, {"Text6", "4179.8"}, {"Text7", "0.0005465"}, {"Text9", "1"},
    {"Text10", "0.02"},  {"Text11", "0.025"}};

void type_steam_heater(QWidget& form) {
    for (auto it = steam_heater.begin(); it != steam_heater.end(); ++it) {
        type(form, it.key(), it.value());
    }
}

// The shell side's list searched for `query`, the pressure typed, Enter pressed.
QDialog* choose(QWidget& form, const QString& chooser, const QString& query,
                const QString& pressure = {}) {
    click(form, chooser);
    auto* dialog = form.findChild<QDialog*>("fluid_chooser");
    if (!dialog || !dialog->isVisible()) return nullptr;
    dialog->findChild<QLineEdit*>("fluid_search")->insert(query);
    if (!pressure.isEmpty()) {
        auto* field = dialog->findChild<QLineEdit*>("fluid_pressure");
        field->selectAll();
        QTest::keyClicks(field, pressure);
    }
    QTest::keyClick(dialog->findChild<QLineEdit*>("fluid_search"), Qt::Key_Return);
    return dialog;
}

// The names of the rows the search shows, in order.
QStringList shown_rows(QDialog& dialog) {
    auto* list = dialog.findChild<QTreeWidget*>("fluid_list");
    QStringList names;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (!list->topLevelItem(i)->isHidden()) names << list->topLevelItem(i)->text(0);
    }
    return names;
}

}  // namespace

class CondensingTest : public QObject {
    Q_OBJECT

  private slots:
    // The shell side's list finds a vapour by the words a user types; the tube side's offers
    // none and says where condensing belongs.
    void the_list_finds_vapours_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::newRow("蒸汽") << "蒸汽"
                              << "水蒸气（饱和，冷凝）";
        QTest::newRow("蒸气") << "蒸气"
                              << "水蒸气（饱和，冷凝）";
        QTest::newRow("steam") << "steam"
                               << "水蒸气（饱和，冷凝）";
        QTest::newRow("vapour") << "vapour"
                                << "水蒸气（饱和，冷凝）";
        QTest::newRow("苯蒸气") << "苯蒸气"
                                << "苯蒸气（冷凝）";
        QTest::newRow("toluene") << "toluene"
                                 << "甲苯";
    }

    void the_list_finds_vapours() {
        QFETCH(QString, query);
        QFETCH(QString, first);
        window::MainWindow form;
        form.show();
        click(form, "Command11");
        auto* dialog = form.findChild<QDialog*>("fluid_chooser");
        dialog->findChild<QLineEdit*>("fluid_search")->insert(query);
        const QStringList shell = shown_rows(*dialog);
        QVERIFY2(!shell.isEmpty(), qPrintable(query));
        QVERIFY2(shell.contains(first), qPrintable(shell.join("、")));
        QVERIFY(!dialog->findChild<QLabel*>("fluid_tube_note")->isVisible());
        dialog->reject();

        click(form, "Command10");
        dialog->findChild<QLineEdit*>("fluid_search")->insert(query);
        for (const QString& row : shown_rows(*dialog))
            QVERIFY2(!row.contains("冷凝"), qPrintable(row));
        QVERIFY(dialog->findChild<QLabel*>("fluid_tube_note")->isVisible());
        dialog->reject();
    }

    // "蒸汽" finds steam; "200 kPa" gives t_s beside the field; the shell group then reads
    // t_s, leaves its unused fields out of use, and after 计算结果 reads D.
    void steam_heater_end_to_end() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        type_steam_heater(form);
        type(form, "Text20", "150");
        type(form, "Text19", "100");
        type(form, "Text18", "1");
        click(form, "Command11");
        auto* dialog = form.findChild<QDialog*>("fluid_chooser");
        dialog->findChild<QLineEdit*>("fluid_search")->insert("蒸汽");
        auto* pressure = dialog->findChild<QLineEdit*>("fluid_pressure");
        QVERIFY(pressure->isEnabled());
        pressure->selectAll();
        QTest::keyClicks(pressure, "200 kPa");
        QCOMPARE(dialog->findChild<QLabel*>("fluid_saturation")->text(),
                 QString("ts = 120.21 ℃（饱和压力 1–10000 kPa）"));
        QTest::keyClick(dialog->findChild<QLineEdit*>("fluid_search"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());

        QCOMPARE(probe::button(form, "Command11")->text(), QString("水蒸气 …"));
        for (const char* name : {"Text20", "Text19"}) {
            QCOMPARE(field(form, name)->text(), QString());
            QCOMPARE(field(form, name)->placeholderText(), QString("120.21"));
            QVERIFY(field(form, name)->isReadOnly());
            QVERIFY(field(form, name)->toolTip().contains("ts = 120.21 ℃"));
        }
        for (const char* name : {"Text13", "Text14", "Text15", "Text16", "Text12"}) {
            QVERIFY2(!field(form, name)->isEnabled(), name);
            QVERIFY2(field(form, name)->toolTip().contains("冷凝"), name);
        }
        QVERIFY(!probe::button(form, "Command9")->isEnabled());
        QVERIFY(probe::button(form, "Command9")->accessibleDescription().contains("不填物性"));

        click(form, "Command1");
        QCOMPARE(probe::results(form), (QStringList{"2809.815", "4.57869", "752363.94"}));
        QCOMPARE(field(form, "Text18")->placeholderText(), QString("0.34174"));
        QCOMPARE(field(form, "Text18")->toolTip(), QString("冷凝量 D = Q/r = 0.34174 kg/s"));
        const QString working = label(form, "Label24")->toolTip();
        for (const char* said :
             {"ts = 120.21 ℃", "r = 2201.6 kJ/kg", "D = 0.34174 kg/s", "αs = 10714", "φΔt = 1",
              "tw = 110.48 ℃", "αo = 9574.5", "K′ = 1418.6", "H′ = -22.157 %", "Ref = 241.41"}) {
            QVERIFY2(working.contains(said), said);
        }
        // No single-phase formula is left on the shell side.
        for (const char* gone : {"管外：Re", "Kern 法", "Reo ="}) {
            QVERIFY2(!working.contains(gone), gone);
        }

        // 撤销 takes the choice back, with the fields as they were typed.
        probe::button(form, "Command11")->setFocus();
        QTest::keySequence(&form, QKeySequence::Undo);
        QCOMPARE(probe::button(form, "Command11")->text(), QString("流体：水 …"));
        QCOMPARE(field(form, "Text20")->text(), QString("150"));
        QCOMPARE(field(form, "Text19")->text(), QString("100"));
        QCOMPARE(field(form, "Text18")->text(), QString("1"));
        QVERIFY(!field(form, "Text20")->isReadOnly());
        QVERIFY(field(form, "Text13")->isEnabled());
        QVERIFY(!field(form, "Text13")->toolTip().contains("冷凝"));
        QVERIFY(!field(form, "Text20")->toolTip().contains("冷凝"));
        QCOMPARE(field(form, "Text20")->placeholderText(), QString());
        QVERIFY(probe::button(form, "Command9")->isEnabled());
        QVERIFY(probe::button(form, "Command9")->toolTip().contains("管外流体参数"));
        QTest::keySequence(&form, QKeySequence::Redo);
        QCOMPARE(probe::button(form, "Command11")->text(), QString("水蒸气 …"));
        QCOMPARE(field(form, "Text20")->text(), QString());
    }

    // A pressure outside steam's range keeps the list open; a tube outlet at or above t_s is
    // refused in words with everything as it was.
    void refusals_change_nothing() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        {
            probe::MessageCatcher catcher;
            QDialog* dialog = choose(form, "Command11", "蒸汽", "20 MPa");
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(catcher.texts.size(), 1);
            QVERIFY2(
                catcher.texts[0].contains("水蒸气的饱和压力须在 1 kPa 至 10000 kPa（绝压）之间"),
                qPrintable(catcher.texts[0]));
            dialog->reject();
        }
        QCOMPARE(probe::button(form, "Command11")->text(), QString("流体：水 …"));
        choose(form, "Command11", "蒸汽", "2 bar");
        type_steam_heater(form);
        type(form, "Text2", "125");
        const probe::WindowState before = probe::snapshot(form);
        probe::MessageCatcher catcher;
        click(form, "Command1");
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].contains("管程出口温度须低于饱和温度 ts = 120.21 ℃"),
                 qPrintable(catcher.texts[0]));
        QCOMPARE(probe::snapshot(form), before);
    }

    // The case keeps the vapour and its pressure as typed, and what was typed in the fields
    // the vapour fills; opened again, it condenses as before.
    void the_case_file_keeps_it() {
        window::MainWindow form;
        form.show();
        type_steam_heater(form);
        type(form, "Text20", "150");
        choose(form, "Command11", "蒸汽", "0.2 MPa");
        click(form, "Command1");
        QTemporaryDir dir;
        const QString path = dir.filePath("steam.hxcase");
        const QByteArray bytes = probe::saved_case(form, path);
        for (const char* part : {"\"version\": 7", "\"condensing\"", "\"fluid\": \"水\"",
                                 "\"pressure\": \"0.2 MPa\"", "\"inlet_temperature\": \"150\""}) {
            QVERIFY2(bytes.contains(part), part);
        }
        window::MainWindow opened;
        opened.load_case(path);
        QCOMPARE(probe::button(opened, "Command11")->text(), QString("水蒸气 …"));
        QCOMPARE(field(opened, "Text20")->placeholderText(), QString("120.21"));
        click(opened, "Command1");
        QCOMPARE(probe::results(opened), probe::results(form));
        // Back to water, the inlet typed before the vapour returns.
        click(opened, "Command11");
        auto* dialog = opened.findChild<QDialog*>("fluid_chooser");
        auto* list = dialog->findChild<QTreeWidget*>("fluid_list");
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(probe::button(opened, "Command11")->text(), QString("流体：水 …"));
        QCOMPARE(field(opened, "Text20")->text(), QString("150"));
    }
};

QTEST_MAIN(CondensingTest)
#include "condensing_test.moc"
