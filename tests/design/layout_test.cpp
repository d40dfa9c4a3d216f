// The layout and the pressure drops against the method worked separately in Python from its
// printed formulas (Colebrook by bisection), and the choices the method refuses.
#include "design/layout.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using design::Arrangement;
using design::LayoutStop;

constexpr calc::FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr calc::FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};
constexpr calc::SizingInput example{tube_water, shell_water, 20.0f, 40.0f, 90.0f, 60.0f, 2.0f};

// The worked example's input, through the sizing and its checks.
design::LayoutInput example_input() {
    const calc::SizingWorking working = calc::sizing_working(example);
    const calc::DesignChecks checks = calc::design_checks(example, working.result, std::nullopt);
    const design::LayoutStart start = design::layout_input(
        example, working, checks, design::FillKind::Typed, design::FillKind::Typed);
    EXPECT_EQ(start.gap, design::LayoutGap::None);
    return start.input;
}

void expect_near(double got, double want, double relative = 1e-10) {
    EXPECT_NEAR(got, want, relative * std::abs(want));
}

TEST(Layout, WorkedExampleEveryFigure) {
    const design::Layout l = design::layout(example_input(), {});
    ASSERT_EQ(l.stop, LayoutStop::None);
    EXPECT_EQ(l.per_pass, 7.0);
    expect_near(l.required_pass_length, 4.002583667049224);
    EXPECT_EQ(l.length, 4.5);
    EXPECT_EQ(l.length_rule, design::LengthRule::InAim);
    EXPECT_EQ(l.passes, 1.0);
    EXPECT_EQ(l.tubes, 7.0);
    EXPECT_EQ(l.pitch, 0.032);
    EXPECT_EQ(l.centre_tubes, 3.0);
    expect_near(l.bundle_diameter, 0.139);
    EXPECT_EQ(l.shell_diameter, 0.159);
    EXPECT_EQ(l.baffle_spacing, 0.1);
    EXPECT_EQ(l.baffles, 44.0);
    expect_near(l.area, 2.474004214701962);
    expect_near(l.margin, 0.18605411459083965);
    expect_near(l.shell.cross_section, 0.0084);
    expect_near(l.shell.velocity, 0.16171408388197636);
    // The tube side at u_i′ = 2/(995.7·7·π·0.02²/4), Re_i′ = 22708.04, not at the typed 1 m/s.
    expect_near(l.tube_velocity, 0.9133843592630931);
    expect_near(l.tube.reynolds, 22708.03575452168);
    expect_near(l.tube.friction, 0.0340441231400059);
    expect_near(l.tube.friction_drop, 3181.488286663276);
    expect_near(l.tube.return_drop, 1246.0254490246703);
    EXPECT_EQ(l.tube.fouling, 1.4);
    expect_near(l.tube.drop, 6198.5192299631235);
    EXPECT_EQ(l.tube.regime, design::Regime::Turbulent);
    expect_near(l.shell.reynolds, 9736.701152873437);
    expect_near(l.shell.friction, 0.6160445285548131);
    expect_near(l.shell.bundle_drop, 531.6570766946244);
    expect_near(l.shell.window_drop, 1261.336048280116);
    EXPECT_EQ(l.shell.fouling, 1.15);
    expect_near(l.shell.drop, 2061.9420937209516);
    EXPECT_EQ(l.tube.allowable, 100e3);
    EXPECT_EQ(l.shell.allowable, 100e3);
}

// Each arrangement's centre-line count and tube-bank factor, on the worked example.
TEST(Layout, Arrangements) {
    struct Row {
        Arrangement arrangement;
        double centre_tubes, shell_drop;
    };
    const Row rows[] = {
        {Arrangement::Triangle, 3, 2061.9420937209516},
        {Arrangement::Square, 4, 1097.7073325711033},
        {Arrangement::RotatedSquare, 4, 1185.6605742734023},
    };
    for (const Row& row : rows) {
        const design::Layout l = design::layout(example_input(), {.arrangement = row.arrangement});
        EXPECT_EQ(l.centre_tubes, row.centre_tubes);
        expect_near(l.shell.drop, row.shell_drop);
    }
}

