#include "design/search.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

#include "design/condensing.hpp"

namespace design {
namespace {

// The next standard shells tried beyond the smallest that holds the tubes.
constexpr int larger_shells = 2;

void mark(Candidate& c, Condition condition, bool failed) {
    if (failed) c.failed |= 1u << static_cast<unsigned>(condition);
}

// The tubes per pass whose u_i′ lies in `velocities`, at most per_pass_range allows.
std::pair<Double, Double> per_pass_bounds(const LayoutInput& in, const Range& velocities) {
    const Double d_i = in.tube.diameter;
    const Double flow = in.tube_flow / (in.tube.density * (std::numbers::pi * d_i * d_i / 4.0));
    const Double low = std::max(per_pass_range.low, std::floor(flow / velocities.high));
    const Double high = std::min(per_pass_range.high, std::ceil(flow / velocities.low));
    return {low, high};
}

// Where none holds: the largest H′ among those within both drops, else the smallest ratio of a
// drop to the one allowed.
std::optional<std::size_t> closest_of(const Search& s) {
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < s.candidates.size(); ++i) {
        const Candidate& c = s.candidates[i];
        const bool drops = !c.fails(Condition::TubeDrop) && !c.fails(Condition::ShellDrop) &&
                           !c.fails(Condition::Esso);
        if (drops && (!best || c.margin > s.candidates[*best].margin)) best = i;
    }
    if (best) return best;
    const auto ratio = [&](const Candidate& c) {
        const Double shell = c.fails(Condition::Esso) ? std::numeric_limits<Double>::infinity()
                                                      : c.shell_drop / s.allowable_shell_drop;
        return std::max(c.tube_drop / s.allowable_tube_drop, shell);
    };
    for (std::size_t i = 0; i < s.candidates.size(); ++i) {
        if (!best || ratio(s.candidates[i]) < ratio(s.candidates[*best])) best = i;
    }
    return best;
}

}  // namespace

bool ranks_before(const Candidate& a, const Candidate& b) {
    return std::tuple(a.shells * a.tubes * a.length, a.shells, a.shell_diameter, a.passes, a.length,
                      -a.baffle_spacing) < std::tuple(b.shells * b.tubes * b.length, b.shells,
                                                      b.shell_diameter, b.passes, b.length,
                                                      -b.baffle_spacing);
}

