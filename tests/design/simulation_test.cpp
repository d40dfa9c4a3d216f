// 操作型计算 against the worked examples of the simulation method, computed by an independent
// implementation of it: the worked example's layout and the worked search's best, typed and
// with water on both sides, the trial step by step, and ε at its limits against closed forms.
#include "design/simulation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/effectiveness.hpp"
#include "calc/sizing.hpp"
#include "design/condensing.hpp"

namespace {

constexpr calc::FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr calc::FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};
constexpr calc::SizingInput example{tube_water, shell_water, 20.0f, 40.0f, 90.0f, 60.0f, 2.0f};
// The typed properties as the text reads them, in full precision.
constexpr calc::FluidState cold{0.618, 995.7, 4174, 0.000801, 0.02, 1.0};
constexpr calc::FluidState hot{0.668, 977.8, 4190, 0.000406, 0.025, 0.5};
constexpr double balancing_flow = 166960.0 / (4190.0 * 30.0);  // W_o, kg/s

const properties::Fluid* water() {
    for (const properties::Fluid& f : properties::fluid_table()) {
        if (f.kind == properties::FluidKind::Water) return &f;
    }
    return nullptr;
}

// The worked example laid out by default, or as the worked search's best, and rated.
design::SimulationInput exchanger(bool search_best) {
    const calc::SizingWorking working = calc::sizing_working(example);
    const calc::DesignChecks checks = calc::design_checks(example, working.result, std::nullopt);
    design::SimulationInput s;
    s.design = design::layout_input(example, working, checks, design::FillKind::Typed,
                                    design::FillKind::Typed)
                   .input;
    if (search_best) {
        s.choices = {.tube_length = 2.0,
                     .shell_diameter = 0.273,
                     .baffle_spacing = 0.1,
                     .passes = 4.0,
                     .per_pass = 9.0};
    }
    s.layout = design::layout(s.design, s.choices);
    s.rating = design::rate(s.design, s.layout, s.choices);
    s.tube = {20.0, 2.0, cold};
    s.shell = {90.0, balancing_flow, hot};
    return s;
}

void expect_digits(double got, double want, double relative = 2e-9) {
    EXPECT_NEAR(got, want, relative * std::abs(want));
}

struct Row {
    const char* what;
    bool search_best, water, hot_in_tubes;
    int evaluations;
    double tube_flow, tube_inlet;
    double t2, T2, Q, effectiveness, ntu, alpha_i, alpha_o, K, F;
};

