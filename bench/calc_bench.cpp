// size_exchanger against the floor it cannot beat (its four pow and one log calls alone),
// the two conversions per call, the layout and its rating after it, a condensing rating and
// search beside the single-phase ones, and one water-property lookup beside them.
#include <benchmark/benchmark.h>

#include <cmath>

#include "calc/calc.hpp"
#include "calc/formulas.hpp"
#include "design/condensing.hpp"
#include "design/layout.hpp"
#include "design/rating.hpp"
#include "design/search.hpp"
#include "design/simulation.hpp"
#include "properties/fluid.hpp"
#include "properties/fluid_search.hpp"
#include "properties/saturated_water.hpp"

namespace {

calc::SizingInput example() {
    return {{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0},
            {0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5},
            20.0f,
            40.0f,
            90.0f,
            60.0f,
            2.0f};
}

void SizeExchanger(benchmark::State& state) {
    calc::SizingInput input = example();
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        benchmark::DoNotOptimize(calc::size_exchanger(input));
    }
}
BENCHMARK(SizeExchanger);

void SizeExchangerUnchecked(benchmark::State& state) {
    calc::SizingInput input = example();
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        calc::PlainSteps steps;  // no fault checks at all: the cost of the arithmetic itself
        benchmark::DoNotOptimize(calc::formulas::size_exchanger(steps, input));
    }
}
BENCHMARK(SizeExchangerUnchecked);

// The whole layout after the checks of the worked example: the default length's six trials,
// Colebrook, both drops; beside the sizing itself as the baseline.
design::LayoutInput example_layout_input() {
    const calc::SizingInput input = example();
    const calc::SizingWorking working = calc::sizing_working(input);
    const calc::DesignChecks checks = calc::design_checks(input, working.result, std::nullopt);
    return design::layout_input(input, working, checks, design::FillKind::Water,
                                design::FillKind::Water)
        .input;
}

void Layout(benchmark::State& state) {
    design::LayoutInput in = example_layout_input();
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(design::layout(in, {}));
    }
}
BENCHMARK(Layout);

// The rating of that layout alone: both films, fouling from the table, the wall, K′ and A′.
void Rate(benchmark::State& state) {
    design::LayoutInput in = example_layout_input();
    const design::Layout l = design::layout(in, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(design::rate(in, l, {}));
    }
}
BENCHMARK(Rate);

// A search's candidates, and the time per candidate.
void count_candidates(benchmark::State& state, std::size_t tried) {
    state.counters["candidates"] = static_cast<double>(tried);
    state.counters["per_candidate"] =
        benchmark::Counter(static_cast<double>(tried) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The whole search, reported per candidate tried: the worked example (3,288 candidates) and
// 30 kg/s of water in φ25×2.5 tubes (tens of thousands).
void Search(benchmark::State& state) {
    calc::SizingInput input = example();
    input.W = static_cast<calc::Single>(state.range(0));
    const calc::SizingWorking working = calc::sizing_working(input);
    const calc::DesignChecks checks = calc::design_checks(input, working.result, std::nullopt);
    const design::LayoutInput in =
        design::layout_input(input, working, checks, design::FillKind::Water,
                             design::FillKind::Water)
            .input;
    std::size_t tried = 0;
    for (auto _ : state) {
        const design::Search s = design::search(in, {}, {});
        tried = s.tried();
        benchmark::DoNotOptimize(s.ranking.data());
    }
    count_candidates(state, tried);
}
BENCHMARK(Search)->Arg(2)->Arg(30)->Unit(benchmark::kMillisecond);

// Benzene 80 → 40 ℃ heating 5 kg/s of water 25 → 60 ℃: no F for one shell, so 1–4 shells in
// series are searched, 33,948 candidates.
void SearchShellsInSeries(benchmark::State& state) {
    const calc::FluidSide water{0.61434f, 995.61f, 4180.3f, 0.00079722f, 0.02, 1.0};
    const calc::FluidSide benzene{0.13259f, 836.89f, 1830.6f, 0.00039644f, 0.025, 0.5};
    const calc::SizingInput input{water, benzene, 25.0f, 60.0f, 80.0f, 40.0f, 5.0f};
    const calc::SizingWorking working = calc::sizing_working(input);
    const calc::DesignChecks checks = calc::design_checks(input, working.result, std::nullopt);
    const design::LayoutInput in =
        design::layout_input(input, working, checks, design::FillKind::Typed,
                             design::FillKind::Typed)
            .input;
    std::size_t tried = 0;
    for (auto _ : state) {
        const design::Search s = design::search(in, {}, {});
        tried = s.tried();
        benchmark::DoNotOptimize(s.ranking.data());
    }
    count_candidates(state, tried);
}
BENCHMARK(SearchShellsInSeries)->Unit(benchmark::kMillisecond);

// 操作型计算 of the worked search's best with water on both sides (IAPWS properties at each
// trial's means): one simulation, and the sweep of the tube flow from 50 % to 150 % in 11 points.
design::SimulationInput simulated_exchanger() {
    design::SimulationInput s;
    s.design = example_layout_input();
    s.choices = {.tube_length = 2.0,
                 .shell_diameter = 0.273,
                 .baffle_spacing = 0.1,
                 .passes = 4.0,
                 .per_pass = 9.0};
    s.layout = design::layout(s.design, s.choices);
    s.rating = design::rate(s.design, s.layout, s.choices);
    const properties::Fluid* water = &properties::fluid_table()[0];
    s.tube = {20.0, 2.0, calc::full_precision(s.design.tube), water};
    s.shell = {90.0, s.design.shell_flow, calc::full_precision(s.design.shell), water};
    return s;
}

void Simulate(benchmark::State& state) {
    const design::SimulationInput in = simulated_exchanger();
    for (auto _ : state) benchmark::DoNotOptimize(design::simulate(in).states.data());
}
BENCHMARK(Simulate)->Unit(benchmark::kMicrosecond);

void SimulationSweep(benchmark::State& state) {
    const design::SimulationInput in = simulated_exchanger();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            design::sweep(in, design::SweptInput::TubeFlow, 1.0, 3.0, 11).data());
    }
}
BENCHMARK(SimulationSweep)->Unit(benchmark::kMicrosecond);

