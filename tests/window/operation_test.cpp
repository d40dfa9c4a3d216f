// 操作型计算 end to end in the real window: the worked search's best taken as the 结构参数,
// 工具 → 操作型计算…, the state at the design point beside the design (the simulation method's
// worked example: the tube outlet overshoots to 42.105 ℃), 20 % less cooling water, a sweep of
// the water flow with its table, copy and plot, a refusal in words, the case file, and the
// 计算书's section 8.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "casefile/case_file.hpp"
#include "window/operation_dialog.hpp"
#include "window_probe.hpp"

using probe::click;

namespace {

// The worked search's best: 36 tubes of 2 m, 9 a pass in 4 passes, 273 mm, baffles at 100 mm.
void take_search_best(window::MainWindow& form) {
    casefile::LayoutTexts texts{};
    texts[0] = "2";
    texts[3] = "273";
    texts[4] = "100";
    texts[8] = "4";
    texts[9] = "9";
    form.take_layout(texts);
}

window::OperationDialog* open_operation(window::MainWindow& form) {
    form.edit_operation();
    return form.findChild<window::OperationDialog*>("operation_dialog");
}

QString result(QDialog* dialog) {
    return dialog->findChild<QTextBrowser*>("operation_result")->toPlainText();
}

QLineEdit* edit(QDialog* dialog, const char* name) {
    return dialog->findChild<QLineEdit*>(name);
}

}  // namespace

class OperationTest : public QObject {
    Q_OBJECT

  private slots:
    void search_best_off_its_design_point() {
        QTemporaryDir dir;
        window::MainWindow form;
        form.show();
        probe::fill_example(form);
        click(form, "Command1");
        take_search_best(form);
        window::OperationDialog* dialog = open_operation(form);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(edit(dialog, "tube_inlet")->placeholderText(), QString("默认 20"));
        QCOMPARE(edit(dialog, "tube_flow")->placeholderText(), QString("默认 2"));
        QVERIFY(dialog->findChild<QLabel*>("operation_exchanger")->text().contains("NT = 36"));

        click(*dialog, "simulate");
        for (const char* part : {"管内出口 t2 = 42.105 ℃（设计 40 ℃）",
                                 "管外出口 T2 = 56.843 ℃（设计 60 ℃）", "F = 0.92662"}) {
            QVERIFY2(result(dialog).contains(part), qPrintable(result(dialog)));
        }
        // 20 % less cooling water: the simulation of the same exchanger at 1.6 kg/s.
        QTest::keyClicks(edit(dialog, "tube_flow"), "1.6");
        click(*dialog, "simulate");
        std::optional<design::SimulationInput> at = form.simulation_input({});
        QVERIFY(at);
        at->tube.flow = 1.6;
        const design::SimulatedState lower = design::simulate(*at).states[0];
        QVERIFY2(result(dialog).contains("管内出口 t2 = " + report::figure(lower.tube_outlet)),
                 qPrintable(result(dialog)));
        QVERIFY(lower.tube_outlet > 42.105);
        QCOMPARE(form.operation_texts()->at(1), QString("1.6"));

        // The sweep of the water flow, 50 % to 150 % of the design's 2 kg/s in 11 points.
        edit(dialog, "tube_flow")->clear();
        click(*dialog, "run_sweep");
        auto* table = dialog->findChild<QTableWidget*>("sweep_table");
        QCOMPARE(table->rowCount(), 11);
        QCOMPARE(table->item(0, 0)->text(), QString("1"));
        QCOMPARE(table->item(10, 0)->text(), QString("3"));
        QCOMPARE(table->item(5, 1)->text(), QString("42.105"));  // the design flow itself
        auto* plot = dialog->findChild<window::OperationPlotView*>("operation_plot");
        QCOMPARE(plot->plot().points.size(), std::size_t{11});
        QCOMPARE(plot->plot().design_input, 2.0);
        dialog->grab().save(QStringLiteral(PICTURE_DIR) + "/operation-dialog.png");
        click(*dialog, "copy_sweep");
        const QStringList copied =
            QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 12);
        QVERIFY(copied[0].startsWith("管内质量流量 / (kg/s)\tt2/℃\tT2/℃"));
        QCOMPARE(copied[6].section('\t', 1, 1), QString("42.105"));

        // The case keeps the operation; the 计算书 has its section 8 with the sweep's plot.
        const QString path = dir.filePath("operation.hxcase");
        form.save_case_to(path);
        const casefile::Case kept = casefile::read_case(path);
        QVERIFY(kept.operation);
        const QByteArray bytes = probe::saved_case(form, path);
        QVERIFY(bytes.contains("\"version\": 9") && bytes.contains("\"operation\""));
        const QString pdf = dir.filePath("operation.pdf");
        form.save_report_to(pdf);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* part : {"8 操作型计算", "管内出口 t2 = 42.105 ℃", "图 4"}) {
            QVERIFY2(words.contains(part), part);
        }
        QProcess::execute("pdftoppm", {"-png", "-r", "60", pdf,
                                       QStringLiteral(PICTURE_DIR) + "/operation-sheet"});
        dialog->reject();
    }

    // A flow of 0 is refused in the results, a text that does not read in a message naming it.
    void refusals() {
        window::MainWindow form;
        probe::fill_example(form);
        click(form, "Command1");
        window::OperationDialog* dialog = open_operation(form);
        QTest::keyClicks(edit(dialog, "shell_flow"), "0");
        click(*dialog, "simulate");
        QVERIFY2(result(dialog).contains("管外质量流量须大于 0"), qPrintable(result(dialog)));
        edit(dialog, "shell_flow")->setText("abc");
        probe::MessageCatcher catcher;
        click(*dialog, "simulate");
        QTRY_COMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].startsWith("「管外质量流量」中的“abc”不是有效的质量流量"),
                 qPrintable(catcher.texts[0]));
        dialog->reject();
    }
};

QTEST_MAIN(OperationTest)
#include "operation_test.moc"