// simulation.md §6.1, each figure to its tenth digit.
TEST(Simulation, WorkedExamples) {
    const double none = std::nan("");
    const Row rows[] = {
        {"layout, typed", false, false, false, 2, 2.0, 20.0, 34.7768625, 67.83470624, 123357.2482,
         0.3166470537, 0.4308917247, 4264.897124, 3486.817024, 969.3015333, none},
        {"search best, typed", true, false, false, 2, 2.0, 20.0, 42.10495856, 56.84256216,
         184532.1941, 0.4736776834, 0.8494034959, 3488.132585, 2590.049834, 835.9548997,
         0.926620472},
        {"search best, hot in the tubes", true, false, true, 2, 1.32824185, 90.0, 56.73928228,
         42.17381181, 185106.981, 0.4751531103, 0.8545926332, 3153.365935, 2934.397556, 841.0618775,
         0.9257983444},
        {"layout, water", false, true, false, 6, 2.0, 20.0, 34.74588816, 67.86826128, 123310.0824,
         0.3161676961, 0.4299687508, 4148.206074, 3576.614113, 968.3213584, none},
        {"search best, water", true, true, false, 6, 2.0, 20.0, 42.13235051, 56.75790557,
         185025.9618, 0.4748870633, 0.853243582, 3521.377735, 2604.52735, 839.836884, 0.9260994639},
        {"cooling water −20 %", true, true, false, 7, 1.6, 20.0, 45.78112748, 59.03121021,
         172406.228, 0.4424112827, 0.811939537, 2998.330116, 2615.391988, 799.3372054,
         0.9175060676},
        {"winter, 15 ℃", true, true, false, 6, 2.0, 15.0, 38.5306966, 54.63943977, 196782.8466,
         0.4714741364, 0.8411674397, 3371.361208, 2594.319135, 827.8052517, 0.9280369611},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        design::SimulationInput in = exchanger(row.search_best);
        if (row.hot_in_tubes) {
            in.tube = {90.0, balancing_flow, hot};
            in.tube.typed.diameter = 0.02;
            in.shell = {20.0, 2.0, cold};
            in.shell.typed.diameter = 0.025;
        } else {
            in.tube.flow = row.tube_flow;
            in.tube.inlet = row.tube_inlet;
        }
        if (row.water) in.tube.fluid = in.shell.fluid = water();
        const design::Simulation sim = design::simulate(in);
        ASSERT_EQ(sim.states.size(), 1u);
        const design::SimulatedState& s = sim.states[0];
        expect_digits(s.tube_outlet, row.t2, 1e-9);
        expect_digits(s.shell_outlet, row.T2, 1e-9);
        expect_digits(s.duty, row.Q);
        expect_digits(s.effectiveness, row.effectiveness);
        expect_digits(s.units, row.ntu);
        expect_digits(s.rating.tube.alpha, row.alpha_i);
        expect_digits(s.rating.shell.alpha, row.alpha_o);
        expect_digits(s.rating.coefficient, row.K);
        if (std::isnan(row.F)) {
            EXPECT_TRUE(std::isnan(s.correction));
        } else {
            expect_digits(s.correction, row.F);
        }
        EXPECT_EQ(sim.evaluations, row.evaluations);
        EXPECT_TRUE(sim.converged);
    }
}

// §6.5: the benzene search's best, 4 shells of 80 tubes of 3 m in 4 passes, at its design
// inlets and flows overshoots: ε of 4 shells in series, F of the state.
TEST(Simulation, ShellsInSeries) {
    const calc::FluidSide water{0.61434f, 995.61f, 4180.3f, 0.00079722f, 0.02, 1.0};
    const calc::FluidSide benzene{0.13259f, 836.89f, 1830.6f, 0.00039644f, 0.025, 0.5};
    const calc::SizingInput crossing{water, benzene, 25.0f, 60.0f, 80.0f, 40.0f, 5.0f};
    const calc::SizingWorking working = calc::sizing_working(crossing);
    const calc::DesignChecks checks = calc::design_checks(crossing, working.result, std::nullopt);
    design::SimulationInput in;
    in.design = design::layout_input(crossing, working, checks, design::FillKind::Typed,
                                     design::FillKind::Typed)
                    .input;
    in.choices = {.tube_length = 3.0,
                  .shell_diameter = 0.5,
                  .baffle_spacing = 0.1,
                  .passes = 4.0,
                  .per_pass = 20.0,
                  .shells = 4.0};
    in.layout = design::layout(in.design, in.choices);
    in.rating = design::rate(in.design, in.layout, in.choices);
    in.tube = {25.0, 5.0, {0.61434, 995.61, 4180.3, 0.00079722, 0.02, 1.0}};
    in.shell = {80.0,
                5.0 * 4180.3 * 35.0 / (1830.6 * 40.0),
                {0.13259, 836.89, 1830.6, 0.00039644, 0.025, 0.5}};
    const design::Simulation sim = design::simulate(in);
    const design::SimulatedState& s = sim.states.at(0);
    expect_digits(s.tube_outlet, 61.43187766, 1e-9);
    expect_digits(s.shell_outlet, 38.36356838, 1e-9);
    expect_digits(s.duty, 761480.891);
    expect_digits(s.effectiveness, 0.7570260294);
    expect_digits(s.units, 2.819302252);
    expect_digits(s.ratio, 0.875, 1e-15);
    expect_digits(s.correction, 0.9333203779);
    EXPECT_EQ(sim.evaluations, 2);
}