// Steam at 200 kPa heating water 20 → 80 ℃ (the condensing method's example (a)).
design::LayoutInput steam_heater() {
    const calc::FluidSide tube{0.64059f, 988.01f, 4179.8f, 0.00054650f, 0.02, 1.0};
    const design::CondensingEstimate e = design::condensing_estimate(
        {tube, 0.025, 20.0f, 80.0f, 3.0f, properties::find_vapour("水"), 200.0});
    return design::condensing_layout_input(e, design::FillKind::Typed).input;
}

// A condensing rating of the default layout: the wall trial's 17 steps, each a saturated-water
// lookup at the film, beside Rate's single-phase rating.
void RateCondensing(benchmark::State& state) {
    design::LayoutInput in = steam_heater();
    const design::Layout l = design::layout(in, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(design::rate_condensing(in, l, {}));
    }
}
BENCHMARK(RateCondensing);

// The whole search of the steam heater, per candidate: one trial per tube count, length and
// pass count, shared by every shell and spacing.
void SearchCondensing(benchmark::State& state) {
    const design::LayoutInput in = steam_heater();
    std::size_t tried = 0;
    for (auto _ : state) {
        const design::Search s = design::search(in, {}, {});
        tried = s.tried();
        benchmark::DoNotOptimize(s.ranking.data());
    }
    count_candidates(state, tried);
}
BENCHMARK(SearchCondensing)->Unit(benchmark::kMillisecond);

double c_library_pow(double x, double y) {
    return std::pow(x, y);
}
double c_library_log(double x) {
    return std::log(x);
}

// The same transcendental calls with the example's arguments: Pr and Re of both sides and q;
// with math/'s functions, as size_exchanger calls them, and with the C library's beside.
template <double (*pow)(double, double), double (*log)(double)>
void TranscendentalFloor(benchmark::State& state) {
    double pr_t = 5.40999, re_t = 24861.42, pr_s = 2.546617, re_s = 30104.68, q = 1.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pr_t);
        benchmark::DoNotOptimize(re_t);
        benchmark::DoNotOptimize(pr_s);
        benchmark::DoNotOptimize(re_s);
        benchmark::DoNotOptimize(q);
        benchmark::DoNotOptimize(pow(pr_t, 0.3));
        benchmark::DoNotOptimize(pow(re_t, 0.8));
        benchmark::DoNotOptimize(pow(pr_s, 0.4));
        benchmark::DoNotOptimize(pow(re_s, 0.6));
        benchmark::DoNotOptimize(log(q));
    }
}
BENCHMARK(TranscendentalFloor<same_pow, same_log>)->Name("TranscendentalFloor");
BENCHMARK(TranscendentalFloor<c_library_pow, c_library_log>)->Name("TranscendentalFloorCLibrary");

void ToNumber(benchmark::State& state) {
    std::string text = "0.000801";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(calc::to_number(text));
    }
}
BENCHMARK(ToNumber);

void ToNumberFullWidth(benchmark::State& state) {
    std::string text = "\u3000２０．１";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(calc::to_number(text));
    }
}
BENCHMARK(ToNumberFullWidth);

void ToTextSingle(benchmark::State& state) {
    float value = 2006.8310546875f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(calc::to_text(value));
    }
}
BENCHMARK(ToTextSingle);

void ToTextDouble(benchmark::State& state) {
    double value = 25.15000057220458984375;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(calc::to_text(value));
    }
}
BENCHMARK(ToTextDouble);

void SaturatedWater(benchmark::State& state) {
    double celsius = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(celsius);
        benchmark::DoNotOptimize(properties::saturated_water(celsius));
    }
}
// Below about 157 ℃ the critical enhancement ends early; at 300 ℃ it is computed in full.
BENCHMARK(SaturatedWater)->Arg(30)->Arg(300);

// A liquid (benzene, four rows: two polynomials, pow in ρ, exp and log in μ) and a gas (air,
// two pows and the ideal gas) at 60 ℃, beside water's lookup above.
void OtherFluid(benchmark::State& state) {
    const properties::Fluid& fluid = *properties::match_fluid(state.range(0) ? "air" : "苯")[0];
    double celsius = 60;
    for (auto _ : state) {
        benchmark::DoNotOptimize(celsius);
        benchmark::DoNotOptimize(properties::fluid_properties(fluid, celsius));
    }
}
BENCHMARK(OtherFluid)->Arg(0)->Arg(1);

// 30 % ethylene glycol at −5 ℃: four 18-term polynomials, one exp, and the freezing curve.
void Solution(benchmark::State& state) {
    const properties::Fluid& fluid = *properties::match_fluid("乙二醇水溶液")[0];
    double celsius = -5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(celsius);
        benchmark::DoNotOptimize(
            properties::fluid_properties(fluid, celsius, properties::standard_pressure, 0.3));
    }
}
BENCHMARK(Solution);

}  // namespace

BENCHMARK_MAIN();