Search search(const LayoutInput& in, const LayoutChoices& choices, const SearchChoices& sc,
              const std::function<bool(double)>& going) {
    Search s;
    const Double d_o = in.shell.diameter;
    // What the search tries is not fixed by a choice of it.
    LayoutChoices fixed = choices;
    fixed.tube_length.reset();
    fixed.passes.reset();
    fixed.per_pass.reset();
    fixed.shell_diameter.reset();
    fixed.baffle_spacing.reset();
    fixed.shells.reset();
    s.refused = refused_choice(fixed);
    const Double pitch = fixed.pitch.value_or(standard_pitch(d_o));
    if (!s.refused && pitch < least_pitch_ratio * d_o * (1.0 - 1e-9)) {
        s.refused = RefusedChoice{LayoutChoice::Pitch, pitch, {least_pitch_ratio * d_o}};
    }
    if (s.refused) {
        s.stop = SearchStop::Refused;
        return s;
    }
    const bool tube_is_gas = tube_gas(in), shell_is_gas = shell_gas(in);
    s.least_margin = sc.least_margin.value_or(default_least_margin);
    s.tube_velocity =
        sc.tube_velocity.value_or(tube_is_gas ? tube_velocities.gas : tube_velocities.liquid);
    s.shell_velocity =
        sc.shell_velocity.value_or(shell_is_gas ? shell_velocities.gas : shell_velocities.liquid);
    s.length_to_diameter = sc.length_to_diameter.value_or(default_length_to_diameter);
    s.allowable_tube_drop = fixed.allowable_tube_drop.value_or(tube_is_gas ? gas_allowable_drop
                                                                           : liquid_allowable_drop);
    const bool vapour = condensing(in);
    s.allowable_shell_drop =
        fixed.allowable_shell_drop.value_or(vapour         ? condensing_allowable_drop(in)
                                            : shell_is_gas ? gas_allowable_drop
                                                           : liquid_allowable_drop);
    // More shells only where one shell's F falls short: every other duty is searched as before.
    if (!(shells_correction(in, 1.0) >= calc::correction_floor)) {
        const Range allowed = sc.shells.value_or(shells_range);
        s.shells = {std::max(shells_range.low, std::ceil(allowed.low)),
                    std::min(shells_range.high, std::floor(allowed.high))};
    }
    const Double roughness = fixed.roughness.value_or(default_roughness);
    const std::vector<Double> lengths =
        sc.lengths.value_or(std::vector<Double>(standard_lengths.begin(), standard_lengths.end()));
    const auto [low, high] = per_pass_bounds(in, s.tube_velocity);
    if (!(low <= high)) {
        s.stop = SearchStop::NoTubeCount;
        return s;
    }

    const Wall tube_wall = wall(in.tube.diameter, d_o, fixed.material, fixed.wall_conductivity);
    // At most 3 shells of 8 spacings each for every tube count, length, N_s and pass count.
    constexpr double most_reserved = 1 << 18;
    const Double shells_tried = s.shells.high - s.shells.low + 1.0;
    s.candidates.reserve(static_cast<std::size_t>(std::min(
        most_reserved,
        (high - low + 1.0) * shells_tried * static_cast<double>(lengths.size() * 4 * 3 * 8))));
    Layout l;
    l.arrangement = fixed.arrangement.value_or(Arrangement::Triangle);
    l.pitch = pitch;
    // Kern's shell side depends on D and h alone: worked once for each pair that is tried.
    std::array<std::array<std::optional<ShellFilm>, standard_spacings_mm.size()>,
               standard_shells_mm.size()>
        shell_films;
    const auto counts = static_cast<long>(high - low) + 1;  // whole, at most 5000
    for (long k = 0; k < counts; ++k) {
        const Double per_pass = low + static_cast<Double>(k);
        if (going && !going(static_cast<Double>(k) / static_cast<Double>(counts))) {
            s.stop = SearchStop::Stopped;
            break;
        }
        l.per_pass = per_pass;
        l.tube_velocity = laid_out_velocity(in, per_pass);
        if (!calc::contains(s.tube_velocity, l.tube_velocity)) continue;
        for (const Double length : lengths) {
            l.length = length;
            const TubeFilm film = laid_out_tube_film(in, l);  // one tube side for every shell
            for (const Double N_s : shell_counts) {
                if (!calc::contains(s.shells, N_s)) continue;
                l.shells = N_s;
                l.correction = shells_correction(in, N_s);
                for (const Double passes : standard_passes) {
                    if (passes >= 2.0 && !(l.correction >= calc::correction_floor)) break;
                    l.passes = passes;
                    l.tubes = per_pass * passes;
                    l.centre_tubes = centre_tubes(l.tubes, l.arrangement);
                    l.bundle_diameter = bundle_diameter(l.pitch, l.centre_tubes, d_o);
                    const std::optional<Double> needed = standard_shell(l.bundle_diameter);
                    if (!needed) continue;
                    const TubeDrop tube = tube_drop(in, l, roughness, s.allowable_tube_drop);
                    // S = N_s·N_T·π·d_o·L
                    l.area = N_s * l.tubes * std::numbers::pi * d_o * length;
                    // A condensing film depends on N_T and the tube side, not on D or h: one trial
                    // for every shell; a film its liquid's rows cannot hold is not tried.
                    std::optional<CondensingRating> condensed;
                    if (vapour) {
                        try {
                            condensed = rate_condensing(in, l, fixed, film, tube_wall);
                        } catch (const CondensingFault&) {
                            continue;
                        }
                    }
                    int shells = 0;
                    for (std::size_t si = 0; si < standard_shells_mm.size(); ++si) {
                        if (standard_shells_mm[si] / 1000.0 < *needed) continue;
                        if (shells++ > larger_shells) break;
                        l.shell_diameter = standard_shells_mm[si] / 1000.0;
                        for (std::size_t hi = 0; hi < standard_spacings_mm.size(); ++hi) {
                            const Double spacing = standard_spacings_mm[hi] / 1000.0;
                            if (!allowed_spacing(l.shell_diameter, spacing)) continue;
                            l.baffle_spacing = spacing;
                            std::optional<ShellFilm>& kern = shell_films[si][hi];
                            if (!kern && !vapour) kern = laid_out_shell_film(in, l);
                            l.baffles = baffle_count(length, l.baffle_spacing);
                            const ShellDrop shell =
                                shell_drop(in, l, shell_is_gas, s.allowable_shell_drop);
                            const Rating r = vapour ? condensed->rating
                                                    : rate(in, l, fixed, film, *kern, tube_wall);
                            Candidate c{length,
                                        passes,
                                        per_pass,
                                        l.tubes,
                                        l.shell_diameter,
                                        l.baffle_spacing,
                                        l.baffles,
                                        l.tube_velocity,
                                        vapour ? shell.velocity : r.shell.velocity,
                                        r.coefficient,
                                        l.area,
                                        r.margin,
                                        tube.drop,
                                        shell.holds ? shell.drop : 0.0,
                                        length / l.shell_diameter,
                                        shell.reynolds,
                                        N_s};
                            mark(c, Condition::Margin, !(r.margin >= s.least_margin));
                            mark(c, Condition::TubeDrop, !(tube.drop <= s.allowable_tube_drop));
                            mark(c, Condition::ShellDrop,
                                 shell.holds && !(shell.drop <= s.allowable_shell_drop));
                            // A vapour has no Kern velocity to keep, and no drop below Re₀ 500.
                            mark(c, Condition::ShellVelocity,
                                 !vapour && !calc::contains(s.shell_velocity, r.shell.velocity));
                            mark(c, Condition::LengthToDiameter,
                                 !calc::contains(s.length_to_diameter, c.length_to_diameter));
                            mark(c, Condition::Esso, !vapour && !shell.holds);
                            s.candidates.push_back(c);
                        }
                    }
                }
            }
        }
    }
    for (std::size_t i = 0; i < s.candidates.size(); ++i) {
        const Candidate& c = s.candidates[i];
        for (std::size_t k = 0; k < condition_count; ++k) {
            if (c.fails(Condition(k))) ++s.failures[k];
        }
        if (c.accepted()) s.ranking.push_back(i);
    }
    std::ranges::stable_sort(s.ranking, [&](std::size_t a, std::size_t b) {
        return ranks_before(s.candidates[a], s.candidates[b]);
    });
    if (s.ranking.empty()) s.closest = closest_of(s);
    return s;
}

LayoutChoices adopted(const Candidate& c, LayoutChoices choices) {
    choices.shells = c.shells;
    choices.tube_length = c.length;
    choices.passes = c.passes;
    choices.per_pass = c.per_pass;
    choices.shell_diameter = c.shell_diameter;
    choices.baffle_spacing = c.baffle_spacing;
    return choices;
}

}  // namespace design
