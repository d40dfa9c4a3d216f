// What start-up costs once Qt is up: loading Qt's Chinese translation, building the window
// from its layout table, and building and showing it until Qt has painted it (offscreen).
// Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
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

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
