// What start-up costs once Qt is up: loading Qt's Chinese translation, building the window
// from its layout table, and building and showing it until Qt has painted it (offscreen);
// then a click of 计算结果, with and without the 计算过程 panel, and the saving of its 计算书.
// Run with QT_QPA_PLATFORM=offscreen:configfile=bench/wide_screen.json.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include "app/startup.hpp"
#include "window/main_window.hpp"

namespace {

void LoadToolkitTranslation(benchmark::State& state) {
    for (auto _ : state) {
        if (!app::use_chinese_toolkit_texts(*qApp)) state.SkipWithError("no translation file");
        delete qApp->findChild<QTranslator*>();  // uninstalls it again
    }
}
BENCHMARK(LoadToolkitTranslation)->Unit(benchmark::kMicrosecond);

void BuildWindow(benchmark::State& state) {
    for (auto _ : state) {
        window::MainWindow form;
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BuildWindow)->Unit(benchmark::kMicrosecond);

void BuildAndShowWindow(benchmark::State& state) {
    for (auto _ : state) {
        window::MainWindow form;
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window never exposed");
        QApplication::processEvents();
    }
}
BENCHMARK(BuildAndShowWindow)->Unit(benchmark::kMicrosecond);

void type_example(window::MainWindow& form) {
    const QList<std::pair<const char*, const char*>> example = {
        {"Text1", "20"},     {"Text2", "40"},    {"Text3", "2"},         {"Text4", "0.618"},
        {"Text5", "995.7"},  {"Text6", "4174"},  {"Text7", "0.000801"},  {"Text9", "1.0"},
        {"Text10", "0.02"},  {"Text20", "90"},   {"Text19", "60"},       {"Text13", "0.668"},
        {"Text14", "977.8"}, {"Text16", "4190"}, {"Text15", "0.000406"}, {"Text12", "0.5"},
        {"Text11", "0.025"}};
    for (const auto& [name, text] : example) form.findChild<QLineEdit*>(name)->setText(text);
}

// One click of 计算结果 on the worked example, from the click to the eight captions written,
// with the 计算过程 panel hidden and shown (the click writes it anew); then the same until the
// window is painted again. The flow alternates between 2 and 3 kg/s so that every click writes
// new results. Run interleaved on a screen wide enough to dock the panel (make bench). Without
// the layout, a tube length no standard has stops it before its first step.
void ComputeResultClick(benchmark::State& state, bool with_panel, bool painted,
                        bool layout = true) {
    window::MainWindow form;
    form.show();
    form.findChild<QDockWidget*>("working_panel")->setVisible(with_panel);
    type_example(form);
    if (!layout) form.take_layout({"5"});
    auto* compute = form.findChild<QPushButton*>("Command1");
    auto* flow = form.findChild<QLineEdit*>("Text3");
    bool two = true;
    for (auto _ : state) {
        state.PauseTiming();
        flow->setText((two = !two) ? "2" : "3");
        QApplication::processEvents();
        state.ResumeTiming();
        compute->click();
        if (painted) QApplication::processEvents();
    }
    if (form.findChild<QLabel*>("Label24")->text() != "2006.831") state.SkipWithError("no result");
    const auto* panel = form.findChild<QTextBrowser*>("working_text");
    if (with_panel && !panel->toPlainText().contains("Δtm")) state.SkipWithError("no working");
}
BENCHMARK_CAPTURE(ComputeResultClick, form_alone, false, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);
BENCHMARK_CAPTURE(ComputeResultClick, form_alone_without_layout, false, false, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);
BENCHMARK_CAPTURE(ComputeResultClick, with_panel, true, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);
BENCHMARK_CAPTURE(ComputeResultClick, with_panel_without_layout, true, false, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);
BENCHMARK_CAPTURE(ComputeResultClick, form_alone_painted, false, true)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);
BENCHMARK_CAPTURE(ComputeResultClick, with_panel_painted, true, true)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);

// The worked example's 计算书 saved as a PDF, from the report built to the file committed.
void SaveSheetPdf(benchmark::State& state) {
    window::MainWindow form;
    type_example(form);
    form.findChild<QPushButton*>("Command1")->click();
    QTemporaryDir folder;
    const QString path = folder.filePath("sheet.pdf");
    for (auto _ : state) form.save_report_to(path);
    if (QFileInfo(path).size() == 0) state.SkipWithError("no file");
}
BENCHMARK(SaveSheetPdf)->Unit(benchmark::kMillisecond)->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir settings;  // every window opens as the first, whatever a run before left
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
