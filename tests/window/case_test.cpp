// The case in the window: saved and reopened to the same texts and results, a bad file that
// changes nothing, the title, the question before changes are lost, the recent list, a
// dropped file, and the 计算书 that carries its case.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "casefile/case_file.hpp"
#include "casefile/case_json.hpp"
#include "window_probe.hpp"

using probe::click;
using probe::field;
using probe::type;
using Choice = window::SaveChoice;

namespace {

// Texts a field may hold: kept as they are, whether they read as numbers or not.
const QStringList hostile = {" 20 ",       "２０",       "381924",     QString(1000, QChar(u'热')),
                             "say \"no\"", "C:\\temp\\", "two\nlines", "7.2 t/h",
                             "",           "0.801 mPa·s"};

void set_texts(window::MainWindow& form, const QStringList& texts) {
    for (int n = 1; n <= 20; ++n) {
        field(form, QString("Text%1").arg(n))->setText(texts[(n - 1) % texts.size()]);
    }
}

QString title_for(const QString& file) {
    return file + "[*] - 管壳式换热器换热面积计算";
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class CaseTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());  // the recent list
    }

    void init() { QSettings().clear(); }

    // Reopened, every text is as it was typed, and 计算结果 gives the same K, A and Q.
    void reopens_as_typed() {
        window::MainWindow typed;
        probe::fill_example(typed);
        click(typed, "Command1");
        typed.save_case_to(dir_.filePath("example.hxcase"));
        window::MainWindow opened;
        opened.load_case(dir_.filePath("example.hxcase"));
        QCOMPARE(probe::snapshot(opened).texts.value("Text7"), QString("0.000801"));
        QCOMPARE(probe::results(opened), QStringList({"", "", ""}));  // opening computes nothing
        click(opened, "Command1");
        QCOMPARE(probe::results(opened), probe::example_results);
        QCOMPARE(probe::snapshot(opened).texts, probe::snapshot(typed).texts);
        QCOMPARE(probe::snapshot(opened).tooltips, probe::snapshot(typed).tooltips);

        window::MainWindow odd;
        set_texts(odd, hostile);
        odd.save_case_to(dir_.filePath("odd.hxcase"));
        window::MainWindow back;
        back.load_case(dir_.filePath("odd.hxcase"));
        QCOMPARE(probe::snapshot(back).texts, probe::snapshot(odd).texts);
    }

    // Written for people and scripts while the result is the fields' own, never after an edit.
    void results_are_written_while_current() {
        window::MainWindow form;
        probe::fill_example(form);
        click(form, "Command1");
        const casefile::Case c = form.current_case();
        QVERIFY(casefile::to_json(c, form.current_results()).contains("\"K\": \"2006.831\""));
        type(form, "Text9", "1.1");
        QVERIFY(!form.current_results());
    }

    void bad_file_changes_nothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");  // what the message says is wrong
        QTest::newRow("empty") << QByteArray() << "不是有效的 JSON";
        QTest::newRow("truncated") << QByteArray("{\"format\": \"heat-exch") << "第 1 行";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "不是有效的 JSON";
        QTest::newRow("invalid UTF-8") << QByteArray("{\"format\": \"\xc3\x28\"}") << "第 1 行";
        QTest::newRow("nested 10,000 deep")
            << QByteArray(10000, '[') + QByteArray(10000, ']') << "不是有效的 JSON";
        QTest::newRow("wrong format id")
            << QByteArray(R"({"format": "heat-exchanger-rating-case", "version": 1})")
            << "不是换热器计算文件";
        QTest::newRow("a number where an object is")
            << QByteArray(R"({"format": "heat-exchanger-sizing-case", "version": 1, "shell": 5})")
            << "“shell”的值类型不对，应为对象";
        QTest::newRow("not a case") << QByteArray("{\"rows\": []}") << "不是换热器计算文件";
        QTest::newRow("version 10")
            << QByteArray(R"({"format": "heat-exchanger-sizing-case", "version": 10})")
            << "第 10 版";
        QTest::newRow("wrong type")
            << QByteArray(R"({"format": "heat-exchanger-sizing-case", "version": 1,
                             "tube": {"density": [995.7]}})")
            << "“tube.density”的值类型不对，应为文本";
        QTest::newRow("2 MiB") << QByteArray(qsizetype{2} * 1024 * 1024, ' ')
                               << "超过计算文件的上限";
    }

    void bad_file_changes_nothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        window::MainWindow form;
        probe::fill_example(form);
        form.save_case_to(dir_.filePath("good.hxcase"));
        form.open_path(dir_.filePath("good.hxcase"));
        type(form, "Text9", "1.2");
        const probe::WindowState before = probe::snapshot(form);
        const QStringList recent = form.recent_cases();
        const QString path = dir_.filePath("bad.hxcase");
        write(path, bytes);

        probe::MessageCatcher catcher;
        form.ask_to_save = [](const QString&) { return Choice::Discard; };
        form.open_path(path);
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].contains(path) && catcher.texts[0].contains(said),
                 qPrintable(catcher.texts[0]));
        QVERIFY(probe::snapshot(form) == before);
        QCOMPARE(form.windowTitle(), title_for("good.hxcase"));
        QVERIFY(form.isWindowModified());
        QCOMPARE(form.recent_cases(), recent);
    }

    // Named with Qt's marker while a file is open; any edit marks it, 计算结果 does not.
    void title_and_changes() {
        window::MainWindow form;
        probe::fill_example(form);
        QCOMPARE(form.windowTitle(), QString("管壳式换热器换热面积计算"));
        form.save_case_to(dir_.filePath("E-101.hxcase"));
        QCOMPARE(form.windowTitle(), title_for("E-101.hxcase"));
        QVERIFY(!form.isWindowModified());
        click(form, "Command1");
        QVERIFY(!form.isWindowModified());
        click(form, "Command3");  // 计算平均温度 writes Text8
        QVERIFY(form.isWindowModified());
        form.save_case();
        form.set_sheet_info({"换热站改造", "E-101", "张三", ""});
        QVERIFY(form.isWindowModified());
        form.save_case();
        click(form, "Command7");  // 清空 keeps the file
        QVERIFY(form.isWindowModified());
        QCOMPARE(form.case_path(), dir_.filePath("E-101.hxcase"));
        form.ask_to_save = [](const QString&) { return Choice::Discard; };
        form.new_case();
        QCOMPARE(form.windowTitle(), QString("管壳式换热器换热面积计算"));
        const casefile::Case emptied = form.current_case();
        QCOMPARE(QSet<QString>(emptied.fields.begin(), emptied.fields.end()), QSet<QString>{""});
        QVERIFY(emptied.sheet == casefile::SheetInfo{});
    }

    // Changes to a case in a file are never lost unasked; 取消 leaves everything as it was.
    void asks_before_losing_changes_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goes_on");
        QTest::addColumn<QString>("in_file");  // Text9 as the file holds it afterwards
        for (const char* step : {"新建", "打开", "关闭"}) {
            QTest::addRow("%s 保存", step) << step << int(Choice::Save) << true << "1.2";
            QTest::addRow("%s 不保存", step) << step << int(Choice::Discard) << true << "1.0";
            QTest::addRow("%s 取消", step) << step << int(Choice::Cancel) << false << "1.0";
        }
    }

    void asks_before_losing_changes() {
        QFETCH(QString, step);
        QFETCH(int, answer);
        QFETCH(bool, goes_on);
        QFETCH(QString, in_file);
        window::MainWindow other;
        other.save_case_to(dir_.filePath("other.hxcase"));
        const QString path = dir_.filePath("asked.hxcase");
        window::MainWindow form;
        form.show();
        probe::fill_example(form);
        form.save_case_to(path);
        type(form, "Text9", "1.2");
        const probe::WindowState before = probe::snapshot(form);
        QStringList asked;
        form.ask_to_save = [&asked, answer](const QString& file) {
            asked << file;
            return Choice(answer);
        };

        bool closed = false;
        if (step == "新建") form.new_case();
        if (step == "打开") form.open_path(dir_.filePath("other.hxcase"));
        if (step == "关闭") closed = form.close();
        QCOMPARE(asked, QStringList{"asked.hxcase"});
        QCOMPARE(casefile::read_case(path).fields.value("Text9"), in_file);
        QCOMPARE(probe::snapshot(form) == before, !goes_on || step == "关闭");
        QCOMPARE(closed, goes_on && step == "关闭");
        const bool left_unsaved = step == "关闭" && answer == int(Choice::Discard);
        QCOMPARE(form.isWindowModified(), !goes_on || left_unsaved);
    }

    // Untitled work never asks, as 退出 never did; nor does a case saved as it stands.
    void nothing_to_lose_asks_nothing() {
        window::MainWindow form;
        form.show();
        int asked = 0;
        form.ask_to_save = [&asked](const QString&) { return ++asked, Choice::Cancel; };
        probe::fill_example(form);
        form.new_case();
        QCOMPARE(probe::snapshot(form).texts.value("Text1"), QString(""));
        probe::fill_example(form);
        form.save_case_to(dir_.filePath("saved.hxcase"));
        QVERIFY(form.close());
        QCOMPARE(asked, 0);
    }

    // A failed save names the path, keeps the case unsaved and goes no further.
    void failed_save_keeps_the_changes() {
        window::MainWindow form;
        form.show();
        probe::fill_example(form);
        QVERIFY(QDir(dir_.path()).mkpath("sub"));
        form.save_case_to(dir_.filePath("sub/gone.hxcase"));
        type(form, "Text9", "1.2");
        QVERIFY(QDir(dir_.filePath("sub")).removeRecursively());
        form.ask_to_save = [](const QString&) { return Choice::Save; };
        probe::MessageCatcher catcher;
        form.new_case();
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts[0].contains(dir_.filePath("sub/gone.hxcase")) &&
                     catcher.texts[0].contains("修改尚未保存"),
                 qPrintable(catcher.texts[0]));
        QCOMPARE(field(form, "Text9")->text(), QString("1.2"));
        QVERIFY(form.isWindowModified());
    }

    // The source of filled properties is kept, and only while water at that ℃ gives those texts.
    void a_fill_is_kept_while_true() {
        window::MainWindow form;
        probe::fill_example(form);
        type(form, "Text8", "30");
        click(form, "Command8");
        form.save_case_to(dir_.filePath("water.hxcase"));
        QByteArray bytes = casefile::to_json(form.current_case());
        QVERIFY(bytes.contains("\"temperature\": 30"));

        window::MainWindow opened;
        opened.load_case(dir_.filePath("water.hxcase"));
        click(opened, "Command1");
        QVERIFY(probe::label(opened, "Label27")->toolTip().contains("饱和水 30 ℃"));

        write(dir_.filePath("claimed.hxcase"),
              bytes.replace("\"temperature\": 30", "\"temperature\": 31"));
        window::MainWindow claimed;
        claimed.load_case(dir_.filePath("claimed.hxcase"));
        click(claimed, "Command1");
        QVERIFY(!probe::label(claimed, "Label27")->toolTip().contains("饱和水"));
        QVERIFY(!claimed.current_case().tube_fill);
    }

    // Newest first, eight at most; one that is gone leaves the list with a word.
    void recent_list() {
        window::MainWindow form;
        QStringList saved;
        for (int n = 1; n <= 9; ++n) {
            saved.prepend(dir_.filePath(QString("case%1.hxcase").arg(n)));
            form.save_case_to(saved.front());
        }
        QCOMPARE(form.recent_cases(), saved.mid(0, 8));
        QFile::remove(saved[1]);
        form.open_path(saved[2]);
        QCOMPARE(form.recent_cases().value(0), saved[2]);

        auto* menu = form.findChild<QMenu*>("recent_menu");
        emit menu->aboutToShow();
        probe::MessageCatcher catcher;
        menu->actions().value(2)->trigger();  // case8, gone: newest first after case7, case9
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY(!form.recent_cases().contains(saved[1]));
        QCOMPARE(form.case_path(), saved[2]);
    }

    // Dropped on the window or on any field, a case file opens; its name is not typed in.
    void dropped_case_opens() {
        window::MainWindow source;
        probe::fill_example(source);
        source.save_case_to(dir_.filePath("dropped.hxcase"));
        window::MainWindow form;
        form.show();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir_.filePath("dropped.hxcase"))});
        data.setText(dir_.filePath("dropped.hxcase"));
        QLineEdit* target = field(form, "Text3");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QCOMPARE(field(form, "Text3")->text(), QString("2"));
        QCOMPARE(form.case_path(), dir_.filePath("dropped.hxcase"));
    }

    // The exported sheet carries its case, which opens to the same; its header is the case's.
    void sheet_carries_its_case() {
        window::MainWindow form;
        probe::fill_example(form);
        form.set_sheet_info({"换热站改造", "E-101", "张三", "李四"});
        form.save_case_to(dir_.filePath("E-101.hxcase"));
        click(form, "Command1");
        form.save_report_to(dir_.filePath("sheet.pdf"));
        QProcess detach;
        detach.start("pdfdetach",
                     {"-saveall", "-o", dir_.filePath("out"), dir_.filePath("sheet.pdf")});
        QVERIFY(QDir().mkpath(dir_.filePath("out")) && detach.waitForFinished(30000));
        QCOMPARE(detach.exitCode(), 0);
        QCOMPARE(casefile::read_case(dir_.filePath("out/E-101.hxcase")), form.current_case());
        QProcess text;
        text.start("pdftotext", {dir_.filePath("sheet.pdf"), "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* cell : {"换热站改造", "E-101", "张三", "李四"}) {
            QVERIFY2(page.contains(cell), cell);
        }
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(CaseTest)
#include "case_test.moc"