// The default length: in 15–25 % with the fewest passes, else the least margin ≥ 10 %, else 6 m.
TEST(Layout, DefaultTubeLength) {
    struct Row {
        double area;
        design::LengthRule rule;
        double length, passes;
        LayoutStop stop;
    };
    const Row rows[] = {
        {4.0, design::LengthRule::InAim, 9.0, 1, LayoutStop::None},  // 1.5 and 4.5 m also in aim
        {3.3, design::LengthRule::AboveFloor, 2.0, 4, LayoutStop::None},
        {40.0, design::LengthRule::Fallback, 6.0, 0, LayoutStop::TooManyPasses},
    };
    for (const Row& row : rows) {
        design::LayoutInput in = example_input();
        in.area = row.area;
        const design::Layout l = design::layout(in, {});
        EXPECT_EQ(l.length_rule, row.rule) << row.area;
        EXPECT_EQ(l.length, row.length) << row.area;
        EXPECT_EQ(l.passes, row.passes) << row.area;
        EXPECT_EQ(l.stop, row.stop) << row.area;
    }
}

// No length in 15–25 %: at L′ = 10.5 m, 2 m in 6 passes, 3 m in 4 and 6 m in 2 all give
// N_p·L = 12 m and H = 12/10.5 − 1 = 14.3 %; the fewest passes win the tie.
TEST(Layout, FloorTiePrefersFewerPasses) {
    design::LayoutInput in = example_input();
    in.area = 10.5 * in.corrections[0] * 7 * std::numbers::pi * 0.025;
    const design::Layout l = design::layout(in, {});
    EXPECT_EQ(l.length_rule, design::LengthRule::AboveFloor);
    EXPECT_EQ(l.length, 6.0);
    EXPECT_EQ(l.passes, 2.0);
    expect_near(l.margin, 12.0 / 10.5 - 1.0);
}

// Chosen passes and tubes per pass are kept, below L′/L too; the default length then searches
// with the chosen passes.
TEST(Layout, ChosenPassesAndTubesPerPass) {
    const design::Layout two = design::layout(example_input(), {.passes = 2.0});
    EXPECT_EQ(two.passes, 2.0);
    EXPECT_EQ(two.defaults.passes, 1.0);
    // L′ = 4.0026 m: 2 passes of 2 m give 14 tubes, S = 14·π·0.025·2 = 2.1991 m², and against
    // A/F = 2.2005 m² H = −0.06 %; of 3 m, H = 49.9 %, the least above the floor.
    EXPECT_EQ(two.length, 3.0);
    EXPECT_EQ(two.length_rule, design::LengthRule::AboveFloor);
    const design::Layout kept =
        design::layout(example_input(), {.tube_length = 1.5, .passes = 1.0});
    EXPECT_EQ(kept.stop, LayoutStop::None);
    EXPECT_EQ(kept.passes, 1.0);
    EXPECT_LT(kept.margin, -0.5);
    const design::Layout wide = design::layout(example_input(), {.per_pass = 9.0});
    EXPECT_EQ(wide.per_pass, 9.0);
    EXPECT_EQ(wide.defaults.per_pass, 7.0);
    expect_near(wide.tube_velocity, 0.9133843592630931 * 7.0 / 9.0);
}

// The conditions of each 注意 the layout gives.
TEST(Layout, Cautions) {
    design::LayoutInput in = example_input();
    in.tube.diameter = 0.025;
    EXPECT_EQ(design::layout(in, {}).stop, LayoutStop::Wall);

    in = example_input();
    in.per_pass = 3000;  // n_c = 61 tubes across: D = 1.995 m
    EXPECT_EQ(design::layout(in, {}).stop, LayoutStop::ShellTooLarge);

    in = example_input();
    EXPECT_GT(design::layout(in, {.tube_length = 6.0}).margin, 0.40);
    in.area = 2.0859 * 4.4 / 4.0026;  // L′ = 4.4 m: one pass of 4.5 m leaves 7.5 %
    EXPECT_LT(design::layout(in, {.tube_length = 4.5}).margin, 0.10);

    in = example_input();
    in.shell.viscosity = 0.01f;  // Re₀ = 395
    const design::Layout viscous = design::layout(in, {});
    EXPECT_FALSE(viscous.shell.holds);
    EXPECT_EQ(viscous.shell.drop, 0.0);

    // Re_i′ = 4·W/(π·d_i·n_s·μ_i): 3179 with 50 tubes a pass, 1590 with 100.
    in = example_input();
    EXPECT_EQ(design::layout(in, {.per_pass = 50.0}).tube.regime, design::Regime::Transition);
    const design::Layout laminar = design::layout(in, {.per_pass = 100.0});
    EXPECT_EQ(laminar.tube.regime, design::Regime::Laminar);
    expect_near(laminar.tube.friction, 0.04026265081530266);

    in = example_input();
    in.shell.density = 1.2f;  // a gas: F_s = 1.0, 10 kPa allowed
    const design::Layout gas = design::layout(in, {});
    EXPECT_EQ(gas.shell.fouling, 1.0);
    EXPECT_EQ(gas.shell.allowable, 10e3);
}

