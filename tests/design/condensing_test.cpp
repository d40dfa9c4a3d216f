// Condensing on the shell side against the two worked examples of the method, to the digits
// they print: steam heating water, and benzene condensed by water; then the trial over a
// sweep of pressures and tube sides, and each refusal.
#include "design/condensing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "digits.hpp"

namespace {

using design::CondensingFault;

std::string six(double value) {
    return to_digits(value, 6);
}

design::CondensingInput steam_heater() {  // example (a)
    return {{0.64059f, 988.01f, 4179.8f, 0.00054650f, 0.02, 1.0},
            0.025,
            20.0f,
            80.0f,
            3.0f,
            properties::find_vapour("水"),
            200.0};
}

design::CondensingInput benzene_condenser() {  // example (b)
    return {{0.61434f, 995.61f, 4180.3f, 0.00079722f, 0.02, 1.0},
            0.025,
            25.0f,
            35.0f,
            10.0f,
            properties::find_vapour("苯"),
            101.325};
}

struct Laid {
    design::LayoutInput input;
    design::Layout layout;
    design::CondensingRating rating;
};

Laid lay_out(const design::CondensingInput& in, const design::LayoutChoices& choices = {}) {
    const design::CondensingEstimate e = design::condensing_estimate(in);
    const design::LayoutInput li =
        design::condensing_layout_input(e, design::FillKind::Typed).input;
    const design::Layout l = design::layout(li, choices);
    return {li, l, design::rate_condensing(li, l, choices)};
}

TEST(Condensing, SteamHeaterEstimate) {
    const design::CondensingEstimate e = design::condensing_estimate(steam_heater());
    EXPECT_EQ(six(e.working.result.Q), six(752364));
    EXPECT_EQ(six(e.vapour_flow), six(0.341742));
    EXPECT_EQ(six(e.working.dtm), six(65.7081));
    EXPECT_EQ(six(e.tube_effective), six(54.5034));
    EXPECT_EQ(six(e.checks.tubes->per_pass), six(9.66518));
    EXPECT_EQ(six(e.working.tube.alpha), six(4780.67));
    EXPECT_EQ(six(e.trial.wall), six(99.9383));
    EXPECT_NEAR(e.working.shell.alpha, 10714.0685, 5e-5);
    EXPECT_EQ(e.working.result.K, 2809.81494140625f);
    EXPECT_NEAR(e.working.result.A, 4.57869005203247, 5e-15);
    EXPECT_EQ(e.input.T1, e.input.T2);
}

TEST(Condensing, SteamHeaterLayoutAndRating) {
    const Laid x = lay_out(steam_heater());
    const design::Layout& l = x.layout;
    ASSERT_EQ(l.stop, design::LayoutStop::None);
    EXPECT_EQ(l.per_pass, 10);
    EXPECT_EQ(six(l.required_pass_length), six(5.82977));
    EXPECT_EQ(l.length, 2.0);
    EXPECT_EQ(l.passes, 4);
    EXPECT_EQ(l.tubes, 40);
    EXPECT_EQ(l.centre_tubes, 7);
    EXPECT_EQ(l.shell_diameter, 0.273);
    EXPECT_EQ(l.baffle_spacing, 0.25);  // the widest, not the nearest to D/3
    EXPECT_EQ(l.baffles, 7);
    EXPECT_EQ(six(l.margin), six(0.372267));
    EXPECT_EQ(six(l.tube.drop), six(16248.9));
    EXPECT_EQ(six(l.shell.velocity), six(12.3548));
    EXPECT_EQ(six(l.shell.reynolds), six(26961.5));
    EXPECT_EQ(six(l.shell.drop), six(1092.34));
    EXPECT_EQ(six(l.shell.allowable), six(20000));

    const design::CondensingRating& c = x.rating;
    EXPECT_EQ(six(c.rating.tube.alpha), six(5282.91));
    EXPECT_EQ(six(c.rest), six(6.00498e-4));
    EXPECT_EQ(six(c.rows), six(6.32456));
    ASSERT_GE(c.trial.steps.size(), 3u);
    EXPECT_EQ(six(c.trial.steps[0].wall), six(87.3575));
    EXPECT_EQ(six(c.trial.steps[0].alpha), six(6878.10));
    EXPECT_EQ(six(c.trial.steps[0].next), six(107.404));
    EXPECT_EQ(six(c.trial.steps[1].alpha), six(8910.70));
    EXPECT_EQ(six(c.trial.steps[2].alpha), six(9423.79));
    EXPECT_EQ(six(c.trial.steps[2].next), six(110.344));
    EXPECT_EQ(c.trial.steps.size(), 17u);
    // The fields hold single-precision properties, so the sheet's further digits are not ours.
    EXPECT_EQ(six(c.trial.wall), six(110.476));
    EXPECT_EQ(six(c.trial.film_celsius), six(115.344));
    EXPECT_EQ(six(c.trial.film.density), six(946.812));
    EXPECT_EQ(six(c.trial.film.viscosity), six(2.42063e-4));
    EXPECT_EQ(six(c.trial.alpha), six(9574.46));
    EXPECT_EQ(six(c.rating.coefficient), six(1418.56));
    EXPECT_EQ(six(c.rating.clean_coefficient), six(2519.89));
    EXPECT_EQ(six(c.rating.required_area), six(8.07166));
    EXPECT_EQ(six(c.rating.margin), six(-0.221574));
    EXPECT_EQ(six(c.rating.carried_fouling), six(1.51903e-4));
    EXPECT_EQ(six(c.loading), six(0.0146093));
    EXPECT_EQ(six(c.film_reynolds), six(241.412));
    // q = K′·Δt_m = α_o·(t_s − t_w): the trial's balance holds.
    EXPECT_NEAR(c.rating.coefficient * x.input.mean_difference /
                    (c.trial.alpha * (x.input.saturation.celsius - c.trial.wall)),
                1.0, 1e-9);
    EXPECT_EQ(c.rating.shell_fouling.resistance, 0.0000881);  // 水蒸气（不含油）
}

TEST(Condensing, BenzeneCondenser) {
    const design::CondensingEstimate e = design::condensing_estimate(benzene_condenser());
    EXPECT_EQ(six(e.vapour_flow), six(1.06012));
    EXPECT_EQ(six(e.working.tube.alpha), six(3867.70));
    EXPECT_EQ(six(e.trial.wall), six(44.0435));
    EXPECT_EQ(six(e.working.shell.alpha), six(1487.36));
    EXPECT_EQ(six(e.working.result.K), six(913.112));
    EXPECT_EQ(six(e.working.result.A), six(10.2957));

    const Laid x = lay_out(benzene_condenser());
    const design::Layout& l = x.layout;
    EXPECT_EQ(l.length, 6.0);
    EXPECT_EQ(l.passes, 1);
    EXPECT_EQ(l.tubes, 32);
    EXPECT_EQ(l.shell_diameter, 0.273);
    EXPECT_EQ(l.baffle_spacing, 0.25);
    EXPECT_EQ(l.baffles, 23);
    EXPECT_EQ(six(l.tube.drop), six(9131.52));
    EXPECT_EQ(six(l.shell.drop), six(11728.9));
    EXPECT_GT(l.shell.drop, l.shell.allowable);  // 11.6 % of p_s
    const design::CondensingRating& c = x.rating;
    EXPECT_EQ(c.trial.steps.size(), 11u);
    EXPECT_EQ(six(c.trial.wall), six(53.4445));
    EXPECT_EQ(six(c.trial.film.conductivity), six(0.130515));
    EXPECT_EQ(six(c.trial.alpha), six(1203.42));
    EXPECT_EQ(six(c.rating.coefficient), six(642.734));
    EXPECT_EQ(six(c.rating.margin), six(0.158386));
    EXPECT_EQ(six(c.film_reynolds), six(190.453));
    EXPECT_EQ(c.rating.shell_fouling.resistance, 0.000176);  // 溶剂蒸气
}

// The trial settles for steam from 20 kPa to 1 MPa over tube sides from a trickle to a fast
// flow, and its α_o balances the flux: α_o·(t_s − t_w) = (t_w − t_c)/R_rest.
TEST(Condensing, WallTrialConvergesOverASweep) {
    const properties::Vapour& steam = *properties::find_vapour("水");
    for (const double kpa : {20.0, 50.0, 101.325, 200.0, 500.0, 1000.0}) {
        const properties::SaturationState s = properties::saturation_state(steam, kpa);
        for (const double rest : {1e-5, 2e-4, 1e-3, 1e-2}) {
            for (const double rows : {1.0, 10.0, 40.0}) {
                const double dtm = (s.celsius - 5.0) / 2.0;
                const design::WallTrial t = design::wall_trial(steam, s, dtm, rest, rows, 0.025);
                const double tc = s.celsius - dtm;
                EXPECT_GT(t.wall, tc);
                EXPECT_LT(t.wall, s.celsius);
                EXPECT_NEAR(t.alpha * (s.celsius - t.wall) * rest / (t.wall - tc), 1.0, 1e-7)
                    << kpa << " kPa, R " << rest << ", n " << rows;
                EXPECT_LE(t.steps.size(), 60u);
            }
        }
    }
}

TEST(Condensing, Refusals) {
    const auto reason = [](const design::CondensingInput& in) {
        try {
            design::condensing_estimate(in);
        } catch (const CondensingFault& f) {
            return f.reason;
        }
        ADD_FAILURE() << "accepted";
        return CondensingFault::Reason::NoConvergence;
    };
    design::CondensingInput in = steam_heater();
    in.t2 = 121.0f;
    EXPECT_EQ(reason(in), CondensingFault::Reason::AboveSaturation);
    in.t2 = 15.0f;
    EXPECT_EQ(reason(in), CondensingFault::Reason::NotHeated);
    in = steam_heater();
    in.pressure = 20000;
    EXPECT_EQ(reason(in), CondensingFault::Reason::PressureOutOfRange);
    // Benzene near its lowest pressure (t_s just above its rows' 5.53 ℃) on cold water: the
    // film lies below the rows.
    in = benzene_condenser();
    in.pressure = 5.0;
    in.t1 = 1.0f;
    in.t2 = 3.0f;
    EXPECT_EQ(reason(in), CondensingFault::Reason::FilmOutOfRange);
}

// A tube side whose film coefficient comes out negative (diameter, μ and cp all negative: Re
// and Pr stay positive, α = C·λ·Re^m·Pr^n/d does not) has no wall trial: a fault of the tube's
// film, not a wall beyond the tube side (a fuzz input).
TEST(Condensing, NegativeTubeFilmIsRefused) {
    design::CondensingInput in = steam_heater();
    in.tube.diameter = -0.02;
    in.tube.viscosity = -in.tube.viscosity;
    in.tube.specific_heat = -in.tube.specific_heat;
    try {
        (void)design::condensing_estimate(in);
        FAIL();
    } catch (const calc::Fault& f) {
        EXPECT_EQ(f.kind(), calc::FaultKind::InvalidArgument);
        EXPECT_EQ(f.quantity(), calc::Quantity::FilmCoefficient);
        EXPECT_EQ(f.side(), calc::Side::Tube);
    }
}

// A tube side that carries next to nothing (R_rest 1e20) puts the wall on t_s to the last bit,
// where the film has no Δt: the trial says it does not settle rather than give α_o = ∞ (a fuzz
// input).
TEST(Condensing, WallOnSaturationDoesNotSettle) {
    const properties::Vapour& steam = *properties::find_vapour("水");
    const properties::SaturationState state = properties::saturation_state(steam, 200.0);
    try {
        (void)design::wall_trial(steam, state, 65.7, 1e20, 6.0, 0.025);
        FAIL();
    } catch (const design::CondensingFault& f) {
        EXPECT_EQ(f.reason, design::CondensingFault::Reason::NoConvergence);
    }
}

}  // namespace
