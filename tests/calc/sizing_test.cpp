#include "calc/sizing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "calc/correlation_range.hpp"
#include "calc/design_checks.hpp"
#include "expect_fault.hpp"

namespace {

using calc::FaultKind;
using calc::Quantity;
using calc::Side;
using calc::SizingInput;

constexpr calc::FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr calc::FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};

// Tube side 20 → 40 ℃ at 2 kg/s, shell side 90 → 60 ℃.
constexpr SizingInput example{tube_water, shell_water, 20.0f, 40.0f, 90.0f, 60.0f, 2.0f};

SizingInput with_temperatures(float t1, float t2, float T1, float T2) {
    SizingInput input = example;
    input.t1 = t1;
    input.t2 = t2;
    input.T1 = T1;
    input.T2 = T2;
    return input;
}

TEST(MeanTemperature, IsTheDoubleMeanOfTwoSingles) {
    EXPECT_EQ(calc::mean_temperature(20.0f, 40.0f), 30.0);
    EXPECT_EQ(calc::mean_temperature(20.0f, 25.5f), 22.75);
    EXPECT_EQ(calc::mean_temperature(20.1f, 30.2f), 25.15000057220458984375);
    EXPECT_EQ(calc::mean_temperature(0.0f, 0.0f), 0.0);
}

TEST(Sizing, InputsThatAreNotFiniteFault) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    EXPECT_THROW(calc::mean_temperature(inf, 20.0f), calc::Fault);
    EXPECT_THROW(calc::mean_temperature(inf, -inf), calc::Fault);
    EXPECT_THROW(calc::mean_temperature_difference(inf, inf), calc::Fault);
    for (float SizingInput::*field : {&SizingInput::t1, &SizingInput::t2, &SizingInput::T1,
                                      &SizingInput::T2, &SizingInput::W}) {
        SizingInput input = example;
        input.*field = inf;
        EXPECT_THROW(calc::size_exchanger(input), calc::Fault);
        input.*field = std::numeric_limits<float>::quiet_NaN();
        EXPECT_THROW(calc::size_exchanger(input), calc::Fault);
    }
}

TEST(MeanTemperatureDifference, EqualEndsTakeNoLogarithm) {
    EXPECT_EQ(calc::mean_temperature_difference(50.0f, 50.0f), 50.0f);
    EXPECT_EQ(calc::mean_temperature_difference(0.0f, 0.0f), 0.0f);
    EXPECT_NEAR(calc::mean_temperature_difference(50.0f, 40.0f), 44.8142, 5e-5);
}

TEST(SizeExchanger, WorkedExampleIsExactToTheBit) {
    const calc::SizingResult result = calc::size_exchanger(example);
    EXPECT_EQ(result.K, 2006.8310546875f);
    EXPECT_EQ(result.Q, 166960.0f);
    EXPECT_EQ(result.A, 2.08591175079345703125f);
}

TEST(SizeExchanger, EqualEndDifferencesUseFiftyDegrees) {
    // ΔT1 = ΔT2 = 50: A = 166960 / (2006.8310546875 · 0.89 · 50), rounded into a Single.
    const calc::SizingResult result = calc::size_exchanger(with_temperatures(20, 40, 90, 70));
    EXPECT_EQ(result.K, 2006.8310546875f);
    EXPECT_EQ(result.A, 1.8695695400238037f);
}

TEST(SizeExchanger, SwappedRolesKeepTheAreaPositive) {
    const calc::SizingResult result = calc::size_exchanger(with_temperatures(90, 60, 20, 40));
    EXPECT_EQ(result.Q, -250440.0f);
    EXPECT_NEAR(result.A, 3.128868, 5e-6);
}

// Every value a check shows is a finite number.
bool finite(const calc::DesignChecks& checks) {
    bool all = true;
    if (const auto& c = checks.correction) {
        all = all && std::isfinite(c->P) && std::isfinite(c->R);
        all = all && (!c->exists || (std::isfinite(c->F) && std::isfinite(c->area)));
    }
    if (const auto& b = checks.balance) {
        all = all && std::isfinite(b->shell_flow) && std::isfinite(b->shell_duty) &&
              std::isfinite(b->difference);
    }
    if (const auto& t = checks.tubes) {
        all = all && std::isfinite(t->per_pass) && std::isfinite(t->count) &&
              std::isfinite(t->length);
    }
    return all;
}

