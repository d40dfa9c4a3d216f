// The 计算书 end to end: the worked example computed in the real window, saved as a PDF and
// printed through QPrinter into a PDF file, each read back with poppler's tools.
#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QPaintEngine>
#include <QPolygonF>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "calc/temperature_profile.hpp"
#include "design/layout.hpp"
#include "report/temperature_diagram.hpp"
#include "report/tube_sheet.hpp"
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

// A device that only counts what is drawn on it: the circles, and the dash-dotted lines.
class CountingEngine : public QPaintEngine {
  public:
    CountingEngine() : QPaintEngine(AllFeatures) {}
    int circles = 0, dash_dotted = 0;
    std::vector<QRectF> ellipses, marks;  // each circle; each label's box and arrowhead

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) pen_ = state.pen();
    }
    void drawEllipse(const QRectF& rect) override {
        ++circles;
        ellipses.push_back(rect);
    }
    void drawLines(const QLineF*, int count) override {
        if (pen_.style() == Qt::DashDotLine) dash_dotted += count;
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        marks.push_back(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& text) override {
        marks.emplace_back(at.x(), at.y() - text.ascent(), text.width(),
                           text.ascent() + text.descent());
    }
    Type type() const override { return User; }

  private:
    QPen pen_;
};

class CountingDevice : public QPaintDevice {
  public:
    mutable CountingEngine engine;
    QPaintEngine* paintEngine() const override { return &engine; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
            case PdmHeight:
                return 2000;
            case PdmWidthMM:
            case PdmHeightMM:
                return 170;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 300;
            default:
                return 1;
        }
    }
};

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
                                 "取与 Q 平衡的 Ws = 1.3282 kg/s",
                                 "5.欢迎指出本程序中的不足之处。"}) {
            QVERIFY2(text.contains(part), part);
        }
        QVERIFY(!text.contains("尚未计算"));
        // Every result with its unit; exponents raised, never written with a caret.
        for (const char* result :
             {R"(K +2006\.831 +W/\(㎡·℃\))", R"(Q +166960 +W\b)", R"(A +2\.0859118 +㎡)"}) {
            QVERIFY2(text.contains(QRegularExpression(result)), result);
        }
        QVERIFY(!text.contains('^'));
        // The footer, whose runs the painter sets apart: pdftotext may drop their spaces.
        QVERIFY(
            text.contains(QRegularExpression("管壳式换热器换热面积计算.*第 ?1 ?页 ?共 ?2 ?页")));
        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages: +2\n")), qPrintable(info));
        // The layout after the checks, its drop against the one allowed, and the tube sheet.
        for (const char* part : {"5 结构与压降", "6.1985 kPa", "ΔPt ≤ 100 kPa", "图 2",
                                 "管板布置（正三角形，7 根，1 管程）"}) {
            QVERIFY2(text.contains(part), part);
        }
        // The rating beside the estimate: K′ against K, A′ against S, and its margin.
        for (const char* part :
             {"6 核算", "核算 K′ = 969.30", "A′ = 3.8436", "-35.633 %", "2.8384e-05"}) {
            QVERIFY2(text.contains(part), part);
        }
        QVERIFY2(info.contains("(A4)"), qPrintable(info));
        QCOMPARE(fonts_not_embedded(path), QStringList());
        // Latin letters in the serif and its italic, Chinese in 宋体's and 楷体's substitutes.
        const QString fonts = run("pdffonts", {path});
        for (const char* face : {"DejaVuSerif ", "DejaVuSerif-Italic", "UMingCN", "UKaiCN"}) {
            QVERIFY2(fonts.contains(face), qPrintable(fonts));
        }

        // The sheet and a picture of it to look at, beside the test.
        const QString picture = QStringLiteral(PICTURE_DIR) + "/sheet";
        QFile::remove(picture + ".pdf");
        QVERIFY(QFile::copy(path, picture + ".pdf"));
        run("pdftoppm", {"-png", "-r", "150", "-singlefile", path, picture});
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
        QVERIFY2(text.contains("2006.831") && text.contains("2.0859118"), qPrintable(text));
        QVERIFY(run("pdfinfo", {path}).contains(QRegularExpression("Pages: +2\n")));
    }

    // Every kind of 注意 at once, and a long header, still keep the checks on the first page;
    // the layout, which a shell of 137.5 m stops, follows on the second.
    void every_attention_on_one_page() {
        window::MainWindow form;
        probe::fill_example(form);
        const QMap<QString, QString> slips = {
            {"Text2", "70"},  // F below 0.75
            {"Text4", "61.8"},  {"Text7", "0.801"}, {"Text10", "20"},
            {"Text16", "4.19"}, {"Text11", "25"},  // the slips of unit
            {"Text9", "0.01"},                     // Re outside both sides' ranges
            {"Text18", "1.0"},                     // off the heat balance
        };
        for (auto it = slips.begin(); it != slips.end(); ++it)
            probe::type(form, it.key(), it.value());
        form.set_sheet_info(
            {"某化工厂循环水冷却系统节能改造工程（二期）换热站", "E-101A/B", "张三", "李四"});
        click(form, "Command1");
        const QString path = dir_.filePath("every.pdf");
        form.save_report_to(path);
        const QString text = text_of(path);
        for (const char* verdict :
             {"宜用 2 壳程串联", "检查管外流量、比热、温度", "是否按 mPa·s 填写",
              "是否按 kJ/(kg·℃) 填写", "是否按 ×10⁻² W/(m·℃)", "是否按 mm 填写", "此结果仅供参考",
              "E-101A/B", "李四", "按与 Q 平衡的流量绘制"}) {
            QVERIFY2(text.contains(verdict), verdict);
        }
        QVERIFY(run("pdfinfo", {path}).contains(QRegularExpression("Pages: +2\n")));
        const QString first = run("pdftotext", {"-l", "1", path, "-"});
        QVERIFY(first.contains("4 设计校核") && first.contains("按与 Q 平衡的流量绘制"));
        QVERIFY(text.contains("大于 1800 mm"));
        const QString picture = QStringLiteral(PICTURE_DIR) + "/sheet-every-attention";
        run("pdftoppm", {"-png", "-r", "150", "-singlefile", path, picture});
    }

    // The diagram measured against its own axes at the PDF's 1200 dpi: the curves end at the
    // four temperatures and pass the mid-area point worked by hand, ΔT = √(ΔT1·ΔT2).
    // The drawing has a circle for the shell and one for each of N_T tubes, whatever the
    // arrangement and however many partitions it keeps clear of.
    void tube_sheet_draws_every_tube_data() {
        QTest::addColumn<double>("area_times");  // of the worked example's
        QTest::addColumn<double>("per_pass_times");
        QTest::addColumn<double>("length");
        QTest::addColumn<int>("arrangement");
        QTest::addColumn<int>("passes");
        QTest::addColumn<int>("partitions");
        using design::Arrangement;
        QTest::newRow("1 pass") << 1.0 << 1.0 << 4.5 << int(Arrangement::Triangle) << 1 << 0;
        QTest::newRow("2 passes") << 1.0 << 1.0 << 3.0 << int(Arrangement::Square) << 2 << 1;
        QTest::newRow("4 passes") << 1.0 << 1.0 << 1.5 << int(Arrangement::RotatedSquare) << 4 << 2;
        QTest::newRow("6 passes") << 2.0 << 1.0 << 1.5 << int(Arrangement::Triangle) << 6 << 3;
        QTest::newRow("392 tubes") << 100.0 << 14.0 << 9.0 << int(Arrangement::Square) << 4 << 2;
        // 29 tubes a pass, 174 in 6 passes of 1.5 m: the bundle nearly fills a 600 mm shell.
        QTest::newRow("full shell") << 9.0 << 4.5 << 1.5 << int(Arrangement::Triangle) << 6 << 3;
        // 16 tubes, one pass, in 219 mm: the third ring only partly filled, and one tube over
        // once the centre and both rings are in; 9 and 18 likewise.
        QTest::newRow("16 tubes") << 2.0 << 2.5 << 4.5 << int(Arrangement::Triangle) << 1 << 0;
        QTest::newRow("9 tubes") << 1.0 << 1.3 << 9.0 << int(Arrangement::Triangle) << 1 << 0;
        QTest::newRow("18 tubes in 2 passes")
            << 1.5 << 1.3 << 4.5 << int(Arrangement::Triangle) << 2 << 1;
    }

    void tube_sheet_draws_every_tube() {
        QFETCH(double, area_times);
        QFETCH(double, per_pass_times);
        QFETCH(double, length);
        QFETCH(int, arrangement);
        QFETCH(int, passes);
        QFETCH(int, partitions);
        const calc::SizingInput input{{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0},
                                      {0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5},
                                      20.0f,
                                      40.0f,
                                      90.0f,
                                      60.0f,
                                      2.0f};
        const calc::SizingWorking working = calc::sizing_working(input);
        design::LayoutInput in =
            design::layout_input(input, working,
                                 calc::design_checks(input, working.result, std::nullopt),
                                 design::FillKind::Typed, design::FillKind::Typed)
                .input;
        in.area *= area_times;
        in.per_pass *= per_pass_times;
        const design::Layout l = design::layout(
            in, {.tube_length = length, .arrangement = design::Arrangement(arrangement)});
        QCOMPARE(l.stop, design::LayoutStop::None);
        QCOMPARE(int(l.passes), passes);
        CountingDevice device;
        {
            QPainter painter(&device);
            report::paint_tube_sheet(painter, report::tube_sheet(l, 0.025),
                                     QRectF(0, 0, 2000, 2000),
                                     {QFont("DejaVu Serif"), QFont("AR PL UMing CN")});
        }
        QCOMPARE(device.engine.circles, int(l.tubes) + 1);
        QCOMPARE(device.engine.dash_dotted, partitions);
        // Symmetric about the vertical centre line, as a tube-count drawing is, and inside the
        // shell: every tube's mirror image is a tube too.
        const std::vector<QPointF>& tubes = report::tube_sheet(l, 0.025).tubes;
        for (const QPointF p : tubes) {
            QVERIFY2(std::ranges::any_of(tubes,
                                         [&](QPointF q) {
                                             return std::abs(q.x() + p.x()) < 1e-9 &&
                                                    std::abs(q.y() - p.y()) < 1e-9;
                                         }),
                     qPrintable(QString("no mirror of the tube at %1, %2").arg(p.x()).arg(p.y())));
            QVERIFY(std::hypot(p.x(), p.y()) + 0.0125 < l.shell_diameter / 2);
        }
        // No label or arrowhead lies over a tube, however full the shell is.
        const std::vector<QRectF>& circles = device.engine.ellipses;
        const double shell = std::ranges::max(circles, {}, &QRectF::width).width();
        for (const QRectF& mark : device.engine.marks) {
            for (const QRectF& circle : circles) {
                if (circle.width() == shell) continue;
                const QPointF c = circle.center();
                const QPointF nearest(std::clamp(c.x(), mark.left(), mark.right()),
                                      std::clamp(c.y(), mark.top(), mark.bottom()));
                QVERIFY2(QLineF(c, nearest).length() >= circle.width() / 2,
                         qPrintable(QString("a mark at %1, %2 over a tube at %3, %4")
                                        .arg(mark.x())
                                        .arg(mark.y())
                                        .arg(c.x())
                                        .arg(c.y())));
            }
        }
    }

    void diagram_is_drawn_to_scale_data() {
        QTest::addColumn<QList<float>>("t1_t2_T1_T2");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<double>("shell_middle");
        QTest::addColumn<double>("tube_middle");
        QTest::newRow("worked example")
            << QList<float>{20, 40, 90, 60} << QStringList{"20", "40", "60", "80", "100"}
            << 74.16407864998738 << 29.44271909999159;
        QTest::newRow("ends equal, half degrees")
            << QList<float>{20, 21, 22.5, 21.5}
            << QStringList{"20", "20.5", "21", "21.5", "22", "22.5"} << 22.0 << 20.5;
        QTest::newRow("hot in the tubes, below zero")
            << QList<float>{10, -5, -20, -8}
            << QStringList{"-20", "-15", "-10", "-5", "0", "5", "10"} << -14.27329309938007
            << 2.158383625774917;
    }

    void diagram_is_drawn_to_scale() {
        QFETCH(QList<float>, t1_t2_T1_T2);
        QFETCH(QStringList, ticks);
        QFETCH(double, shell_middle);
        QFETCH(double, tube_middle);
        const QList<float>& t = t1_t2_T1_T2;
        const calc::SizingInput input{{}, {}, t[0], t[1], t[2], t[3], 0.0f};  // no fluids, no flow
        const report::Diagram diagram{calc::counterflow_profile(input, 64), "", ""};
        constexpr double dots_per_mm = 1200 / 25.4;
        const report::DiagramGeometry g = report::diagram_geometry(
            diagram, QRectF(0, 0, 112 * dots_per_mm, 64 * dots_per_mm), 150);

        QStringList labels;
        for (const report::Tick& t : g.temperatures) labels << t.label;
        QCOMPARE(labels, ticks);
        const report::Tick &low = g.temperatures.front(), &high = g.temperatures.back();
        const auto y_of = [&](double celsius) {
            return low.at + (celsius - low.value) / (high.value - low.value) * (high.at - low.at);
        };
        for (qsizetype i = 1; i < g.temperatures.size(); ++i) {  // evenly spaced, upwards
            QCOMPARE(g.temperatures[i].at, y_of(g.temperatures[i].value));
            QVERIFY(g.temperatures[i].at < g.temperatures[i - 1].at);
        }
        labels.clear();
        for (const report::Tick& t : g.fractions) labels << t.label;
        QCOMPARE(labels, QStringList({"0", "0.2", "0.4", "0.6", "0.8", "1"}));

        const double start = g.fractions.front().at, end = g.fractions.back().at;
        const auto within_a_dot = [](QPointF got, QPointF want) {
            return std::abs(got.x() - want.x()) < 1 && std::abs(got.y() - want.y()) < 1;
        };
        QVERIFY(within_a_dot(g.shell.front(), {start, y_of(input.T1)}));
        QVERIFY(within_a_dot(g.shell.back(), {end, y_of(input.T2)}));
        QVERIFY(within_a_dot(g.tube.front(), {start, y_of(input.t2)}));
        QVERIFY(within_a_dot(g.tube.back(), {end, y_of(input.t1)}));
        const double middle = (start + end) / 2;
        QVERIFY(within_a_dot(g.shell[32], {middle, y_of(shell_middle)}));
        QVERIFY(within_a_dot(g.tube[32], {middle, y_of(tube_middle)}));
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

    // A condensing shell's sheet: section 1 names the vapour and its pressure and reads t_s and
    // D in the shell's fields, 计算过程 has Nusselt's αs and D = Q/r and no Kern or single-phase
    // shell film, the diagram's shell line is labelled at t_s, section 6 has the trial's table.
    void a_condensing_shell() {
        window::MainWindow form;
        form.load_case(QFINDTESTDATA("../app/steam.hxcase"));
        click(form, "Command1");
        const QString path = dir_.filePath("steam.pdf");
        form.save_report_to(path);
        const QString text = text_of(path);
        for (const char* said : {"饱和蒸气冷凝：水蒸气，饱和压力 0.2 MPa（绝压）", "120.21（ts）",
                                 "0.34174（D）", "D = Q/r", "管外 冷凝 ts = 120.21 ℃", "壁温试差",
                                 "110.48", "9574.5", "管外冷凝传热系数 αo", "φΔt = 1"}) {
            QVERIFY2(text.contains(said), said);
        }
        for (const char* gone : {"Kern 法", "0.32·", "管外传热系数 αo"}) {
            QVERIFY2(!text.contains(gone), gone);
        }
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

    // A text too long for one page runs on to a second, each page with its count, and
    // nothing is lost at the break.
    void a_long_text_runs_on_and_is_counted() {
        window::MainWindow form;
        probe::fill_example(form);
        probe::type(form, "Text18", QString("很长的说明").repeated(80));  // not a number
        click(form, "Command1");
        const QString path = dir_.filePath("long.pdf");
        form.save_report_to(path);
        const QString pages =
            QRegularExpression("Pages: +(\\d+)\n").match(run("pdfinfo", {path})).captured(1);
        QVERIFY2(pages.toInt() >= 2, qPrintable(pages));
        const QString text = text_of(path);
        for (const QString& page : {QString("1"), pages}) {
            const QString count = "第 ?" + page + " ?页 ?共 ?" + pages + " ?页";
            QVERIFY2(text.contains(QRegularExpression(count)), qPrintable(count));
        }
        QVERIFY(text.contains("5.欢迎指出本程序中的不足之处。"));
        // In reading order, not laid out, a cell's lines come one after another.
        const QString read = run("pdftotext", {path, "-"}).remove(QRegularExpression("\\s"));
        QCOMPARE(read.count("很长的说明"), 80);
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
