#include "design/condensing.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "math/same_math.h"

namespace design {
namespace {

// The condensate at the film temperature, its range's refusal in the trial's own words.
properties::Properties film_at(const properties::Vapour& vapour, Double film_celsius) {
    try {
        return properties::condensate(vapour, film_celsius);
    } catch (const properties::OutOfRange& e) {
        throw CondensingFault(vapour, CondensingFault::Reason::FilmOutOfRange, e.value(),
                              e.range());
    }
}

}  // namespace

const properties::Vapour& vapour_named(std::string_view name) {
    if (const properties::Vapour* vapour = properties::find_vapour(name)) return *vapour;
    const bool uncondensable = std::ranges::find(properties::uncondensable_liquids, name) !=
                               properties::uncondensable_liquids.end();
    throw CondensingFault(name, uncondensable ? CondensingFault::Reason::Uncondensable
                                              : CondensingFault::Reason::UnknownVapour);
}

Double condensing_film(const properties::Properties& film, Double latent, Double rows,
                       Double outer_diameter, Double difference) {
    const Double rho = film.density, lambda = film.conductivity;
    const Double x = rho * rho * gravity * lambda * lambda * lambda * latent /
                     (same_pow(rows, 2.0 / 3.0) * film.viscosity * outer_diameter * difference);
    return 0.725 * std::sqrt(std::sqrt(x));
}

// Worked example, steam at 200 kPa, Δt_m 65.7081 K, R_rest 6.00498e-4 ㎡·℃/W, n = √40, φ25:
// 87.3575 → 6878.10 → 107.404; 107.404 → 8910.70 → 109.865; … 17 steps to t_w 110.476 ℃.
WallTrial wall_trial(const properties::Vapour& vapour, const properties::SaturationState& state,
                     Double mean_difference, Double rest, Double rows, Double outer_diameter) {
    const Double ts = state.celsius;
    const auto alpha_at = [&](Double wall, properties::Properties* film, Double* film_celsius) {
        *film_celsius = (ts + wall) / 2.0;
        *film = film_at(vapour, *film_celsius);
        return condensing_film(*film, state.latent_heat, rows, outer_diameter, ts - wall);
    };
    WallTrial trial{};
    Double wall = ts - mean_difference / 2.0;
    for (int step = 0; step < most_wall_steps; ++step) {
        const Double alpha = alpha_at(wall, &trial.film, &trial.film_celsius);
        const Double next = ts - mean_difference / (1.0 + alpha * rest);
        trial.steps.push_back({wall, alpha, next});
        // A wall on t_s to the last bit leaves the film no Δt, and Nusselt's α none.
        if (!std::isfinite(next) || !(next < ts)) break;
        const bool settled = std::abs(next - wall) <= wall_tolerance;
        wall = next;
        if (settled) {
            trial.wall = wall;
            trial.alpha = alpha_at(wall, &trial.film, &trial.film_celsius);
            return trial;
        }
    }
    throw CondensingFault(vapour, CondensingFault::Reason::NoConvergence);
}

// Worked example (a), steam at 200 kPa heating water 20 → 80 ℃, 3 kg/s in φ25×2.5:
// t_s 120.212 ℃, D 0.341742 kg/s, α_t 4780.67, t_w 99.9383 ℃, α_s 10714.1 W/(㎡·℃),
// K = 2809.81494140625, A = 4.57869005203247 ㎡.
CondensingEstimate condensing_estimate(const CondensingInput& in) {
    using Reason = CondensingFault::Reason;
    const properties::Vapour& vapour = *in.vapour;
    if (!properties::contains(vapour.pressures, in.pressure)) {
        throw CondensingFault(vapour, Reason::PressureOutOfRange, in.pressure, vapour.pressures);
    }
    const properties::SaturationState state = properties::saturation_state(vapour, in.pressure);
    if (!(in.t2 > in.t1)) throw CondensingFault(vapour, Reason::NotHeated);
    if (!(Double{in.t2} < state.celsius)) {
        throw CondensingFault(vapour, Reason::AboveSaturation, state.celsius);
    }
    const calc::Single ts = static_cast<calc::Single>(state.celsius);
    const calc::FluidSide shell{0, 0, 0, 0, in.outer_diameter, 0};
    const calc::SizingInput sizing{in.tube, shell, in.t1, in.t2, ts, ts, in.W};
    // The tube film comes first; α_s then follows from it.
    const calc::SizingWorking tube = calc::sizing_working(sizing, 1.0);
    // A film coefficient not above 0 (a negative diameter, or μ and cp both negative) would
    // put the wall beyond the tube side: no trial has a meaning.
    if (!(tube.tube.alpha > 0.0)) {
        throw calc::Fault(calc::FaultKind::InvalidArgument,
                          {calc::Quantity::FilmCoefficient, calc::Side::Tube});
    }
    const Double dtm = condensing_mean_difference(state.celsius, in.t1, in.t2);
    WallTrial trial =
        wall_trial(*in.vapour, state, dtm, 1.0 / tube.tube.alpha, 1.0, in.outer_diameter);
    const calc::SizingWorking working = calc::sizing_working(sizing, trial.alpha);
    return {in.vapour,
            state,
            sizing,
            working,
            calc::condensing_checks(sizing, working.result),
            Double{working.result.Q} / state.latent_heat,
            state.celsius - dtm,
            std::move(trial)};
}

Double condensing_mean_difference(Double saturation, Double t1, Double t2) {
    const Double a = saturation - t1, b = saturation - t2;
    return (a - b) / same_log(a / b);
}

LayoutStart condensing_layout_input(const CondensingEstimate& e, FillKind tube_fill) {
    if (!e.checks.tubes) return {LayoutGap::Tubes, {}};
    const properties::SaturationState& s = e.state;
    const calc::FluidSide vapour{0,
                                 static_cast<calc::Single>(s.vapour_density),
                                 0,
                                 static_cast<calc::Single>(s.vapour_viscosity),
                                 e.input.shell.diameter,
                                 0};
    LayoutInput in{e.input.tube,
                   vapour,
                   e.input.W,
                   e.vapour_flow,
                   e.working.result.A,
                   {1.0, 1.0, 1.0, 1.0},
                   e.checks.tubes->per_pass,
                   std::abs(Double{e.working.result.Q}),
                   std::abs(Double{e.working.dtm}),
                   (Double{e.input.t1} + Double{e.input.t2}) / 2.0,
                   s.celsius,
                   true,
                   false,
                   tube_fill,
                   properties::is_steam(*e.vapour) ? FillKind::Steam : FillKind::Vapour};
    in.vapour = e.vapour;
    in.saturation = s;
    const bool finite = std::isfinite(in.area) && in.area > 0 && std::isfinite(in.duty) &&
                        std::isfinite(in.mean_difference) && in.tube_flow > 0 &&
                        in.tube.density > 0 && in.tube.viscosity > 0 && in.tube.velocity > 0;
    return {finite ? LayoutGap::None : LayoutGap::NotPositive, in};
}

// R_rest = R_so + b·d_o/(λ_w·d_m) + R_si·d_o/d_i + d_o/(α_i·d_i), the rating's own terms; then
// the trial with n = √N_T, and K′, A′, H′ as the rating works them with α_o.
// Worked example (a), 40 tubes of 2 m in 4 passes: R_rest 6.00498e-4, t_w 110.476 ℃,
// α_o 9574.46, K′ 1418.56, A′ 8.07166 ㎡, H′ −22.1574 %, G″ 0.0146093, Re_f 241.412.
CondensingRating rate_condensing(const LayoutInput& in, const Layout& l,
                                 const LayoutChoices& choices) {
    return rate_condensing(
        in, l, choices, laid_out_tube_film(in, l),
        wall(in.tube.diameter, in.shell.diameter, choices.material, choices.wall_conductivity));
}

CondensingRating rate_condensing(const LayoutInput& in, const Layout& l,
                                 const LayoutChoices& choices, const TubeFilm& tube,
                                 const Wall& tube_wall) {
    return rate_condensing(in, l, choices, tube, tube_wall, in.mean_difference);
}

CondensingRating rate_condensing(const LayoutInput& in, const Layout& l,
                                 const LayoutChoices& choices, const TubeFilm& tube,
                                 const Wall& tube_wall, Double mean_difference) {
    ShellFilm shell{};
    shell.gas = true;
    shell.wall_factor = 1.0;
    shell.alpha = std::numeric_limits<Double>::infinity();
    const Resistances s = rate(in, l, choices, tube, shell, tube_wall).resistances;
    CondensingRating c{};
    c.rest = s.shell_fouling + s.wall + s.tube_fouling + s.tube_film;
    c.rows = std::sqrt(l.tubes);
    c.trial =
        wall_trial(*in.vapour, in.saturation, mean_difference, c.rest, c.rows, in.shell.diameter);
    shell.alpha = c.trial.alpha;
    c.rating = rate(in, l, choices, tube, shell, tube_wall);
    c.loading = in.shell_flow / (l.length * same_pow(l.tubes, 2.0 / 3.0));
    c.film_reynolds = 4.0 * c.loading / c.trial.film.viscosity;
    return c;
}

}  // namespace design