// Whatever the input, sizing gives finite results or a Fault: nothing that is not a number
// ever reaches a label. Each input in turn takes each awkward value, the rest the example's.
// The checks after a result, with the same value as the typed shell flow, show only finite
// numbers.
TEST(SizeExchanger, AnyInputGivesFiniteResultsOrAFault) {
    constexpr float awkward[] = {0.0f, -0.0f, -1.0f, 1e-45f, 1e-30f, 3.4e38f, -3.4e38f, 381924.0f};
    std::vector<std::function<void(SizingInput&, float)>> inputs;
    for (float SizingInput::*t : {&SizingInput::t1, &SizingInput::t2, &SizingInput::T1,
                                  &SizingInput::T2, &SizingInput::W}) {
        inputs.push_back([t](SizingInput& in, float v) { in.*t = v; });
    }
    for (calc::FluidSide SizingInput::*side : {&SizingInput::tube, &SizingInput::shell}) {
        for (float calc::FluidSide::*f :
             {&calc::FluidSide::conductivity, &calc::FluidSide::density,
              &calc::FluidSide::specific_heat, &calc::FluidSide::viscosity}) {
            inputs.push_back([side, f](SizingInput& in, float v) { (in.*side).*f = v; });
        }
        for (double calc::FluidSide::*f :
             {&calc::FluidSide::diameter, &calc::FluidSide::velocity}) {
            inputs.push_back([side, f](SizingInput& in, float v) { (in.*side).*f = v; });
        }
    }
    int results = 0, faults = 0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        for (float value : awkward) {
            SizingInput input = example;
            inputs[i](input, value);
            // The working comes from the same steps: the same results, or the same fault.
            try {
                const calc::SizingResult r = calc::size_exchanger(input);
                EXPECT_TRUE(std::isfinite(r.K) && std::isfinite(r.A) && std::isfinite(r.Q))
                    << "input " << i << " = " << value;
                const calc::SizingResult w = calc::sizing_working(input).result;
                EXPECT_TRUE(w.K == r.K && w.A == r.A && w.Q == r.Q) << i << " = " << value;
                EXPECT_TRUE(finite(calc::design_checks(input, r, value))) << i << " = " << value;
                EXPECT_TRUE(finite(calc::design_checks(input, r, {}))) << i << " = " << value;
                ++results;
            } catch (const calc::Fault& f) {
                EXPECT_FAULT(calc::sizing_working(input), f.kind(), f.quantity(), f.side());
                ++faults;
            }
        }
    }
    EXPECT_GT(results, 0);
    EXPECT_GT(faults, 0);
}

struct BadSizing {
    const char* what;
    SizingInput input;
    FaultKind kind;
    Quantity quantity;
    Side side;
};

SizingInput with_tube(calc::FluidSide tube, calc::FluidSide shell) {
    SizingInput input = example;
    input.tube = tube;
    input.shell = shell;
    return input;
}

