#include "design/simulation.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "calc/effectiveness.hpp"
#include "design/condensing.hpp"
#include "math/same_math.h"

namespace design {
namespace {

constexpr Double nan = std::numeric_limits<Double>::quiet_NaN();
constexpr Double scan_tolerance = 1e-13;  // of Q_max, or of 1 + ΔT_max for an outlet

// The exchanger and the two streams as every evaluation takes them.
struct Model {
    const SimulationInput& in;
    bool tube_hot, tube_gas, shell_gas;
    properties::Range tube_range, shell_range;
    Wall wall;
    LayoutChoices fixed;  // the fouling as the rating took it, the wall, the roughness
    Double span;          // ΔT_max = |T_o,in − t_i,in|
    bool vapour;          // the shell condenses at t_s = the shell's inlet
};

properties::Range range_of(const SimulatedSide& side) {
    if (!side.fluid) return {-calc::unbounded, calc::unbounded};
    return properties::fluid_range(*side.fluid, side.fraction);
}

// λ, ρ, cp, μ at the side's mean, clamped into its fluid's range; the typed ones where no
// fluid follows.
calc::FluidState properties_at(const SimulatedSide& side, const properties::Range& range,
                               Double mean) {
    if (!side.fluid) return side.typed;
    const properties::Properties p = properties::fluid_properties(
        *side.fluid, std::clamp(mean, range.low, range.high), side.pressure, side.fraction);
    return {p.conductivity, p.density,           p.specific_heat,
            p.viscosity,    side.typed.diameter, side.typed.velocity};
}

// The rating's tube side at a mean: u_i′ and the film in the one form both the trial and the
// scan's form search take.
TubeFilm tube_side(const Model& m, Double mean, calc::FluidState* fluid = nullptr) {
    calc::FluidState f = properties_at(m.in.tube, m.tube_range, mean);
    f.velocity = tube_velocity(m.in.tube.flow, f.density, f.diameter, m.in.layout.per_pass);
    if (fluid) *fluid = f;
    return tube_film(f, m.in.layout.length, m.tube_gas, !m.tube_hot);
}

// The form of the tube side: which correlation, and whether the transition factor applies.
int form_of(const TubeFilm& f) {
    return static_cast<int>(f.form) * 2 + (f.reynolds < tube_transition_below ? 1 : 0);
}

// ε as NTU → ∞.
Double effectiveness_limit(Double cr, Double passes, Double shells) {
    if (passes < 2.0) return 1.0;
    const Double one = 2.0 / (1.0 + cr + std::sqrt(1.0 + cr * cr));
    return shells > 1.0 ? calc::series_effectiveness(one, cr, shells) : one;
}

calc::FluidSide as_read(const calc::FluidState& f) {
    return {static_cast<calc::Single>(f.conductivity),
            static_cast<calc::Single>(f.density),
            static_cast<calc::Single>(f.specific_heat),
            static_cast<calc::Single>(f.viscosity),
            f.diameter,
            f.velocity};
}

// One evaluation: properties at the means of the guessed outlets, the rating's K′, NTU, ε, and
// the outlets that gives.
// A condensing shell (C_r = 0): the tube side at its mean, R_rest, the wall trial at the Δt_m of
// the guessed outlet, K′ = 1/(1/α_o + R_rest), NTU, ε = 1 − e^(−NTU), the outlet, and D = Q/r.
SimulatedState condensing_state(const Model& m, Double tube_guess) {
    const SimulationInput& in = m.in;
    const Layout& l = in.layout;
    const Double ts = in.design.saturation.celsius;
    SimulatedState s;
    s.tube_mean = (in.tube.inlet + tube_guess) / 2.0;
    s.shell_mean = ts;
    const TubeFilm tube = tube_side(m, s.tube_mean, &s.tube_fluid);
    const Double dtm = tube_guess > in.tube.inlet
                           ? condensing_mean_difference(ts, in.tube.inlet, tube_guess)
                           : ts - in.tube.inlet;
    const CondensingRating c = rate_condensing(in.design, l, m.fixed, tube, m.wall, dtm);
    s.rating = c.rating;
    s.wall = c.trial.wall;
    const Double capacity = in.tube.flow * s.tube_fluid.specific_heat;
    s.tube_is_min = true;
    s.ratio = 0.0;
    s.units = s.rating.coefficient * l.area / capacity;
    s.effectiveness = calc::effectiveness(s.units, 0.0, l.passes, l.shells);
    s.limit = 1.0;
    s.duty = s.effectiveness * capacity * m.span;
    s.tube_outlet = std::min(ts, in.tube.inlet + s.duty / capacity);
    s.shell_outlet = ts;
    s.condensed = s.duty / in.design.saturation.latent_heat;
    s.correction =
        l.passes >= 2.0 ? calc::state_correction(s.effectiveness, s.ratio, s.units) : nan;
    s.film_reynolds =
        4.0 * s.condensed / (l.length * same_pow(l.tubes, 2.0 / 3.0)) / c.trial.film.viscosity;
    LayoutInput at = in.design;
    at.tube = as_read(s.tube_fluid);
    at.tube_flow = in.tube.flow;
    at.shell_flow = s.condensed;
    Layout now = l;
    now.tube_velocity = tube.velocity;
    s.tube_drop =
        tube_drop(at, now, m.fixed.roughness.value_or(default_roughness), l.tube.allowable);
    s.shell_drop = shell_drop(at, now, true, l.shell.allowable);
    return s;
}

SimulatedState evaluate(const Model& m, Double tube_guess, Double shell_guess) {
    if (m.vapour) return condensing_state(m, tube_guess);
    const SimulationInput& in = m.in;
    const Layout& l = in.layout;
    SimulatedState s;
    s.tube_mean = (in.tube.inlet + tube_guess) / 2.0;
    s.shell_mean = (in.shell.inlet + shell_guess) / 2.0;
    const TubeFilm tube = tube_side(m, s.tube_mean, &s.tube_fluid);
    s.shell_fluid = properties_at(in.shell, m.shell_range, s.shell_mean);
    const ShellFilm shell =
        shell_film(s.shell_fluid, in.shell.flow, l.arrangement, l.pitch, in.design.shell.diameter,
                   l.shell_diameter, l.baffle_spacing, m.shell_gas, m.tube_hot);
    s.rating = rate(in.design, l, m.fixed, tube, shell, m.wall);

    const Double tube_capacity = in.tube.flow * s.tube_fluid.specific_heat;
    const Double shell_capacity = in.shell.flow * s.shell_fluid.specific_heat;
    s.tube_is_min = tube_capacity <= shell_capacity;
    const Double least = std::min(tube_capacity, shell_capacity);
    s.ratio = least / std::max(tube_capacity, shell_capacity);
    // NTU = K′·S/C_min, S of every shell
    s.units = s.rating.coefficient * l.area / least;
    s.effectiveness = calc::effectiveness(s.units, s.ratio, l.passes, l.shells);
    s.limit = effectiveness_limit(s.ratio, l.passes, l.shells);
    s.duty = s.effectiveness * least * m.span;
    // The hot side gives Q up, the cold side takes it; neither passes the other's inlet.
    const Double hot_in = m.tube_hot ? in.tube.inlet : in.shell.inlet;
    const Double cold_in = m.tube_hot ? in.shell.inlet : in.tube.inlet;
    const auto cooled = [&](Double capacity) {
        return std::max(cold_in, hot_in - s.duty / capacity);
    };
    const auto warmed = [&](Double capacity) {
        return std::min(hot_in, cold_in + s.duty / capacity);
    };
    s.tube_outlet = m.tube_hot ? cooled(tube_capacity) : warmed(tube_capacity);
    s.shell_outlet = m.tube_hot ? warmed(shell_capacity) : cooled(shell_capacity);
    s.correction =
        l.passes >= 2.0 ? calc::state_correction(s.effectiveness, s.ratio, s.units) : nan;

    // Both drops at the state, by the layout's own steps.
    LayoutInput at = in.design;
    at.tube = as_read(s.tube_fluid);
    at.shell = as_read(s.shell_fluid);
    at.shell.diameter = in.design.shell.diameter;
    at.tube_flow = in.tube.flow;
    at.shell_flow = in.shell.flow;
    Layout now = l;
    now.tube_velocity = tube.velocity;
    s.tube_drop =
        tube_drop(at, now, m.fixed.roughness.value_or(default_roughness), l.tube.allowable);
    s.shell_drop = shell_drop(at, now, m.shell_gas, l.shell.allowable);
    return s;
}

// The outlet at which a side carries Q: W·cp(t_in ± Δ/2)·Δ = Q for Δ in [0, ΔT_max], + for
// the cold side. cp moves little over Δ, so Δ = Q/(W·cp(t_in ± Δ/2)) settles in a few rounds;
// where it does not, bisection.
Double outlet_carrying(const Model& m, const SimulatedSide& side, const properties::Range& range,
                       bool hot, Double duty) {
    const Double sign = hot ? -1.0 : 1.0;
    const Double tolerance = scan_tolerance * (1.0 + m.span);
    const auto cp_at = [&](Double delta) {
        return properties_at(side, range, side.inlet + sign * delta / 2.0).specific_heat;
    };
    Double delta = 0.0;
    for (int round = 0; round < 20; ++round) {
        const Double next = duty / (side.flow * cp_at(delta));
        if (!(next >= 0.0 && next <= m.span)) break;
        const bool settled = std::abs(next - delta) <= tolerance;
        delta = next;
        if (settled) return side.inlet + sign * delta;
    }
    const auto carried = [&](Double d) { return side.flow * cp_at(d) * d; };
    Double low = 0.0, high = m.span;
    while (high - low > scan_tolerance * (1.0 + m.span)) {
        const Double mid = (low + high) / 2.0;
        (carried(mid) < duty ? low : high) = mid;
    }
    return side.inlet + sign * (low + high) / 2.0;
}

struct Scan {
    const Model& m;
    Double most;  // Q_max