// §6.2: the trial for the search's best with 1.6 kg/s of water, each guess and its outlets.
TEST(Simulation, TrialStepByStep) {
    design::SimulationInput in = exchanger(true);
    in.tube.flow = 1.6;
    in.tube.fluid = in.shell.fluid = water();
    const design::Simulation sim = design::simulate(in);
    const std::array<std::array<double, 4>, 7> steps{{
        {20, 90, 45.362008058703, 59.594150854718},
        {45.362008058703, 59.594150854718, 45.776669340312, 59.037762217415},
        {45.776669340312, 59.037762217415, 45.781084746353, 59.031275778966},
        {45.781084746353, 59.031275778966, 45.781127093411, 59.031210817816},
        {45.781127093411, 59.031210817816, 45.781127478197, 59.031210213039},
        {45.781127478197, 59.031210213039, 45.781127481581, 59.031210207640},
        {45.781127481581, 59.031210207640, 45.781127481610, 59.031210207593},
    }};
    ASSERT_EQ(sim.trial.size(), steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        for (std::size_t j = 0; j < 4; ++j) EXPECT_NEAR(sim.trial[k][j], steps[k][j], 2e-11);
    }
    // The state at the last step, to the 9 digits given.
    const design::SimulatedState& s = sim.states[0];
    const double digits9 = 5e-9;
    expect_digits(s.tube_fluid.viscosity, 7.50490064e-4, digits9);
    expect_digits(s.rating.tube.velocity, 0.568898236, digits9);
    expect_digits(s.rating.tube.reynolds, 15080.3926, digits9);
    expect_digits(s.rating.shell.reynolds, 11808.4759, digits9);
    expect_digits(s.rating.clean_coefficient, 1169.54075, digits9);
    EXPECT_FALSE(sim.scanned);
}

// ε at its limits against the closed forms evaluated on their own: NTU → 0, C_r 0 and 1, and
// 例 4-9's design state (ε = 107/165) and its halved water (ε = 0.572735).
TEST(Simulation, EffectivenessLimits) {
    using calc::counterflow_effectiveness;
    using calc::one_two_effectiveness;
    for (const double ntu : {1e-6, 0.3, 2.0, 20.0}) {
        SCOPED_TRACE(ntu);
        expect_digits(counterflow_effectiveness(ntu, 0.0), -std::expm1(-ntu), 1e-15);
        expect_digits(counterflow_effectiveness(ntu, 1.0), ntu / (1.0 + ntu), 1e-15);
        expect_digits(one_two_effectiveness(ntu, 0.0), -std::expm1(-ntu), 1e-15);
        const double E = std::sqrt(2.0);
        const double g = -std::expm1(-ntu * E);
        expect_digits(one_two_effectiveness(ntu, 1.0), 2.0 / (2.0 + E * (2.0 - g) / g), 1e-9);
    }
    // Far along, ε stays at its limit 1 rather than an ulp above it (a fuzz input).
    EXPECT_LE(counterflow_effectiveness(59.3356, 0.062631), 1.0);
    // NTU 1e-9 with C_r near 1: nothing cancels, ε = NTU to first order.
    expect_digits(counterflow_effectiveness(1e-9, 1.0 - 1e-12), 1e-9, 1e-8);
    expect_digits(counterflow_effectiveness(1.284918, 0.467290), 107.0 / 165.0, 1e-6);
    expect_digits(counterflow_effectiveness(1.284918, 0.934579), 0.572735, 1e-6);
    // Shells in series at their limits: one shell is the 1-2 form; N shells of C_r 0 are one
    // counter-flow at the whole NTU.
    EXPECT_EQ(calc::effectiveness(0.8, 0.5, 2, 1), one_two_effectiveness(0.8, 0.5));
    expect_digits(calc::effectiveness(1.2, 0.0, 2, 3), -std::expm1(-1.2), 1e-14);
    // F of N_s shells from a state: the benzene case's check values, F₂ 0.7615865384 …
    const double P = 35.0 / 55.0, R = 40.0 / 35.0;  // t 25 → 60 ℃, T 80 → 40 ℃
    const double cr = 1.0 / R, eps = P * R;         // the shell side is C_min
    const std::array<double, 3> F{0.7615865384, 0.9072731447, 0.9496878481};
    for (int n = 2; n <= 4; ++n) {
        // NTU from ε back through the series' inverse: one shell's ε₁, then its 1-2 NTU.
        const double y = (1.0 - cr) * eps / (1.0 - eps);
        const double zm1 = std::expm1(std::log1p(y) / n);
        const double e1 = zm1 / (zm1 + 1.0 - cr);
        const double E = std::sqrt(1.0 + cr * cr);
        const double g = 2.0 * E * e1 / (2.0 - e1 * (1.0 + cr - E));
        const double ntu = n * -std::log1p(-g) / E;
        expect_digits(calc::effectiveness(ntu, cr, 2, n), eps, 1e-12);
        expect_digits(calc::state_correction(eps, cr, ntu), F[static_cast<std::size_t>(n - 2)],
                      1e-9);
    }
}

