#include "calc/film_coefficient.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "expect_fault.hpp"

namespace {

using calc::FaultKind;
using calc::FluidSide;
using calc::Quantity;
using calc::Side;

// The two worked examples: water in the tubes, hot water around them.
constexpr FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};

TEST(FilmCoefficient, WorkedExamples) {
    EXPECT_NEAR(calc::film_coefficient(tube_water, calc::tube_side), 3873.165, 5e-4);
    EXPECT_NEAR(calc::film_coefficient(shell_water, calc::shell_side), 6047.171, 5e-4);
}

TEST(FilmCoefficient, NoFlowGivesZeroWithoutAFault) {
    FluidSide still = tube_water;
    still.velocity = 0.0;
    EXPECT_EQ(calc::film_coefficient(still, calc::tube_side), 0.0);
}

TEST(FilmCoefficient, DoublingTheDiameterScalesByTwoToTheMMinusOne) {
    for (const auto& [fluid, correlation] :
         {std::pair{tube_water, calc::tube_side}, std::pair{shell_water, calc::shell_side}}) {
        FluidSide wide = fluid;
        wide.diameter *= 2.0;
        const double ratio =
            calc::film_coefficient(wide, correlation) / calc::film_coefficient(fluid, correlation);
        EXPECT_NEAR(ratio, std::pow(2.0, correlation.m - 1.0), 1e-12);
    }
}

struct BadInput {
    const char* what;
    FluidSide fluid;
    FaultKind kind;
    Quantity quantity;
};

FluidSide with(FluidSide fluid, float FluidSide::*field, float value) {
    fluid.*field = value;
    return fluid;
}
FluidSide with(FluidSide fluid, double FluidSide::*field, double value) {
    fluid.*field = value;
    return fluid;
}

TEST(FilmCoefficient, FaultsAtTheirStepInOrder) {
    const BadInput cases[] = {
        {"λ = 0", with(tube_water, &FluidSide::conductivity, 0.0f), FaultKind::DivisionByZero,
         Quantity::PrandtlNumber},
        // λ = 0 is met at Pr before μ = 0 would be met at Re.
        {"λ = μ = 0",
         with(with(tube_water, &FluidSide::conductivity, 0.0f), &FluidSide::viscosity, 0.0f),
         FaultKind::InvalidOperation, Quantity::PrandtlNumber},
        {"everything 0", FluidSide{0, 0, 0, 0, 0, 0}, FaultKind::InvalidOperation,
         Quantity::PrandtlNumber},
        {"cp < 0", with(tube_water, &FluidSide::specific_heat, -4174.0f),
         FaultKind::InvalidArgument, Quantity::PrandtlNumber},
        {"μ = 0", with(tube_water, &FluidSide::viscosity, 0.0f), FaultKind::DivisionByZero,
         Quantity::ReynoldsNumber},
        {"u < 0", with(tube_water, &FluidSide::velocity, -1.0), FaultKind::InvalidArgument,
         Quantity::ReynoldsNumber},
        {"ρ < 0", with(tube_water, &FluidSide::density, -995.7f), FaultKind::InvalidArgument,
         Quantity::ReynoldsNumber},
        {"d·ρ too large", with(tube_water, &FluidSide::diameter, 1e307), FaultKind::Overflow,
         Quantity::ReynoldsNumber},
        {"d = 0", with(tube_water, &FluidSide::diameter, 0.0), FaultKind::InvalidOperation,
         Quantity::FilmCoefficient},
    };
    for (const auto& c : cases) {  // not a structured binding: clang 14 cannot capture one
        SCOPED_TRACE(c.what);
        EXPECT_FAULT(calc::film_coefficient(c.fluid, calc::tube_side, Side::Tube), c.kind,
                     c.quantity, Side::Tube);
    }
}

TEST(FilmCoefficient, InputsThatAreNotFiniteFault) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    for (float FluidSide::*field : {&FluidSide::conductivity, &FluidSide::density,
                                    &FluidSide::specific_heat, &FluidSide::viscosity}) {
        EXPECT_THROW(calc::film_coefficient(with(tube_water, field, inf), calc::tube_side),
                     calc::Fault);
        EXPECT_THROW(calc::film_coefficient(with(tube_water, field, nan), calc::tube_side),
                     calc::Fault);
    }
    for (double FluidSide::*field : {&FluidSide::diameter, &FluidSide::velocity}) {
        EXPECT_THROW(calc::film_coefficient(with(tube_water, field, double(inf)), calc::tube_side),
                     calc::Fault);
        EXPECT_THROW(calc::film_coefficient(with(tube_water, field, double(nan)), calc::tube_side),
                     calc::Fault);
    }
}

TEST(FilmCoefficient, FaultNamesTheSideItWasAskedFor) {
    const FluidSide bad = with(shell_water, &FluidSide::conductivity, 0.0f);
    EXPECT_FAULT(calc::film_coefficient(bad, calc::shell_side, Side::Shell),
                 FaultKind::DivisionByZero, Quantity::PrandtlNumber, Side::Shell);
    EXPECT_FAULT(calc::film_coefficient(bad, calc::shell_side), FaultKind::DivisionByZero,
                 Quantity::PrandtlNumber, Side::None);
}

}  // namespace
