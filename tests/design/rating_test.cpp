// The rating against the method worked separately in Python from its printed formulas, every
// branch of the tube side, each arrangement's d_e and the fouling table's columns.
#include "design/rating.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using design::FillKind;
using design::FoulingService;
using design::TubeForm;

constexpr calc::FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr calc::FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};
constexpr calc::SizingInput example{tube_water, shell_water, 20.0f, 40.0f, 90.0f, 60.0f, 2.0f};

design::LayoutInput example_input(FillKind tube = FillKind::Typed,
                                  FillKind shell = FillKind::Typed) {
    const calc::SizingWorking working = calc::sizing_working(example);
    const calc::DesignChecks checks = calc::design_checks(example, working.result, std::nullopt);
    return design::layout_input(example, working, checks, tube, shell).input;
}

void expect_near(double got, double want, double relative = 1e-10) {
    EXPECT_NEAR(got, want, relative * std::abs(want));
}

// The worked example laid out (7 tubes of 4.5 m, one pass, 159 mm shell, baffles every 100 mm)
// and rated with the defaults: 0.000176 on both typed sides, carbon steel.
TEST(Rating, WorkedExampleEveryFigure) {
    const design::LayoutInput in = example_input();
    const design::Layout l = design::layout(in, {});
    const design::Rating r = design::rate(in, l, {});
    ASSERT_TRUE(r.finite);
    expect_near(r.tube.velocity, 0.9133843592630931);
    expect_near(r.tube.reynolds, 22708.03575452168);
    expect_near(r.tube.prandtl, 5.409990460822591);
    EXPECT_EQ(r.tube.form, TubeForm::DittusBoelter);
    EXPECT_EQ(r.tube.exponent, 0.4);  // the water in the tubes is heated
    expect_near(r.tube.alpha, 4264.897030326211);
    expect_near(r.shell.equivalent_diameter, 0.0201648631129532);
    expect_near(r.shell.velocity, 0.3905547686206221);
    expect_near(r.shell.reynolds, 18967.112058631385);
    EXPECT_EQ(r.shell.wall_factor, 0.95);  // cooled
    expect_near(r.shell.alpha, 3486.816952074316);
    EXPECT_EQ(r.tube_fouling.resistance, 0.000176);
    EXPECT_EQ(r.shell_fouling.resistance, 0.000176);
    EXPECT_FALSE(r.tube_fouling.service);
    expect_near(r.wall.thickness, 0.0025);
    expect_near(r.wall.mean_diameter, 0.022407100588622754);
    EXPECT_EQ(r.wall.conductivity, 50.0);
    expect_near(r.coefficient, 969.3015217231914);
    expect_near(r.clean_coefficient, 1573.1415127535913);
    expect_near(r.required_area, 3.8435973063808775, 1e-9);
    expect_near(r.margin, -0.3563310572117456, 1e-9);
    expect_near(r.carried_fouling, 2.838368121173241e-05, 1e-8);
    EXPECT_EQ(r.tube_velocities.low, 0.5);
    EXPECT_EQ(r.shell_velocities.high, 1.5);
}

calc::FluidSide moving(calc::FluidSide fluid, double velocity) {
    fluid.velocity = velocity;
    return fluid;
}

// Each form of the tube side, d_i 0.02 m.
TEST(Rating, TubeSideForms) {
    struct Row {
        const char* name;
        calc::FluidSide fluid;
        double length;
        bool gas, heated;
        TubeForm form;
        double reynolds, alpha;
    };
    const calc::FluidSide oil{0.13f, 880.0f, 1900.0f, 0.005f, 0.02, 3.0};
    const calc::FluidSide thick{0.13f, 880.0f, 1900.0f, 0.02f, 0.02, 1.0};
    const calc::FluidSide just_thin{0.13f, 880.0f, 1900.0f, 0.002f, 0.02, 3.0};
    const calc::FluidSide air{0.0267f, 1.165f, 1005.0f, 1.86e-5f, 0.02, 10.0};
    const Row rows[] = {
        {"heated", moving(tube_water, 0.9133843592630931), 4.5, false, true,
         TubeForm::DittusBoelter, 22708.03575452168, 4264.897030326211},
        {"cooled", tube_water, 4.5, false, false, TubeForm::DittusBoelter, 24861.423916698368,
         3873.16540320586},
        {"viscous heated", oil, 6.0, false, true, TubeForm::SiederTate, 10560.000236034399,
         1275.432950438485},
        {"viscous cooled", oil, 6.0, false, false, TubeForm::SiederTate, 10560.000236034399,
         1153.9631456348197},
        {"2 mPa·s is thin", just_thin, 6.0, false, true, TubeForm::DittusBoelter,
         26399.998746067344, 1987.286187753774},
        {"transition", moving(tube_water, 0.2), 4.5, false, true, TubeForm::DittusBoelter,
         4972.284783339674, 1096.8625709370074},
        {"short", tube_water, 1.0, false, true, TubeForm::DittusBoelter, 24861.423916698368,
         4882.045383053584},
        {"short transition", moving(tube_water, 0.2), 1.0, false, false, TubeForm::DittusBoelter,
         4972.284783339674, 986.3900561926232},
        {"laminar", thick, 3.0, false, true, TubeForm::Laminar, 880.0000196695332,
         151.94723740035207},
        {"laminar short, no entrance factor", thick, 1.0, false, false, TubeForm::Laminar,
         880.0000196695332, 198.27480567385973},
        {"gas", air, 3.0, true, true, TubeForm::DittusBoelter, 12526.881479695092,
         50.530147458706864},
    };
    for (const Row& row : rows) {
        const design::TubeFilm f = design::tube_film(row.fluid, row.length, row.gas, row.heated);
        EXPECT_EQ(f.form, row.form) << row.name;
        expect_near(f.reynolds, row.reynolds);
        expect_near(f.alpha, row.alpha, 1e-9);
    }
}