// Rated at its own simulated outlets, the exchanger's area is the area it needs: A′ = S.
TEST(Simulation, RatedAtItsOutletsTheMarginIsNil) {
    design::SimulationInput in = exchanger(true);
    const design::SimulatedState s = design::simulate(in).states[0];
    // Δt_m of the simulated outlets, Bowman's F of one 1-2 shell at them (its closed form
    // written out here), and Q = W_i·cp_i·(t2 − t1).
    const double t1 = 20.0, t2 = s.tube_outlet, T1 = 90.0, T2 = s.shell_outlet;
    const double d1 = T1 - t2, d2 = T2 - t1;
    const double dtm = (d1 - d2) / std::log(d1 / d2);
    const double P = (t2 - t1) / (T1 - t1), R = (T1 - T2) / (t2 - t1);
    const double S = std::sqrt(R * R + 1.0);
    const double F = S / (R - 1.0) * std::log((1.0 - P) / (1.0 - P * R)) /
                     std::log((2.0 - P * (R + 1.0 - S)) / (2.0 - P * (R + 1.0 + S)));
    expect_digits(s.correction, F, 1e-12);
    const double Q = 2.0 * 4174.0 * (t2 - t1);
    const double area = Q / (s.rating.coefficient * F * dtm);
    EXPECT_NEAR(area / in.layout.area - 1.0, 0.0, 1e-12);
}

// What cannot be simulated is refused, naming the side.
TEST(Simulation, Refusals) {
    design::SimulationInput in = exchanger(false);
    in.tube.flow = 0.0;
    try {
        (void)design::simulate(in);
        FAIL();
    } catch (const design::SimulationFault& f) {
        EXPECT_EQ(f.refusal, design::SimulationRefusal::Flow);
        EXPECT_EQ(f.side, calc::Side::Tube);
    }
    in = exchanger(false);
    in.shell.fluid = water();
    in.shell.inlet = 380.0;  // above IAPWS region 1's 350 ℃
    try {
        (void)design::simulate(in);
        FAIL();
    } catch (const design::SimulationFault& f) {
        EXPECT_EQ(f.refusal, design::SimulationRefusal::Inlet);
        EXPECT_EQ(f.side, calc::Side::Shell);
        EXPECT_EQ(f.range.high, 350.0);
    }
    // Equal inlets: nothing moves.
    in = exchanger(false);
    in.shell.inlet = 20.0;
    const design::SimulatedState s = design::simulate(in).states[0];
    EXPECT_EQ(s.duty, 0.0);
    EXPECT_EQ(s.tube_outlet, 20.0);
    EXPECT_EQ(s.shell_outlet, 20.0);
}

