#include "design/layout.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "math/same_math.h"

namespace design {
namespace {

constexpr Double pi = std::numbers::pi;

// Where a product such as 1.1·√100 or a quotient such as 4.5/0.15 lands a few ulps off the
// whole number it is, it counts as that number.
constexpr Double whole_tolerance = 1e-9;

Double whole_up(Double x) {
    const Double nearest = std::round(x);
    if (std::abs(x - nearest) <= whole_tolerance * std::max(1.0, std::abs(x))) return nearest;
    return std::ceil(x);
}

bool at_least(Double value, Double low) {
    return value >= low * (1.0 - whole_tolerance);
}

bool within(Double value, const Range& range) {
    return at_least(value, range.low) && value <= range.high * (1.0 + whole_tolerance);
}

bool is_mm(Double metres, Double mm) {
    return std::abs(metres * 1000.0 - mm) <= whole_tolerance * mm;
}

Double log10(Double x) {
    return same_log(x) / std::numbers::ln10;
}

bool positive(Double x) {
    return std::isfinite(x) && x > 0.0;
}

// Margins a few ulps apart, as N_p·L = 9 m gives from 6 × 1.5 and 2 × 4.5, are the same margin.
bool same_margin(Double a, Double b) {
    return std::abs(a - b) <= whole_tolerance;
}

// Steps 4, 5 and 10 for one tube length: the passes, the tubes and the margin.
struct Trial {
    Double length, ratio, passes, tubes, area, required, margin;
};

// A chosen N_p is kept whatever L′/L asks.
std::optional<Trial> trial(const LayoutInput& in, Double shells, Double per_pass,
                           Double pass_length, Double length, std::optional<Double> chosen_passes) {
    const Double ratio = pass_length / length;
    const Double F = shells_correction(in, shells);
    const std::optional<Double> passes = chosen_passes ? chosen_passes : tube_passes(ratio);
    if (!passes) return std::nullopt;
    const Double tubes = per_pass * *passes;
    // S = N_s·N_T·π·d_o·L;  A_req = A/F for two passes or more, A for one;  H = S/A_req − 1
    const Double area = shells * tubes * pi * in.shell.diameter * length;
    const Double required = *passes >= 2.0 ? in.area / F : in.area;
    return Trial{length, ratio, *passes, tubes, area, required, area / required - 1.0};
}

// The length whose margin lies in 15–25 % with the fewest passes (the shorter on a tie); else
// the one with the least margin of 10 % or more (the fewest passes on a tie, then the shorter);
// else 6 m. The lengths are tried shortest first, so a tie keeps the one found first.
std::pair<Double, LengthRule> default_length(const LayoutInput& in, Double shells, Double per_pass,
                                             Double pass_length,
                                             std::optional<Double> chosen_passes) {
    std::optional<Trial> aimed, floor;
    for (const Double length : standard_lengths) {
        const std::optional<Trial> t =
            trial(in, shells, per_pass, pass_length, length, chosen_passes);
        if (!t) continue;
        if (within(t->margin, margin_aim) && (!aimed || t->passes < aimed->passes)) aimed = t;
        if (t->margin < margin_sound.low) continue;
        const bool tie = floor && same_margin(t->margin, floor->margin);
        if (!floor || (tie ? t->passes < floor->passes : t->margin < floor->margin)) floor = t;
    }
    if (aimed) return {aimed->length, LengthRule::InAim};
    if (floor) return {floor->length, LengthRule::AboveFloor};
    return {6.0, LengthRule::Fallback};
}

bool standard_length(Double length) {
    return std::ranges::any_of(standard_lengths, [&](Double l) { return l == length; });
}

Range standard_range(const auto& list, Double scale) {
    return {list.front() * scale, list.back() * scale};
}

}  // namespace

ArrangementFactors arrangement_factors(Arrangement arrangement) {
    switch (arrangement) {
        case Arrangement::Triangle:
            return {1.1, 0.5};
        case Arrangement::Square:
            return {1.19, 0.3};
        case Arrangement::RotatedSquare:
            return {1.19, 0.4};
    }
    return {1.1, 0.5};
}

bool tube_gas(const LayoutInput& in) {
    return in.tube_fill == FillKind::Gas || in.tube.density < gas_density_below;
}

bool shell_gas(const LayoutInput& in) {
    return condensing(in) || in.shell_fill == FillKind::Gas || in.shell.density < gas_density_below;
}

bool condensing(const LayoutInput& in) {
    return in.vapour != nullptr;
}

Double shells_correction(const LayoutInput& in, Double shells) {
    if (!(shells >= 1.0 && shells <= shells_range.high)) {
        return std::numeric_limits<Double>::quiet_NaN();
    }
    return in.corrections[static_cast<std::size_t>(shells) - 1];
}

bool has_correction(const LayoutInput& in, Double shells) {
    const Double F = shells_correction(in, shells);
    return std::isfinite(F) && F > 0.0;
}

Double default_shells(const LayoutInput& in) {
    if (shells_correction(in, 1.0) >= calc::correction_floor) return 1.0;
    for (const Double n : shell_counts) {
        if (shells_correction(in, n) >= calc::correction_floor) return n;
    }
    return 1.0;
}

LayoutStart layout_input(const calc::SizingInput& input, const calc::SizingWorking& working,
                         const calc::DesignChecks& checks, FillKind tube, FillKind shell) {
    if (!opposite(checks.trends)) return {LayoutGap::Streams, {}};
    if (!checks.correction) return {LayoutGap::Correction, {}};
    if (!checks.balance) return {LayoutGap::Balance, {}};
    if (!checks.tubes) return {LayoutGap::Tubes, {}};
    const LayoutInput in{input.tube,
                         input.shell,
                         input.W,
                         checks.balance->shell_flow,
                         working.result.A,
                         calc::series_shells(checks.correction->P, checks.correction->R).F,
                         checks.tubes->per_pass,
                         std::abs(Double{working.result.Q}),
                         std::abs(Double{working.dtm}),
                         (Double{input.t1} + Double{input.t2}) / 2.0,
                         (Double{input.T1} + Double{input.T2}) / 2.0,
                         checks.trends.tube == calc::Trend::Rises,
                         checks.trends.shell == calc::Trend::Rises,
                         tube,
                         shell};
    const bool all_positive = std::ranges::all_of(
        std::array<Double, 15>{in.tube.diameter, in.shell.diameter, in.tube.velocity,
                               in.tube.density, in.tube.viscosity, in.tube.conductivity,
                               in.tube.specific_heat, in.shell.density, in.shell.viscosity,
                               in.shell.conductivity, in.shell.specific_heat, in.tube_flow,
                               in.shell_flow, in.area, in.per_pass},
        positive);
    const bool all_finite = std::isfinite(in.duty) && std::isfinite(in.mean_difference) &&
                            std::isfinite(in.tube_mean_temperature) &&
                            std::isfinite(in.shell_mean_temperature);
    return {all_positive && all_finite ? LayoutGap::None : LayoutGap::NotPositive, in};
}

std::optional<RefusedChoice> refused_choice(const LayoutChoices& c) {
    if (c.tube_length && !standard_length(*c.tube_length)) {
        return RefusedChoice{LayoutChoice::TubeLength, *c.tube_length,
                             standard_range(standard_lengths, 1.0), true};
    }
    if (c.pitch && !positive(*c.pitch)) return RefusedChoice{LayoutChoice::Pitch, *c.pitch, {0.0}};
    if (c.shell_diameter && std::ranges::none_of(standard_shells_mm, [&](Double mm) {
            return is_mm(*c.shell_diameter, mm);
        })) {
        return RefusedChoice{LayoutChoice::ShellDiameter, *c.shell_diameter,
                             standard_range(standard_shells_mm, 1e-3), true};
    }
    if (c.baffle_spacing && !positive(*c.baffle_spacing)) {
        return RefusedChoice{LayoutChoice::BaffleSpacing, *c.baffle_spacing, {least_spacing}};
    }
    if (c.roughness && !within(*c.roughness, roughness_range)) {
        return RefusedChoice{LayoutChoice::Roughness, *c.roughness, roughness_range};
    }
    if (c.allowable_tube_drop && !positive(*c.allowable_tube_drop)) {
        return RefusedChoice{LayoutChoice::AllowableTubeDrop, *c.allowable_tube_drop, {0.0}};
    }
    if (c.allowable_shell_drop && !positive(*c.allowable_shell_drop)) {
        return RefusedChoice{LayoutChoice::AllowableShellDrop, *c.allowable_shell_drop, {0.0}};
    }
    if (c.passes &&
        std::ranges::none_of(standard_passes, [&](Double p) { return p == *c.passes; })) {
        return RefusedChoice{LayoutChoice::Passes, *c.passes, standard_range(standard_passes, 1.0),
                             true};
    }
    if (c.per_pass &&
        !(within(*c.per_pass, per_pass_range) && *c.per_pass == std::floor(*c.per_pass))) {
        return RefusedChoice{LayoutChoice::PerPass, *c.per_pass, per_pass_range,
                             *c.per_pass != std::floor(*c.per_pass)};
    }
    const auto fouling = [&](const std::optional<FoulingChoice>& f, LayoutChoice choice) {
        return f && !f->service && !within(f->resistance, fouling_range)
                   ? std::optional(RefusedChoice{choice, f->resistance, fouling_range})
                   : std::nullopt;
    };
    if (auto r = fouling(c.tube_fouling, LayoutChoice::TubeFouling)) return r;
    if (auto r = fouling(c.shell_fouling, LayoutChoice::ShellFouling)) return r;
    if (c.wall_conductivity && !within(*c.wall_conductivity, wall_conductivity_range)) {
        return RefusedChoice{LayoutChoice::WallConductivity, *c.wall_conductivity,
                             wall_conductivity_range};
    }
    if (c.shells && !(within(*c.shells, shells_range) && *c.shells == std::floor(*c.shells))) {
        return RefusedChoice{LayoutChoice::Shells, *c.shells, shells_range,
                             *c.shells != std::floor(*c.shells)};
    }
    return std::nullopt;
}

// 1/√λ = −2·log10((ε/d)/3.7 + 2.51/(Re·√λ)), by the fixed point in x = 1/√λ, from λ = 0.02,
// to a relative change of λ below 1e-12. For Re ≥ 2000 and ε/d ≤ 0.05 the step shrinks the
// error at least fourfold, so 60 rounds are far more than it ever takes.
// Worked example: Re = 24861.42, ε/d = 0.005 give λ = 0.03376.
Double colebrook(Double reynolds, Double relative_roughness) {
    Double lambda = 0.02;
    for (int round = 0; round < 60; ++round) {
        const Double x =
            -2.0 * log10(relative_roughness / 3.7 + 2.51 / (reynolds * std::sqrt(lambda)));
        const Double next = 1.0 / (x * x);
        const bool settled = std::abs(next - lambda) < 1e-12 * next;
        lambda = next;
        if (settled) break;
    }
    return lambda;
}

// λ = 64/Re below Re = 2000, Colebrook from there (uncertain up to 4000).
Double friction_factor(Double reynolds, Double relative_roughness) {
    if (reynolds < laminar_below) return 64.0 / reynolds;
    return colebrook(reynolds, relative_roughness);
}

// u_i′ = W_i/(ρ_i·n_s·π·d_i²/4): the worked example's 2 kg/s in 7 tubes, 0.91338 m/s.
Double laid_out_velocity(const LayoutInput& in, Double per_pass) {
    return tube_velocity(in.tube_flow, in.tube.density, in.tube.diameter, per_pass);
}

Double tube_velocity(Double flow, Double density, Double inner_diameter, Double per_pass) {
    return flow / (density * per_pass * (pi * inner_diameter * inner_diameter / 4.0));
}

std::optional<Double> tube_passes(Double length_ratio) {
    for (const Double passes : standard_passes) {
        if (length_ratio <= passes) return passes;
    }
    return std::nullopt;
}

// φ19 → 25 mm ... φ57 → 72 mm; another d_o: 1.25·d_o up to a whole mm.
Double standard_pitch(Double outer_diameter) {
    for (const StandardPitch& p : standard_pitches) {
        if (is_mm(outer_diameter, p.tube_mm)) return p.pitch_mm / 1000.0;
    }
    return whole_up(least_pitch_ratio * outer_diameter * 1000.0) / 1000.0;
}

// n_c = 1.1·√N_T (正三角形), 1.19·√N_T (正方形, 转角正方形), up to a whole tube.
Double centre_tubes(Double tubes, Arrangement arrangement) {
    return whole_up(arrangement_factors(arrangement).centre_line * std::sqrt(tubes));
}

std::optional<Double> standard_shell(Double diameter) {
    for (const Double mm : standard_shells_mm) {
        if (diameter * 1000.0 <= mm * (1.0 + whole_tolerance)) return mm / 1000.0;
    }
    return std::nullopt;
}

// The standard spacing nearest to D/3 (the smaller on a tie) within [0.2·D, D], ≥ 50 mm.
Double default_baffle_spacing(Double shell_diameter) {
    const Double third = shell_diameter * 1000.0 / 3.0;
    const Range metres = spacing_range_of(shell_diameter);
    const Range allowed{metres.low * 1000.0, metres.high * 1000.0};
    std::optional<Double> best;
    for (const Double mm : standard_spacings_mm) {
        if (!within(mm, allowed)) continue;
        if (!best || std::abs(mm - third) < std::abs(*best - third)) best = mm;
    }
    return best ? *best / 1000.0 : std::clamp(third, allowed.low, allowed.high) / 1000.0;
}

// The widest standard spacing within [0.2·D, D], ≥ 50 mm: a condensing shell's baffles hold
// the tubes and guide the vapour, and narrow windows would drive it at tens of m/s.
Double widest_baffle_spacing(Double shell_diameter) {
    const Range metres = spacing_range_of(shell_diameter);
    const Range allowed{metres.low * 1000.0, metres.high * 1000.0};
    std::optional<Double> best;
    for (const Double mm : standard_spacings_mm) {
        if (within(mm, allowed)) best = mm;
    }
    return best ? *best / 1000.0 : allowed.high / 1000.0;
}

// ΔP_t = (ΔP_1 + ΔP_2)·F_t·N_s·N_p;  ΔP_1 = λ·(L/d_i)·ρu²/2;  ΔP_2 = 3·ρu²/2;
// F_t = 1.4 for d_o ≥ 25 mm, 1.5 below.
// All at the laid-out velocity u_i′.
TubeDrop tube_drop(const LayoutInput& in, const Layout& l, Double roughness, Double allowable) {
    TubeDrop d{};
    const Double d_i = in.tube.diameter;
    const Double rho = in.tube.density;
    d.reynolds = d_i * l.tube_velocity * rho / in.tube.viscosity;
    d.relative_roughness = roughness / d_i;
    d.friction = friction_factor(d.reynolds, d.relative_roughness);
    d.regime = d.reynolds < laminar_below    ? Regime::Laminar
               : d.reynolds < turbulent_from ? Regime::Transition
                                             : Regime::Turbulent;
    d.head = rho * l.tube_velocity * l.tube_velocity / 2.0;
    d.friction_drop = d.friction * (l.length / d_i) * d.head;
    d.return_drop = return_heads * d.head;
    d.fouling = at_least(in.shell.diameter, 0.025) ? 1.4 : 1.5;
    d.drop = (d.friction_drop + d.return_drop) * d.fouling * l.shells * l.passes;
    d.allowable = allowable;
    return d;
}

// A_0 = h·(D − n_c·d_o);  u_0 = W_o/(ρ_o·A_0);  Re_0 = d_o·u_0·ρ_o/μ_o;
// ΔP_s = (ΔP′_1 + ΔP′_2)·F_s·N_s;  ΔP′_1 = F·f_0·n_c·(N_B + 1)·ρu_0²/2, f_0 = 5.0·Re_0^−0.228;
// ΔP′_2 = N_B·(3.5 − 2h/D)·ρu_0²/2;  F_s = 1.15 for a liquid, 1.0 for a gas.
ShellDrop shell_drop(const LayoutInput& in, const Layout& l, bool gas, Double allowable) {
    ShellDrop d{};
    const Double d_o = in.shell.diameter;
    const Double rho = in.shell.density;
    d.cross_section = l.baffle_spacing * (l.shell_diameter - l.centre_tubes * d_o);
    d.velocity = in.shell_flow / (rho * d.cross_section);
    d.reynolds = d_o * d.velocity * rho / in.shell.viscosity;
    d.allowable = allowable;
    d.holds = d.reynolds > esso_least_reynolds;
    if (!d.holds) return d;
    d.friction = 5.0 * same_pow(d.reynolds, -0.228);
    d.bundle_factor = arrangement_factors(l.arrangement).bundle;
    d.head = rho * d.velocity * d.velocity / 2.0;
    d.bundle_drop = d.bundle_factor * d.friction * l.centre_tubes * (l.baffles + 1.0) * d.head;
    d.window_drop = l.baffles * (3.5 - 2.0 * l.baffle_spacing / l.shell_diameter) * d.head;
    d.fouling = gas ? 1.0 : 1.15;
    d.drop = (d.bundle_drop + d.window_drop) * d.fouling * l.shells;
    // A condensing vapour: half the drop of the dry vapour at its inlet flow (Kern, Eq. 12.47).
    if (condensing(in)) d.drop *= vapour_drop_share;
    return d;
}

// ΔP_s allowed for a condensing shell: 10 % of p_s, beyond which t_s falls noticeably.
Double condensing_allowable_drop(const LayoutInput& in) {
    return drop_share_of_pressure * in.saturation.pressure * 1000.0;
}

// D = t·(n_c − 1) + 2·b′, b′ = 1.5·d_o.
Double bundle_diameter(Double pitch, Double centre_tubes, Double outer_diameter) {
    return pitch * (centre_tubes - 1.0) + 2.0 * (edge_ratio * outer_diameter);
}

Range spacing_range_of(Double shell_diameter) {
    return {std::max(least_spacing_ratio * shell_diameter, least_spacing), shell_diameter};
}

bool allowed_spacing(Double shell_diameter, Double spacing) {
    return within(spacing, spacing_range_of(shell_diameter));
}

// N_B = ⌈L/h⌉ − 1, at least 1.
Double baffle_count(Double length, Double spacing) {
    return std::max(1.0, whole_up(length / spacing) - 1.0);
}

namespace {

bool all_finite(const Layout& l) {
    const TubeDrop& t = l.tube;
    const ShellDrop& s = l.shell;
    return std::ranges::all_of(std::array{l.per_pass,
                                          l.tube_velocity,
                                          l.required_pass_length,
                                          l.length,
                                          l.length_ratio,
                                          l.passes,
                                          l.tubes,
                                          l.pitch,
                                          l.centre_tubes,
                                          l.bundle_diameter,
                                          l.shell_diameter,
                                          l.baffle_spacing,
                                          l.baffles,
                                          l.area,
                                          l.required_area,
                                          l.margin,
                                          t.friction,
                                          t.head,
                                          t.friction_drop,
                                          t.return_drop,
                                          t.drop,
                                          s.cross_section,
                                          s.velocity,
                                          s.reynolds,
                                          s.friction,
                                          s.head,
                                          s.bundle_drop,
                                          s.window_drop,
                                          s.drop},
                               [](Double x) { return std::isfinite(x); });
}

Layout lay_out(const LayoutInput& in, const LayoutChoices& choices) {
    Layout l;
    const Double d_o = in.shell.diameter;
    if (!(d_o > in.tube.diameter)) {
        l.stop = LayoutStop::Wall;
        return l;
    }
    l.refused = refused_choice(choices);
    const auto refuse = [&](LayoutChoice choice, Double value, Range allowed) {
        l.stop = LayoutStop::Refused;
        l.refused = RefusedChoice{choice, value, allowed};
        return l;
    };
    if (l.refused) {
        l.stop = LayoutStop::Refused;
        return l;
    }

    // N_s, and F of that many shells; with none, one pass of pure counter-flow.
    l.defaults.shells = default_shells(in);
    l.shells = choices.shells.value_or(*l.defaults.shells);
    l.correction = shells_correction(in, l.shells);
    // A vapour condenses in the shell it enters: one shell takes the duty.
    if (condensing(in) && l.shells != 1.0)
        return refuse(LayoutChoice::Shells, l.shells, {1.0, 1.0});
    const bool has_F = has_correction(in, l.shells);
    if (!has_F && choices.passes && *choices.passes >= 2.0) {
        return refuse(LayoutChoice::Passes, *choices.passes, {1.0, 1.0});
    }
    // Where F falls short of 0.75, one pass of pure counter-flow by default, as the search
    // tries; a chosen count is kept where F exists.
    const bool sound_F = l.correction >= calc::correction_floor;
    const std::optional<Double> own_passes = sound_F ? std::nullopt : std::optional(1.0);
    const std::optional<Double> passes = choices.passes ? choices.passes : own_passes;

    // 1, 2: n_s = ⌈n⌉;  u_i′ = W_i/(ρ_i·n_s·π·d_i²/4);  L′ = (A/F)/(N_s·n_s·π·d_o), A alone
    // where one pass of counter-flow is taken
    l.defaults.per_pass = std::ceil(in.per_pass);
    l.per_pass = choices.per_pass.value_or(*l.defaults.per_pass);
    l.tube_velocity = laid_out_velocity(in, l.per_pass);
    l.counter_flow = !has_F || (!sound_F && !choices.passes);
    const Double required = l.counter_flow ? in.area : in.area / l.correction;
    l.required_pass_length = required / (l.shells * l.per_pass * pi * d_o);

    // 3, 4, 5, 10
    const Double N_s = l.shells;
    const auto [length, rule] = default_length(in, N_s, l.per_pass, l.required_pass_length, passes);
    l.defaults.tube_length = length;
    l.length_rule = rule;
    l.length = choices.tube_length.value_or(length);
    l.length_ratio = l.required_pass_length / l.length;
    // What 默认 on the passes would give: the passes of the length chosen without them.
    const Double unforced =
        choices.passes
            ? default_length(in, N_s, l.per_pass, l.required_pass_length, own_passes).first
            : length;
    l.defaults.passes =
        own_passes ? own_passes
                   : tube_passes(l.required_pass_length / choices.tube_length.value_or(unforced));
    const std::optional<Trial> t =
        trial(in, N_s, l.per_pass, l.required_pass_length, l.length, passes);
    if (!t) {
        l.stop = LayoutStop::TooManyPasses;
        return l;
    }
    l.passes = t->passes;
    l.tubes = t->tubes;

    // 6, 7, 8
    l.defaults.pitch = standard_pitch(d_o);
    l.pitch = choices.pitch.value_or(*l.defaults.pitch);
    if (!at_least(l.pitch, least_pitch_ratio * d_o)) {
        return refuse(LayoutChoice::Pitch, l.pitch, {least_pitch_ratio * d_o});
    }
    l.defaults.arrangement = Arrangement::Triangle;
    l.arrangement = choices.arrangement.value_or(Arrangement::Triangle);
    l.centre_tubes = centre_tubes(l.tubes, l.arrangement);
    l.bundle_diameter = bundle_diameter(l.pitch, l.centre_tubes, d_o);
    const std::optional<Double> needed = standard_shell(l.bundle_diameter);
    if (!needed) {
        l.stop = LayoutStop::ShellTooLarge;
        return l;
    }
    l.defaults.shell_diameter = *needed;
    l.shell_diameter = choices.shell_diameter.value_or(*needed);
    if (!at_least(l.shell_diameter, *needed)) {
        return refuse(LayoutChoice::ShellDiameter, l.shell_diameter,
                      {*needed, standard_shells_mm.back() / 1000.0});
    }

    // 9
    const Double D = l.shell_diameter;
    l.defaults.baffle_spacing =
        condensing(in) ? widest_baffle_spacing(D) : default_baffle_spacing(D);
    l.baffle_spacing = choices.baffle_spacing.value_or(*l.defaults.baffle_spacing);
    const Range spacing_range = spacing_range_of(D);
    if (!allowed_spacing(D, l.baffle_spacing)) {
        return refuse(LayoutChoice::BaffleSpacing, l.baffle_spacing, spacing_range);
    }
    l.baffles = baffle_count(l.length, l.baffle_spacing);
    l.area = t->area;
    l.required_area = t->required;
    l.margin = t->margin;

    // 11 and the drops
    l.defaults.roughness = default_roughness;
    l.defaults.allowable_tube_drop = tube_gas(in) ? gas_allowable_drop : liquid_allowable_drop;
    l.defaults.allowable_shell_drop = condensing(in)  ? condensing_allowable_drop(in)
                                      : shell_gas(in) ? gas_allowable_drop
                                                      : liquid_allowable_drop;
    l.tube = tube_drop(in, l, choices.roughness.value_or(default_roughness),
                       choices.allowable_tube_drop.value_or(*l.defaults.allowable_tube_drop));
    l.shell = shell_drop(in, l, shell_gas(in),
                         choices.allowable_shell_drop.value_or(*l.defaults.allowable_shell_drop));
    return l;
}

}  // namespace

Layout layout(const LayoutInput& in, const LayoutChoices& choices) {
    Layout l = lay_out(in, choices);
    if (!all_finite(l)) l.stop = LayoutStop::Overflow;
    return l;
}

}  // namespace design
