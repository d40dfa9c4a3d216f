// The checks after sizing against values derived by hand (the closed form of F evaluated
// separately, the balance and tube count worked on paper), and the slips that real fluids
// must not trip.
#include "calc/design_checks.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/formulas.hpp"

namespace {

using calc::SizingInput;
using calc::SlipQuantity;

constexpr calc::FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr calc::FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};
constexpr SizingInput example{tube_water, shell_water, 20.0f, 40.0f, 90.0f, 60.0f, 2.0f};
constexpr calc::SizingResult example_result{2006.8310546875f, 2.08591175079345703125f, 166960.0f};

bool near(double got, double want, double relative = 1e-12) {
    return std::abs(got - want) <= relative * std::abs(want);
}

TEST(DesignChecks, MultipassCorrection) {
    struct Row {
        float t1, t2, T1, T2;
        double P, R, F;  // F = 0: none exists
        bool low;
    };
    const Row rows[] = {
        {20, 40, 90, 60, 2.0 / 7, 1.5, 0.9479110597637472, false},
        {20, 40, 90, 70, 2.0 / 7, 1.0, 0.9727392924167552, false},  // R = 1: the limit
        {20, 40, 90, 70.00001f, 2.0 / 7, 0.9999996185302734, 0.9727393079546905, false},
        {90, 60, 20, 40, 3.0 / 7, 2.0 / 3, 0.9479110597637475, false},  // hot fluid in the tubes
        {20, 70, 90, 60, 5.0 / 7, 0.6, 0.4756863139483168, true},
        {20, 80, 90, 60, 6.0 / 7, 0.5, 0, true},  // the second denominator is negative
        // P near 0: both logarithms lose digits, and F came out 1 + 3.2·10⁻⁸.
        {-1.7024391889572144f, -1.7024312019348145f, 122.15779876708984f, 122.15779113769531f,
         6.448415190948213e-08, 0.9552238805970149, 1.0, false},
        {20, 40, 15, 10, -4, 0.25, 0, true},  // P < 0: no F, though the formula gives 0.931
    };
    for (const Row& row : rows) {
        SizingInput input = example;
        input.t1 = row.t1, input.t2 = row.t2, input.T1 = row.T1, input.T2 = row.T2;
        const auto c = calc::design_checks(input, example_result, {}).correction;
        ASSERT_TRUE(c.has_value()) << row.t2 << ' ' << row.T2;
        EXPECT_TRUE(near(c->P, row.P) && near(c->R, row.R)) << c->P << ' ' << c->R;
        EXPECT_EQ(c->exists, row.F > 0) << row.t2 << ' ' << row.T2;
        if (row.F > 0) {
            EXPECT_TRUE(near(c->F, row.F, 1e-8)) << c->F << " for " << row.F;
            EXPECT_LE(c->F, 1.0);
        }
        EXPECT_EQ(c->low, row.low) << row.t2 << ' ' << row.T2;
    }
    const auto c = calc::design_checks(example, example_result, {}).correction;
    EXPECT_TRUE(near(c->area, 2.2005353026615593, 1e-10)) << c->area;
    SizingInput no_rise = example;  // t2 = t1: R is not finite, so there is nothing to say
    no_rise.t2 = 20;
    EXPECT_FALSE(calc::design_checks(no_rise, example_result, {}).correction.has_value());
}

// Shells in series: F of N_s shells against Fakheri's closed form, evaluated on its own,
//   F = S·ln W / ln[(1 + W − S + S·W)/(1 + W + S − S·W)],  S = √(R² + 1)/(R − 1),
//   W = ((1 − P·R)/(1 − P))^(1/N_s);
// benzene 80 → 40 ℃ against water 25 → 60 ℃ crosses: no F₁, and 2 shells are the fewest.
TEST(DesignChecks, ShellsInSeries) {
    SizingInput cross = example;
    cross.t1 = 25, cross.t2 = 60, cross.T1 = 80, cross.T2 = 40;
    const calc::DesignChecks checks = calc::design_checks(cross, example_result, {});
    ASSERT_TRUE(checks.correction && checks.shells);
    EXPECT_FALSE(checks.correction->exists);
    EXPECT_TRUE(std::isnan(checks.shells->F[0]));
    EXPECT_TRUE(near(checks.shells->F[1], 0.7615865383977165, 1e-12));
    EXPECT_TRUE(near(checks.shells->F[2], 0.9072731446603719, 1e-12));
    EXPECT_TRUE(near(checks.shells->F[3], 0.9496878480655735, 1e-12));
    EXPECT_EQ(checks.shells->least, 2);
    // F₁ of 0.4757 (t2 = 70): more shells, until 4 fall short or one holds.
    SizingInput low = example;
    low.t2 = 70;
    const auto shells = calc::design_checks(low, example_result, {}).shells;
    ASSERT_TRUE(shells);
    EXPECT_TRUE(near(shells->F[0], 0.4756863139483168, 1e-8));
    EXPECT_GE(shells->least, 2);
    // The worked example holds in one shell: nothing to say.
    EXPECT_FALSE(calc::design_checks(example, example_result, {}).shells);
    calc::PlainSteps steps;
    EXPECT_TRUE(
        near(calc::formulas::shells_correction(steps, 2.0 / 7, 1.5, 2), 0.9874173080174923, 1e-12));
    // R = 1 takes the limit P₁ = P/(N_s − (N_s − 1)·P); one shell is the checks' own F.
    EXPECT_TRUE(
        near(calc::formulas::shells_correction(steps, 2.0 / 7, 1.0, 1), 0.9727392924167552, 1e-8));
}