TEST(SizeExchanger, FaultsOfRealInput) {
    calc::FluidSide tube_dry = tube_water, shell_dry = shell_water, tube_still = tube_water,
                    shell_still = shell_water;
    tube_dry.conductivity = 0.0f;
    shell_dry.conductivity = 0.0f;
    tube_still.velocity = 0.0;
    shell_still.velocity = 0.0;
    SizingInput no_flow = with_temperatures(20, 40, 40, 20);  // ΔT1 = 40 − 40, ΔT2 = 20 − 20
    no_flow.W = 0.0f;
    SizingInput flood = example;
    flood.W = 3e38f;
    SizingInput far_apart = with_temperatures(20, -3e38f, 3e38f, 60);
    far_apart.W = 0.0f;  // keeps Q finite so that ΔT1 is the first to overflow

    const BadSizing cases[] = {
        {"ΔT2 = 0", with_temperatures(20, 40, 90, 20), FaultKind::DivisionByZero,
         Quantity::MeanTemperatureDifference, Side::None},
        {"ΔT1 = 0", with_temperatures(20, 40, 40, 60), FaultKind::InvalidArgument,
         Quantity::MeanTemperatureDifference, Side::None},
        {"temperature cross", with_temperatures(20, 80, 70, 30), FaultKind::InvalidArgument,
         Quantity::MeanTemperatureDifference, Side::None},
        {"ΔT1 = ΔT2 = 0", with_temperatures(20, 40, 40, 20), FaultKind::DivisionByZero,
         Quantity::Area, Side::None},
        {"ΔT1 = ΔT2 = 0 and Q = 0", no_flow, FaultKind::InvalidOperation, Quantity::Area,
         Side::None},
        {"αt + αs = 0", with_tube(tube_still, shell_still), FaultKind::InvalidOperation,
         Quantity::OverallCoefficient, Side::None},
        {"Q beyond Single", flood, FaultKind::Overflow, Quantity::HeatDuty, Side::None},
        {"tube side first", with_tube(tube_dry, shell_dry), FaultKind::DivisionByZero,
         Quantity::PrandtlNumber, Side::Tube},
        {"shell side", with_tube(tube_water, shell_dry), FaultKind::DivisionByZero,
         Quantity::PrandtlNumber, Side::Shell},
        {"end difference beyond Single", far_apart, FaultKind::Overflow, Quantity::EndDifference1,
         Side::None},
    };
    for (const BadSizing& c : cases) {  // not a structured binding: clang 14 cannot capture one
        SCOPED_TRACE(c.what);
        EXPECT_FAULT(calc::size_exchanger(c.input), c.kind, c.quantity, c.side);
        EXPECT_FAULT(calc::sizing_working(c.input), c.kind, c.quantity, c.side);
    }
}

TEST(SizingWorking, WorkedExampleShowsHowTheResultCameAbout) {
    const calc::SizingWorking w = calc::sizing_working(example);
    EXPECT_EQ(w.result.K, 2006.8310546875f);
    EXPECT_EQ(w.result.Q, 166960.0f);
    EXPECT_EQ(w.result.A, 2.08591175079345703125f);
    EXPECT_NEAR(w.tube.reynolds, 24861.42, 5e-3);
    EXPECT_NEAR(w.tube.prandtl, 5.40999, 5e-6);
    EXPECT_EQ(w.tube.alpha, calc::film_coefficient(tube_water, calc::tube_side));
    EXPECT_NEAR(w.shell.reynolds, 30104.68, 5e-3);
    EXPECT_NEAR(w.shell.prandtl, 2.546617, 5e-7);
    EXPECT_EQ(w.shell.alpha, calc::film_coefficient(shell_water, calc::shell_side));
    EXPECT_EQ(w.dT1, 50.0f);
    EXPECT_EQ(w.dT2, 40.0f);
    EXPECT_NEAR(w.dtm, 44.8142, 5e-5);
}

// Hints name the quantity outside the range its correlation was fitted for, and change
// nothing: u = 0.05 m/s in the tubes is laminar (Re ≈ 1243), 20 m/s outside is past 10⁶.
TEST(RangeHints, OnlyValuesOutsideTheirCorrelationsRange) {
    const calc::SizingWorking in_range = calc::sizing_working(example);
    EXPECT_TRUE(calc::range_hints(in_range.tube, calc::tube_side_range, Side::Tube).empty());
    EXPECT_TRUE(calc::range_hints(in_range.shell, calc::shell_side_range, Side::Shell).empty());

    SizingInput slow_tube_fast_shell = example;
    slow_tube_fast_shell.tube.velocity = 0.05;
    slow_tube_fast_shell.shell.velocity = 20.0;
    const calc::SizingWorking w = calc::sizing_working(slow_tube_fast_shell);
    const auto tube = calc::range_hints(w.tube, calc::tube_side_range, Side::Tube);
    ASSERT_EQ(tube.size(), 1u);
    EXPECT_EQ(tube[0].quantity, Quantity::ReynoldsNumber);
    EXPECT_EQ(tube[0].outside, calc::Bound::Below);
    EXPECT_NEAR(tube[0].value, 1243.07, 5e-3);
    const auto shell = calc::range_hints(w.shell, calc::shell_side_range, Side::Shell);
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell[0].outside, calc::Bound::Above);
    EXPECT_EQ(shell[0].range.high, 1e6);
}

}  // namespace