TEST(Layout, RefusedChoices) {
    struct Row {
        design::LayoutChoices choices;
        design::LayoutChoice refused;
        double low, high;
    };
    const double inf = calc::unbounded;
    const Row rows[] = {
        {{.tube_length = 5.0}, design::LayoutChoice::TubeLength, 1.5, 9.0},
        {{.pitch = 0.03}, design::LayoutChoice::Pitch, 0.03125, inf},
        {{.shell_diameter = 0.16}, design::LayoutChoice::ShellDiameter, 0.159, 1.8},
        {{.baffle_spacing = 0.02}, design::LayoutChoice::BaffleSpacing, 0.05, 0.159},
        {{.baffle_spacing = 0.2}, design::LayoutChoice::BaffleSpacing, 0.05, 0.159},
        {{.roughness = 2e-3}, design::LayoutChoice::Roughness, 1e-6, 1e-3},
        {{.allowable_shell_drop = 0.0}, design::LayoutChoice::AllowableShellDrop, 0.0, inf},
        {{.passes = 3.0}, design::LayoutChoice::Passes, 1.0, 6.0},
        {{.per_pass = 0.0}, design::LayoutChoice::PerPass, 1.0, 5000.0},
        {{.per_pass = 7.5}, design::LayoutChoice::PerPass, 1.0, 5000.0},
        {{.per_pass = 5001.0}, design::LayoutChoice::PerPass, 1.0, 5000.0},
        {{.tube_fouling = design::FoulingChoice{{}, 0.006}},
         design::LayoutChoice::TubeFouling,
         0.0,
         0.005},
        {{.shell_fouling = design::FoulingChoice{{}, -1e-4}},
         design::LayoutChoice::ShellFouling,
         0.0,
         0.005},
        {{.wall_conductivity = 0.5}, design::LayoutChoice::WallConductivity, 1.0, 500.0},
        {{.wall_conductivity = 501.0}, design::LayoutChoice::WallConductivity, 1.0, 500.0},
        {{.shells = 5.0}, design::LayoutChoice::Shells, 1.0, 4.0},
        {{.shells = 1.5}, design::LayoutChoice::Shells, 1.0, 4.0},
    };
    for (const Row& row : rows) {
        const design::Layout l = design::layout(example_input(), row.choices);
        ASSERT_EQ(l.stop, LayoutStop::Refused);
        EXPECT_EQ(l.refused->choice, row.refused);
        EXPECT_DOUBLE_EQ(l.refused->allowed.low, row.low);
        EXPECT_EQ(l.refused->allowed.high, row.high);
    }
    // A larger standard shell and a spacing at 0.2·D are taken.
    const design::Layout wider =
        design::layout(example_input(), {.shell_diameter = 0.4, .baffle_spacing = 0.08});
    EXPECT_EQ(wider.stop, LayoutStop::None);
    EXPECT_EQ(wider.baffles, 56.0);
}

// The worked example at another tube outlet, through the sizing and its checks.
design::LayoutInput input_at(calc::Single tube_outlet) {
    calc::SizingInput at = example;
    at.t2 = tube_outlet;
    const calc::SizingWorking working = calc::sizing_working(at);
    const calc::DesignChecks checks = calc::design_checks(at, working.result, std::nullopt);
    return design::layout_input(at, working, checks, design::FillKind::Typed,
                                design::FillKind::Typed)
        .input;
}