// Heat passes only where one stream falls and the other rises; else nothing after it holds.
TEST(DesignChecks, StreamsThatDoNotRunOppositeWays) {
    using enum calc::Trend;
    struct Row {
        float t1, t2, T1, T2;
        calc::Trend tube, shell;
        bool opposite;
    };
    const Row rows[] = {
        {20, 40, 90, 60, Rises, Falls, true},    {90, 60, 20, 40, Falls, Rises, true},
        {40, 20, 90, 60, Falls, Falls, false},   {20, 40, 60, 90, Rises, Rises, false},
        {20, 20, 90, 60, Steady, Falls, false},  {20, 40, 90, 90, Rises, Steady, false},
        {20, 20, 90, 90, Steady, Steady, false},
    };
    for (const Row& row : rows) {
        SizingInput input = example;
        input.t1 = row.t1, input.t2 = row.t2, input.T1 = row.T1, input.T2 = row.T2;
        const calc::DesignChecks checks = calc::design_checks(input, example_result, 1.3f);
        EXPECT_EQ(checks.trends.tube, row.tube) << row.t1 << ' ' << row.T1;
        EXPECT_EQ(checks.trends.shell, row.shell) << row.t1 << ' ' << row.T1;
        EXPECT_EQ(calc::opposite(checks.trends), row.opposite) << row.t1 << ' ' << row.T1;
        EXPECT_EQ(checks.correction.has_value(), row.opposite);
        EXPECT_EQ(checks.balance.has_value(), row.opposite);
        EXPECT_EQ(checks.tubes.has_value(), row.opposite);
    }
}

// Q = 166960 W from the tubes; the shell gives cps·(T1 − T2) = 4190 · 30 = 125700 W per kg/s.
TEST(DesignChecks, HeatBalance) {
    const auto balancing = calc::design_checks(example, example_result, {}).balance;
    ASSERT_TRUE(balancing.has_value());
    EXPECT_FALSE(balancing->flow_typed || balancing->off);
    EXPECT_TRUE(near(balancing->shell_flow, 166960.0 / 125700.0));

    struct Row {
        float flow;
        double duty, difference;
        bool off;
    };
    for (const Row& row : {Row{1.0f, 125700, (125700.0 - 166960) / 166960, true},
                           Row{1.3f, 163409.99400615692, -0.02126261376283588, false},
                           Row{1.4f, 175979.99700307846, 0.05402489819764291, true}}) {
        const auto b = calc::design_checks(example, example_result, row.flow).balance;
        ASSERT_TRUE(b.has_value());
        EXPECT_TRUE(b->flow_typed);
        EXPECT_TRUE(near(b->shell_duty, row.duty)) << b->shell_duty;
        EXPECT_TRUE(near(b->difference, row.difference, 1e-9)) << b->difference;
        EXPECT_EQ(b->off, row.off) << row.flow;
    }
    SizingInput no_fall = example;  // T1 = T2 and no flow typed: no flow balances
    no_fall.T2 = 90;
    EXPECT_FALSE(calc::design_checks(no_fall, example_result, {}).balance.has_value());
}

// n = 2/(995.7f · 1.0 · π · 0.02²/4), 7 tubes, L = A/(7 · π · 0.02).
TEST(DesignChecks, TubeCountAndLength) {
    const auto t = calc::design_checks(example, example_result, {}).tubes;
    ASSERT_TRUE(t.has_value());
    EXPECT_TRUE(near(t->per_pass, 6.393690514841653)) << t->per_pass;
    EXPECT_EQ(t->count, 7.0);
    EXPECT_TRUE(near(t->length, 4.74261665703212)) << t->length;
    for (const double velocity : {0.0, -1.0}) {  // n not finite, or no tube at all
        SizingInput input = example;
        input.tube.velocity = velocity;
        EXPECT_FALSE(calc::design_checks(input, example_result, {}).tubes.has_value());
    }
}

TEST(DesignChecks, UnitSlipsButNotRealFluids) {
    struct Row {
        const char* what;
        calc::FluidSide tube;
        std::vector<SlipQuantity> slips;
    };
    using enum SlipQuantity;
    const Row rows[] = {
        {"water", tube_water, {}},
        {"μ in mPa·s", {0.618f, 995.7f, 4174, 0.801f, 0.02, 1.0}, {Viscosity}},
        {"cp in kJ", {0.618f, 995.7f, 4.174f, 0.000801f, 0.02, 1.0}, {SpecificHeat}},
        {"λ from a ×10⁻² column", {61.8f, 995.7f, 4174, 0.000801f, 0.02, 1.0}, {Conductivity}},
        {"d in mm", {0.618f, 995.7f, 4174, 0.000801f, 20, 1.0}, {Diameter}},
        {"air", {0.026f, 1.2f, 1005, 1.8e-5f, 0.02, 10.0}, {}},
        {"heavy oil", {0.13f, 900, 2000, 1.0f, 0.02, 1.0}, {}},
        {"molten salt", {0.5f, 1800, 1500, 0.003f, 0.02, 1.0}, {}},
        {"mercury", {8.5f, 13500, 139, 0.0015f, 0.02, 1.0}, {}},
        {"sodium", {70, 850, 1300, 3e-4f, 0.02, 1.0}, {}},
        {"lithium", {45, 510, 4200, 5e-4f, 0.02, 1.0}, {}},
        {"water at 350 ℃", {0.46f, 574.7f, 10102, 6.58e-5f, 0.02, 1.0}, {}},
    };
    for (const Row& row : rows) {
        SizingInput input = example;
        input.tube = row.tube;
        std::vector<SlipQuantity> found;
        for (const calc::UnitSlip& slip : calc::design_checks(input, example_result, {}).slips) {
            EXPECT_EQ(slip.side, calc::Side::Tube) << row.what;
            found.push_back(slip.quantity);
        }
        EXPECT_EQ(found, row.slips) << row.what;
    }
}

}  // namespace