// §6.3's boundary case: water at 4.4826 ℃, 4.81895 kg/s in 66 tubes per pass × 2 passes of
// φ38×3, 1.5 m, heated by water at 76.978 ℃, 75.47 kg/s, in a 700 mm shell with baffles every
// 150 mm. Fouled with 0.00035 on each side, the laminar form's outlet lies on the transition's
// side and the transition's on the laminar's: no root, and the scan holds the tube side at
// Re′ = 2300. Where it holds, the tube outlet and Q follow from the tube side alone; worked on
// their own with python3-iapws: μ = 4W/(n_s·π·d_i·2300) at a mean of 11.1713 ℃, t2 =
// 17.860046106 ℃, Q = 270373.3234 W, T2 = 76.123563314 ℃. Clean, the trial converges but the
// scan runs as well, and finds the trial's state.
design::SimulationInput boundary_case(double fouling) {
    const calc::FluidSide t{0.57f, 1000.0f, 4200.0f, 0.0015f, 0.032, 0.3};
    const calc::FluidSide sh{0.66f, 975.0f, 4190.0f, 0.00037f, 0.038, 0.5};
    const calc::SizingInput x{t, sh, 4.5f, 18.0f, 77.0f, 76.0f, 4.81895f};
    const calc::SizingWorking w = calc::sizing_working(x);
    const calc::DesignChecks c = calc::design_checks(x, w.result, std::nullopt);
    design::SimulationInput in;
    in.design =
        design::layout_input(x, w, c, design::FillKind::Water, design::FillKind::Water).input;
    in.choices = {.tube_length = 1.5,
                  .shell_diameter = 0.7,
                  .baffle_spacing = 0.15,
                  .passes = 2.0,
                  .per_pass = 66.0,
                  .tube_fouling = design::FoulingChoice{{}, fouling},
                  .shell_fouling = design::FoulingChoice{{}, fouling}};
    in.layout = design::layout(in.design, in.choices);
    in.rating = design::rate(in.design, in.layout, in.choices);
    in.tube = {4.4826, 4.81895, {0, 0, 0, 0, 0.032, 0}, water()};
    in.shell = {76.978, 75.47, {0, 0, 0, 0, 0.038, 0}, water()};
    return in;
}

TEST(Simulation, CorrelationBoundary) {
    const design::Simulation held = design::simulate(boundary_case(0.00035));
    EXPECT_FALSE(held.converged);
    EXPECT_TRUE(held.scanned);
    ASSERT_EQ(held.states.size(), 1u);
    const design::SimulatedState& b = held.states[0];
    EXPECT_TRUE(b.boundary);
    expect_digits(b.rating.tube.reynolds, 2300.0, 1e-9);
    EXPECT_NEAR(b.tube_outlet, 17.860046106, 1e-8);
    EXPECT_NEAR(b.shell_outlet, 76.123563314, 1e-8);
    expect_digits(b.duty, 270373.3234, 1e-9);
    // The laminar form's outlet above the boundary's, the transition's below.
    EXPECT_GT(b.boundary_outlets[0], b.tube_outlet);
    EXPECT_LT(b.boundary_outlets[1], b.tube_outlet);

    const design::Simulation clean = design::simulate(boundary_case(0.0));
    EXPECT_TRUE(clean.converged && clean.scanned);
    ASSERT_EQ(clean.states.size(), 1u);
    EXPECT_FALSE(clean.states[0].boundary);
    EXPECT_NEAR(clean.states[0].tube_outlet, clean.trial.back()[2], 1e-8);
    EXPECT_NEAR(clean.states[0].shell_outlet, clean.trial.back()[3], 1e-8);
}

}  // namespace