// Shells in series. t2 = 70 ℃: F₁ = 0.47569, F₂ = 0.91925 (the closed form evaluated on its
// own), so 2 shells by default with L′ = (A/F₂)/(2·n_s·π·d_o); one shell chosen takes one pass
// of counter-flow, L′ = A/(n_s·π·d_o), unless its passes are chosen too. N_s shells of the same
// tubes hold N_s times the area and drop N_s times as much, to the last bit. t2 = 80 ℃ has no
// F₁: two passes in one shell are refused, as is more than one shell for a condensing vapour.
TEST(Layout, ShellsInSeries) {
    const double pi_d = std::numbers::pi * 0.025;
    const design::LayoutInput in = input_at(70.0f);
    const design::Layout two = design::layout(in, {});
    ASSERT_EQ(two.stop, LayoutStop::None);
    EXPECT_EQ(two.shells, 2.0);
    EXPECT_EQ(two.defaults.shells, 2.0);
    expect_near(two.correction, 0.9192469128239226, 1e-12);
    EXPECT_FALSE(two.counter_flow);
    expect_near(two.required_pass_length, in.area / 0.9192469128239226 / (2 * 7 * pi_d), 1e-12);
    expect_near(two.area, 2 * two.tubes * pi_d * two.length, 1e-15);

    const design::Layout one = design::layout(in, {.shells = 1.0});
    EXPECT_EQ(one.passes, 1.0);
    EXPECT_EQ(one.defaults.passes, 1.0);
    EXPECT_TRUE(one.counter_flow);
    expect_near(one.correction, 0.4756863139483168, 1e-8);
    expect_near(one.required_pass_length, in.area / (7 * pi_d), 1e-12);
    const design::Layout one_two = design::layout(in, {.passes = 2.0, .shells = 1.0});
    EXPECT_EQ(one_two.passes, 2.0);
    EXPECT_FALSE(one_two.counter_flow);
    expect_near(one_two.required_pass_length, in.area / one_two.correction / (7 * pi_d), 1e-12);

    const design::LayoutChoices same{.tube_length = 3.0, .passes = 2.0};
    const design::Layout single =
        design::layout(in, {.tube_length = 3.0, .passes = 2.0, .shells = 1.0});
    for (const double n : {2.0, 3.0, 4.0}) {
        design::LayoutChoices more = same;
        more.shells = n;
        const design::Layout l = design::layout(in, more);
        ASSERT_EQ(l.stop, LayoutStop::None) << n;
        EXPECT_EQ(l.tubes, single.tubes);
        EXPECT_EQ(l.shell_diameter, single.shell_diameter);
        EXPECT_EQ(l.tube.drop, single.tube.drop * n);
        EXPECT_EQ(l.shell.drop, single.shell.drop * n);
        expect_near(l.area, single.area * n, 1e-15);
    }

    const design::LayoutInput crossed = input_at(80.0f);
    EXPECT_TRUE(std::isnan(crossed.corrections[0]));
    const design::Layout refused = design::layout(crossed, {.passes = 2.0, .shells = 1.0});
    ASSERT_EQ(refused.stop, LayoutStop::Refused);
    EXPECT_EQ(refused.refused->choice, design::LayoutChoice::Passes);
    EXPECT_EQ(refused.refused->allowed.high, 1.0);
    design::LayoutInput vapour = input_at(40.0f);
    vapour.vapour = properties::find_vapour("水");
    EXPECT_EQ(design::layout(vapour, {.shells = 2.0}).refused->choice,
              design::LayoutChoice::Shells);
}

// Whole numbers a product or quotient lands a few ulps beside count as themselves.
TEST(Layout, StandardSteps) {
    EXPECT_EQ(design::centre_tubes(100, Arrangement::Triangle),
              11.0);                                   // 1.1·10 = 11.000000000000002
    EXPECT_EQ(design::baffle_count(4.5, 0.15), 29.0);  // 4.5/0.15 = 30.000000000000004
    EXPECT_EQ(design::baffle_count(0.1, 0.15), 1.0);
    EXPECT_EQ(design::standard_pitch(0.019), 0.025);
    EXPECT_EQ(design::standard_pitch(0.016), 0.020);  // 1.25·16 = 20 mm
    EXPECT_EQ(design::standard_pitch(0.021), 0.027);  // 26.25 mm up
    EXPECT_EQ(design::standard_shell(0.159), 0.159);
    EXPECT_EQ(design::standard_shell(0.1591), 0.219);
    EXPECT_FALSE(design::standard_shell(1.8001));
    const double spacings[][2] = {{0.159, 0.1}, {0.4, 0.15}, {1.2, 0.35}, {1.6, 0.6}, {1.8, 0.6}};
    for (const auto& [D, h] : spacings) EXPECT_EQ(design::default_baffle_spacing(D), h) << D;
}

TEST(Layout, Colebrook) {
    struct Row {
        double reynolds, roughness, lambda;
    };
    const Row rows[] = {
        {4000, 1e-6, 0.039908029446170654}, {4000, 0.05, 0.07698683488922484},
        {1e5, 0.005, 0.031306382937086624}, {1e8, 1e-6, 0.006432556519692278},
        {1e8, 0.05, 0.07155090409108328},
    };
    for (const Row& row : rows)
        expect_near(design::colebrook(row.reynolds, row.roughness), row.lambda);
    // Finite and positive over the whole turbulent range, Re from 4000 to 10¹², ε/d to 0.05.
    for (int i = 0; i <= 40; ++i) {
        for (int j = 0; j <= 13; ++j) {
            const double re = 4000 * std::pow(2.5e8, i / 40.0), r = 1e-6 * std::pow(5e4, j / 13.0);
            const double lambda = design::colebrook(re, r);
            ASSERT_TRUE(std::isfinite(lambda) && lambda > 0) << re << " " << r;
        }
    }
}

}  // namespace
