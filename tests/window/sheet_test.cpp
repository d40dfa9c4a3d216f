// The 计算书 end to end: the worked example computed in the real window, saved as a PDF and
// printed through QPrinter into a PDF file, each read back with poppler's tools.
#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "window_probe.hpp"

using probe::click;

namespace {

QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return "failed: " + tool;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString text_of(const QString& pdf) {
    return run("pdftotext", {"-layout", pdf, "-"});
}

// Every line of pdffonts' table after its two header lines names an embedded face.
QStringList fonts_not_embedded(const QString& pdf) {
    QStringList lines = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts);
    QStringList missing;
    for (const QString& line : lines.mid(2)) {
        // name, type, encoding, then "emb sub uni" as yes/no columns.
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        if (columns.size() < 6 || columns[columns.size() - 5] != "yes") missing << line;
    }
    if (lines.size() < 4) missing << "fewer than two faces";
    return missing;
}

}  // namespace

class SheetTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        for (const char* tool : {"pdftotext", "pdffonts", "pdfinfo", "pdftoppm"}) {
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
        }
        QVERIFY(dir_.isValid());
    }

    void saved_sheet_reads_back() {
        window::MainWindow form;
        probe::fill_example(form);
        click(form, "Command1");
        const QString path = dir_.filePath("计算书.pdf");
        form.save_report_to(path);

        const QString text = text_of(path);
        for (const char* part : {"管壳式换热器换热面积计算书",
                                 "工程名称",
                                 "设备位号",
                                 "校核",
                                 "1 计算条件",
                                 "2 计算过程",
                                 "3 计算结果",
                                 "2006.831",
                                 "2.0859118",
                                 "166960",
                                 "0.618",
                                 "995.7",
                                 "4174",
                                 "0.000801",
                                 "0.668",
                                 "977.8",
                                 "4190",
                                 "0.000406",
                                 "0.025",
                                 "0.023",
                                 "0.32",
                                 "0.85",
                                 "0.89",
                                 "F = 0.94791",
                                 "5.欢迎指出本程序中的不足之处。"}) {
            QVERIFY2(text.contains(part), part);
        }
        QVERIFY(!text.contains("尚未计算"));
        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages: +1\n")), qPrintable(info));
        QVERIFY2(info.contains("(A4)"), qPrintable(info));
        QCOMPARE(fonts_not_embedded(path), QStringList());

        // The sheet and a picture of it to look at, beside the test.
        const QString picture = QStringLiteral(PICTURE_DIR) + "/sheet";
        QFile::remove(picture + ".pdf");
        QVERIFY(QFile::copy(path, picture + ".pdf"));
        run("pdftoppm", {"-png", "-r", "80", "-singlefile", path, picture});
        QVERIFY(QFile::exists(picture + ".png"));
    }

    void printed_through_a_printer() {
        window::MainWindow form;
        probe::fill_example(form);
        click(form, "Command1");
        const QString path = dir_.filePath("printed.pdf");
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(QPageSize::A4));
            form.print_report_to(printer);
        }
        const QString text = text_of(path);
        QVERIFY2(text.contains("2006.831") && text.contains("所需换热面积为：2.0859118"),
                 qPrintable(text));
        QVERIFY(run("pdfinfo", {path}).contains(QRegularExpression("Pages: +1\n")));
    }

    // The sheet lists the inputs the result was computed from, not what was typed since.
    void inputs_are_those_of_the_result() {
        window::MainWindow form;
        probe::fill_example(form);
        click(form, "Command1");
        probe::type(form, "Text5", "123.4");
        const QString path = dir_.filePath("after-edit.pdf");
        form.save_report_to(path);
        const QString text = text_of(path);
        QVERIFY(text.contains("995.7") && !text.contains("123.4"));
    }

    // 计算条件 says where filled properties came from and what a unit was converted to.
    void sources_and_conversions_are_listed() {
        window::MainWindow form;
        probe::fill_example(form);
        probe::type(form, "Text10", "20 mm");
        click(form, "Command8");
        click(form, "Command1");
        const QString path = dir_.filePath("filled.pdf");
        form.save_report_to(path);
        const QString text = text_of(path);
        QVERIFY(text.contains("物性：饱和水 30 ℃（IAPWS-IF97）"));
        QVERIFY(text.contains(QRegularExpression("20 mm +0.02 m")));
        QVERIFY(text.contains("0.00079722"));
    }

    void before_any_result() {
        window::MainWindow form;
        probe::type(form, "Text10", "20 mm");
        probe::type(form, "Text18", "<b>&amp;</b>");  // typed text is text, never markup
        const QString path = dir_.filePath("empty.pdf");
        form.save_report_to(path);
        const QString text = text_of(path);
        QVERIFY(text.contains("尚未计算"));
        QVERIFY(text.contains("20 mm"));
        QVERIFY(text.contains("<b>&amp;</b>"));
    }

    // Ctrl+E asks where in Qt's own dialog, offering the dated default name, and adds ".pdf";
    // pressed in a field, it is still the menu's, though X11's keys make it the field's end.
    void ctrl_e_asks_where() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));  // no window manager makes it active
        probe::fill_example(form);
        click(form, "Command1");
        QString offered;
        answer_save_dialog(dir_.filePath("mine"), &offered);
        QLineEdit* field = probe::field(form, "Text1");
        field->setFocus();
        field->setCursorPosition(0);
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(field->cursorPosition(), 0);
        const QString name = "换热面积计算书-" + QDate::currentDate().toString("yyyyMMdd") + ".pdf";
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(folder).exists()) folder = QDir::homePath();
        QCOMPARE(offered, QDir(folder).filePath(name));
        QVERIFY(text_of(dir_.filePath("mine.pdf")).contains("2006.831"));
    }

    // Written whole or not at all; the message names the path and why; nothing else changes.
    void a_failed_save_changes_nothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such folder") << "no-such-folder/计算书.pdf";
        QTest::newRow("a folder of that name") << "a-folder.pdf";
    }

    void a_failed_save_changes_nothing() {
        QFETCH(QString, name);
        QVERIFY(QDir(dir_.path()).mkpath("a-folder.pdf"));
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        probe::fill_example(form);
        click(form, "Command1");
        const probe::WindowState before = probe::snapshot(form);
        const QString path = dir_.filePath(name);
        probe::MessageCatcher catcher;
        form.save_report_as(path);  // as the dialog answered
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].contains(path) && catcher.texts[0].contains("原因："),
                 qPrintable(catcher.texts[0]));
        QCOMPARE(catcher.titles[0], QString("保存失败"));
        QVERIFY(probe::snapshot(form) == before);
        QVERIFY(!QFileInfo(path).isFile());
    }

    void menus_offer_the_sheet() {
        window::MainWindow form;
        const QList<QAction*> menu = form.findChild<QWidget*>("Frame4")->actions();
        QStringList texts, keys;
        for (const QAction* action : menu) {
            texts << action->text();
            keys << action->shortcut().toString();
            QVERIFY(action->isShortcutVisibleInContextMenu());
        }
        QCOMPARE(texts,
                 QStringList({"复制计算过程(&C)", "导出计算书 PDF(&E)…", "打印计算书(&P)…"}));
        QCOMPARE(keys, QStringList({"Ctrl+Shift+C", "Ctrl+E", "Ctrl+P"}));
        QCOMPARE(probe::label(form, "Label27")->actions(), menu);
    }

  private:
    // Answers the save dialog, once it is up, with `path`, keeping the name it offered.
    void answer_save_dialog(const QString& path, QString* offered) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [timer, path, offered] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            timer->stop();
            timer->deleteLater();
            if (offered) *offered = dialog->selectedFiles().value(0);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        timer->start(10);
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(SheetTest)
#include "sheet_test.moc"