namespace {

// §6.6: a condensing shell side, C_r = 0: condensation's examples (a) steam at 200 kPa over
// 3 kg/s of water at 20 ℃ in its default layout of 40 tubes of 2 m in 4 passes, and (b)
// benzene at 101.325 kPa over 10 kg/s of water at 25 ℃ in 32 tubes of 6 m, each to the tenth
// digit the method's worked example gives, with D = Q/r and the wall of the state.
TEST(Simulation, CondensingShell) {
    struct Case {
        design::CondensingInput estimate;
        calc::FluidState tube;
        double t2, Q, D, effectiveness, ntu, K, alpha_o, wall;
        int evaluations;
    };
    const Case cases[] = {
        {{{0.64059f, 988.01f, 4179.8f, 0.00054650f, 0.02, 1.0},
          0.025,
          20.0f,
          80.0f,
          3.0f,
          properties::find_vapour("水"),
          200.0},
         {0.64059, 988.01, 4179.8, 0.00054650, 0.02, 1.0},
         70.82607728,
         637328.5134,
         0.289489834,
         0.5071878375,
         0.7076271867,
         1412.216879,
         9292.93716,
         109.296377,
         7},
        {{{0.61434f, 995.61f, 4180.3f, 0.00079722f, 0.02, 1.0},
          0.025,
          25.0f,
          35.0f,
          10.0f,
          properties::find_vapour("苯"),
          101.325},
         {0.61434, 995.61, 4180.3, 0.00079722, 0.02, 1.0},
         36.43241903,
         477909.4128,
         1.21196949,
         0.2073775316,
         0.2324082509,
         644.2699599,
         1208.82062,
         53.9109519,
         7},
    };
    for (const Case& c : cases) {
        const design::CondensingEstimate e = design::condensing_estimate(c.estimate);
        design::SimulationInput in;
        in.design = design::condensing_layout_input(e, design::FillKind::Typed).input;
        in.layout = design::layout(in.design, {});
        in.rating = design::rate_condensing(in.design, in.layout, {}).rating;
        in.tube = {c.estimate.t1, c.estimate.W, c.tube};
        const design::Simulation sim = design::simulate(in);
        const design::SimulatedState& s = sim.states.at(0);
        expect_digits(s.tube_outlet, c.t2, 1e-9);
        EXPECT_EQ(s.shell_outlet, in.design.saturation.celsius);
        expect_digits(s.duty, c.Q);
        expect_digits(s.condensed, c.D, 5e-9);
        expect_digits(s.effectiveness, c.effectiveness);
        expect_digits(s.units, c.ntu);
        expect_digits(s.rating.coefficient, c.K);
        expect_digits(s.rating.shell.alpha, c.alpha_o, 5e-9);
        expect_digits(s.wall, c.wall, 5e-9);
        EXPECT_EQ(s.ratio, 0.0);
        EXPECT_EQ(sim.evaluations, c.evaluations);
    }
    // A tube inlet at t_s or above is refused.
    const design::CondensingEstimate e = design::condensing_estimate(cases[0].estimate);
    design::SimulationInput hot;
    hot.design = design::condensing_layout_input(e, design::FillKind::Typed).input;
    hot.layout = design::layout(hot.design, {});
    hot.rating = design::rate_condensing(hot.design, hot.layout, {}).rating;
    hot.tube = {125.0, 3.0, cases[0].tube};
    try {
        (void)design::simulate(hot);
        FAIL();
    } catch (const design::SimulationFault& f) {
        EXPECT_EQ(f.refusal, design::SimulationRefusal::AboveSaturation);
    }
    // A typed tube side far below freezing pulls the wall, and the benzene condensate's film,
    // below its liquid's rows: refused in words, not a fault that escapes.
    const design::CondensingEstimate b = design::condensing_estimate(cases[1].estimate);
    design::SimulationInput cold;
    cold.design = design::condensing_layout_input(b, design::FillKind::Typed).input;
    cold.layout = design::layout(cold.design, {});
    cold.rating = design::rate_condensing(cold.design, cold.layout, {}).rating;
    cold.tube = {-300.0, 10.0, cases[1].tube};
    try {
        (void)design::simulate(cold);
        FAIL();
    } catch (const design::SimulationFault& f) {
        EXPECT_EQ(f.refusal, design::SimulationRefusal::Film);
        EXPECT_LT(f.value, f.range.low);
    }
}

}  // namespace