    Double tube_outlet(Double duty) const {
        return outlet_carrying(m, m.in.tube, m.tube_range, m.tube_hot, duty);
    }
    Double shell_outlet(Double duty) const {
        if (m.vapour) return m.in.shell.inlet;  // it condenses at t_s
        return outlet_carrying(m, m.in.shell, m.shell_range, !m.tube_hot, duty);
    }
    int form_at(Double duty) const {
        return form_of(tube_side(m, (m.in.tube.inlet + tube_outlet(duty)) / 2.0));
    }
    // r(Q) = Q − Q′(Q), with the evaluation at the outlets that carry Q.
    std::pair<Double, SimulatedState> residual(Double duty) const {
        SimulatedState s = evaluate(m, tube_outlet(duty), shell_outlet(duty));
        const Double r = duty - s.duty;
        return {r, s};
    }
    // The brackets where the tube form changes between `low` and `high`.
    void changes(Double low, int low_form, Double high, int high_form,
                 std::vector<std::pair<Double, Double>>& found) const {
        if (low_form == high_form) return;
        while (high - low > scan_tolerance * most) {
            const Double mid = (low + high) / 2.0;
            const int form = form_at(mid);
            if (form != low_form && form != high_form) {
                changes(low, low_form, mid, form, found);
                changes(mid, form, high, high_form, found);
                return;
            }
            (form == low_form ? low : high) = mid;
        }
        found.emplace_back(low, high);
    }
    // The root of r in a stretch whose r goes from below 0 to above: regula falsi, the end
    // that stays twice running halved (Illinois), a bisection where a step would leave the
    // bracket; to a bracket of 1e-13·Q_max, or an r of exactly 0.
    SimulatedState root(Double low, Double high, Double r_low, Double r_high) const {
        int kept = 0;  // which end stayed last: −1 the low, +1 the high
        for (int step = 0; step < 400 && high - low > scan_tolerance * most; ++step) {
            Double mid = (low * r_high - high * r_low) / (r_high - r_low);
            if (!(mid > low && mid < high) || step % 8 == 7) mid = (low + high) / 2.0;
            auto [r, state] = residual(mid);
            if (r == 0.0) return state;
            if (r < 0.0) {
                low = mid;
                r_low = r;
                if (kept == 1) r_high /= 2.0;
                kept = 1;
            } else {
                high = mid;
                r_high = r;
                if (kept == -1) r_low /= 2.0;
                kept = -1;
            }
        }
        return residual((low + high) / 2.0).second;
    }
};

std::vector<SimulatedState> scan(const Model& m) {
    const SimulationInput& in = m.in;
    const Double middle = (in.tube.inlet + in.shell.inlet) / 2.0;
    const Double tube_capacity =
        in.tube.flow * properties_at(in.tube, m.tube_range, middle).specific_heat;
    // A condensing shell: the tube outlet short of t_s, where Δt_m would vanish.
    const Double most =
        m.vapour ? tube_capacity * m.span * (1.0 - 1e-9)
                 : std::min(tube_capacity,
                            in.shell.flow *
                                properties_at(in.shell, m.shell_range, middle).specific_heat) *
                       m.span;
    const Scan sc{m, most};
    std::vector<std::pair<Double, Double>> jumps;
    sc.changes(0.0, sc.form_at(0.0), most, sc.form_at(most), jumps);
    // The stretches of one form between the jumps, and the jumps themselves.
    std::vector<SimulatedState> states;
    Double start = 0.0;
    const auto stretch = [&](Double low, Double high) {
        const Double r_low = sc.residual(low).first;
        auto [r_high, at_high] = sc.residual(high);
        if (high == most && r_high <= 0.0 && r_low < 0.0) {
            states.push_back(at_high);  // ε = 1 to round-off: Q_max is the root
        } else if (r_low < 0.0 && r_high > 0.0) {
            states.push_back(sc.root(low, high, r_low, r_high));
        }
    };
    for (const auto& [low, high] : jumps) {
        stretch(start, low);
        auto [r_low, below] = sc.residual(low);
        auto [r_high, above] = sc.residual(high);
        if (r_low < 0.0 && r_high > 0.0) {
            // No root on either side: the jump holds the exchanger at the boundary.
            const Double duty = (low + high) / 2.0;
            SimulatedState s = sc.residual(duty).second;
            s.boundary = true;
            s.duty = duty;
            s.tube_outlet = sc.tube_outlet(duty);
            s.shell_outlet = sc.shell_outlet(duty);
            const Double least = std::min(in.tube.flow * s.tube_fluid.specific_heat,
                                          in.shell.flow * s.shell_fluid.specific_heat);
            s.effectiveness = duty / (least * m.span);
            s.boundary_outlets = {below.tube_outlet, above.tube_outlet};
            states.push_back(s);
        }
        start = high;
    }
    stretch(start, most);
    return states;
}

void refuse_outside(const SimulatedSide& side, const properties::Range& range, calc::Side which,
                    Double value, SimulationRefusal refusal) {
    if (side.fluid && !properties::contains(range, value)) {
        throw SimulationFault{refusal, which, value, range, side.fluid, side.fraction};
    }
}

}  // namespace

namespace {

Simulation simulated(const SimulationInput& given) {
    using calc::Side;
    SimulationInput in = given;
    const bool vapour = condensing(in.design);
    if (vapour) {
        // The shell is the vapour at t_s, whatever its fields held; D follows from Q.
        in.shell = {in.design.saturation.celsius, 1.0, calc::full_precision(in.design.shell)};
    }
    if (in.layout.stop != LayoutStop::None) {
        throw SimulationFault{SimulationRefusal::NoLayout, Side::Tube, 0};
    }
    if (!(in.tube.flow > 0.0))
        throw SimulationFault{SimulationRefusal::Flow, Side::Tube, in.tube.flow};
    if (vapour && !(in.tube.inlet < in.design.saturation.celsius)) {
        throw SimulationFault{SimulationRefusal::AboveSaturation, Side::Tube,
                              in.design.saturation.celsius};
    }
    if (!vapour && !(in.shell.flow > 0.0)) {
        throw SimulationFault{SimulationRefusal::Flow, Side::Shell, in.shell.flow};
    }
    Model m{in,
            in.tube.inlet > in.shell.inlet,
            false,
            false,
            range_of(in.tube),
            range_of(in.shell),
            wall(in.design.tube.diameter, in.design.shell.diameter, in.choices.material,
                 in.choices.wall_conductivity),
            in.choices,
            std::abs(in.shell.inlet - in.tube.inlet),
            vapour};

    refuse_outside(in.tube, m.tube_range, Side::Tube, in.tube.inlet, SimulationRefusal::Inlet);
    if (!vapour) {
        refuse_outside(in.shell, m.shell_range, Side::Shell, in.shell.inlet,
                       SimulationRefusal::Inlet);
    }
    // The fouling is the exchanger's, as rated at the design point; the gas flags are the
    // inlets'.
    m.fixed.tube_fouling = FoulingChoice{{}, in.rating.tube_fouling.resistance};
    m.fixed.shell_fouling = FoulingChoice{{}, in.rating.shell_fouling.resistance};
    const calc::FluidState tube_in = properties_at(in.tube, m.tube_range, in.tube.inlet);
    const calc::FluidState shell_in = properties_at(in.shell, m.shell_range, in.shell.inlet);
    m.tube_gas = in.design.tube_fill == FillKind::Gas || tube_in.density < gas_density_below;
    m.shell_gas = in.design.shell_fill == FillKind::Gas || shell_in.density < gas_density_below;

    Simulation sim;
    sim.tube_hot = m.tube_hot;
    Double x_tube = in.tube.inlet, x_shell = in.shell.inlet;
    SimulatedState last;
    while (sim.evaluations < most_evaluations) {
        last = evaluate(m, x_tube, x_shell);
        ++sim.evaluations;
        sim.trial.push_back({x_tube, x_shell, last.tube_outlet, last.shell_outlet});
        const Double step =
            std::max(std::abs(last.tube_outlet - x_tube), std::abs(last.shell_outlet - x_shell));
        x_tube = last.tube_outlet;
        x_shell = last.shell_outlet;
        if (step <= simulation_tolerance) {
            sim.converged = true;
            break;
        }
    }
    // The tube side's form may change along the duty only where it differs between no duty
    // and the largest one; then, or where the trial failed, the scan decides.
    const int no_duty = form_of(tube_side(m, in.tube.inlet));
    const int full_duty = form_of(tube_side(m, (in.tube.inlet + in.shell.inlet) / 2.0));
    if (m.span > 0.0 && (no_duty != full_duty || !sim.converged)) {
        sim.scanned = true;
        sim.states = scan(m);
    }
    if (sim.states.empty()) sim.states.push_back(last);

    const SimulatedState& shown = sim.states.front();
    refuse_outside(in.tube, m.tube_range, Side::Tube, shown.tube_mean, SimulationRefusal::Mean);
    if (!vapour) {
        refuse_outside(in.shell, m.shell_range, Side::Shell, shown.shell_mean,
                       SimulationRefusal::Mean);
    }
    return sim;
}

}  // namespace

Simulation simulate(const SimulationInput& input) {
    try {
        return simulated(input);
    } catch (const CondensingFault& fault) {
        // A condensate's film beyond its rows, or a wall trial that does not settle.
        const bool film = fault.reason == CondensingFault::Reason::FilmOutOfRange;
        throw SimulationFault{film ? SimulationRefusal::Film : SimulationRefusal::WallTrial,
                              calc::Side::Shell, fault.value, fault.range};
    }
}

std::vector<SweepPoint> sweep(const SimulationInput& in, SweptInput swept, Double from, Double to,
                              int points) {
    std::vector<SweepPoint> out;
    for (int k = 0; k < points; ++k) {
        const Double value =
            points > 1 ? from + (to - from) * static_cast<Double>(k) / (points - 1) : from;
        SimulationInput at = in;
        switch (swept) {
            case SweptInput::TubeInlet:
                at.tube.inlet = value;
                break;
            case SweptInput::TubeFlow:
                at.tube.flow = value;
                break;
            case SweptInput::ShellInlet:
                at.shell.inlet = value;
                break;
            case SweptInput::ShellFlow:
                at.shell.flow = value;
                break;
        }
        SweepPoint p{value, {}, {}};
        try {
            p.simulation = simulate(at);
        } catch (const SimulationFault& fault) {
            p.refusal = fault;
        }
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace design