TEST(Rating, EquivalentDiameters) {
    struct Row {
        design::Arrangement arrangement;
        double pitch, outer, diameter;
    };
    const Row rows[] = {
        {design::Arrangement::Triangle, 0.032, 0.025, 0.0201648631129532},
        {design::Arrangement::Square, 0.032, 0.025, 0.02715189175235226},
        {design::Arrangement::RotatedSquare, 0.032, 0.025, 0.02715189175235226},
        {design::Arrangement::Triangle, 0.025, 0.019, 0.01727163785669685},
        {design::Arrangement::Square, 0.025, 0.019, 0.0228828797610251},
    };
    for (const Row& row : rows) {
        expect_near(design::equivalent_diameter(row.arrangement, row.pitch, row.outer),
                    row.diameter);
    }
}

// Water's column by its mean temperature (≤ 52 ℃ or above) and velocity (≤ 0.9 m/s or above),
// and what each kind of side takes by default or by choice.
TEST(Rating, FoulingColumns) {
    struct Row {
        std::optional<design::FoulingChoice> choice;
        FillKind fill;
        int column;
        double celsius, velocity;
        double resistance;
    };
    const design::FoulingChoice river{FoulingService::RiverWater};
    const design::FoulingChoice typed{{}, 0.0003};
    const design::FoulingChoice heavy{FoulingService::HeavyFuelOil};
    const Row rows[] = {
        {{}, FillKind::Water, 0, 30, 0.5, 0.000176},
        {{}, FillKind::Water, 0, 52, 0.9, 0.000176},
        {{}, FillKind::Water, 2, 52.01, 0.9, 0.000352},
        {{}, FillKind::Water, 3, 80, 2.0, 0.000352},
        {river, FillKind::Water, 0, 30, 0.9, 0.000528},
        {river, FillKind::Water, 1, 30, 0.91, 0.000352},
        {river, FillKind::Typed, 2, 60, 0.5, 0.000704},
        {river, FillKind::Liquid, 3, 60, 1.5, 0.000528},
        {{}, FillKind::Typed, -1, 80, 2.0, 0.000176},
        {{}, FillKind::Liquid, -1, 80, 2.0, 0.000176},
        {{}, FillKind::Gas, -1, 80, 20.0, 0.000176},
        {typed, FillKind::Water, -1, 80, 2.0, 0.0003},
        {heavy, FillKind::Liquid, -1, 80, 2.0, 0.000881},
    };
    for (const Row& row : rows) {
        const design::AppliedFouling f =
            design::applied_fouling(row.choice, row.fill, row.celsius, row.velocity);
        EXPECT_EQ(f.resistance, row.resistance) << row.celsius << " " << row.velocity;
        EXPECT_EQ(f.column, row.column) << row.celsius << " " << row.velocity;
        EXPECT_EQ(f.chosen, row.choice.has_value());
    }
}

// The wall of the material chosen, or of the conductivity typed over it; the fouling chosen;
// two passes work with F·Δt_m.
TEST(Rating, ChoicesReachTheRating) {
    const design::LayoutInput in = example_input();
    const design::Layout l = design::layout(in, {});
    EXPECT_EQ(design::rate(in, l, {.material = design::Material::Copper}).wall.conductivity, 380);
    const design::Rating typed =
        design::rate(in, l, {.material = design::Material::Copper, .wall_conductivity = 20.0});
    EXPECT_EQ(typed.wall.conductivity, 20.0);
    EXPECT_FALSE(typed.wall.material);
    // With no fouling at all, K′ is K_c and R_max is what the clean exchanger leaves.
    const design::FoulingChoice none{{}, 0.0};
    const design::Rating clean = design::rate(in, l, {.tube_fouling = none, .shell_fouling = none});
    EXPECT_EQ(clean.coefficient, clean.clean_coefficient);
    // Two passes of 6 m (14 tubes): Δt_m′ = F·Δt_m, and S = 14·π·0.025·6.
    const design::LayoutChoices two{.tube_length = 6.0, .passes = 2.0};
    const design::Layout l2 = design::layout(in, two);
    const design::Rating r2 = design::rate(in, l2, two);
    expect_near(r2.mean_difference, in.corrections[0] * in.mean_difference, 1e-15);
    expect_near(r2.margin, 14 * std::numbers::pi * 0.025 * 6 / r2.required_area - 1, 1e-15);
}

}  // namespace
