// 自动设计: every standard exchanger around the duty laid out, rated and given both drops by the
// layout's and the rating's own steps, the ones that hold ranked, smallest first. Never raises;
// the choices' texts are the window's, the words the report's.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "design/layout.hpp"
#include "design/rating.hpp"

namespace design {

inline constexpr Double default_least_margin = 0.15;
inline constexpr Range default_length_to_diameter{4.0, 10.0};  // the textbook's 4–6, wider

// What the search may try and must hold; none means the default.
struct SearchChoices {
    std::optional<Double> least_margin{};          // H′ at least, a fraction
    std::optional<Range> tube_velocity{};          // u_i′, m/s
    std::optional<Range> shell_velocity{};         // Kern's u_o, m/s
    std::optional<Range> length_to_diameter{};     // L/D
    std::optional<std::vector<Double>> lengths{};  // m, some of standard_lengths
    std::optional<Range> shells{};                 // N_s, whole, within shells_range
};

// The conditions a candidate must meet, in the order a refusal names them.
enum class Condition { Margin, TubeDrop, ShellDrop, ShellVelocity, LengthToDiameter, Esso };
inline constexpr std::size_t condition_count = 6;

struct Candidate {
    Double length, passes, per_pass, tubes, shell_diameter, baffle_spacing, baffles;
    Double tube_velocity;          // u_i′
    Double shell_velocity;         // Kern's u_o
    Double coefficient;            // K′
    Double area;                   // S of all the shells
    Double margin;                 // H′
    Double tube_drop, shell_drop;  // Pa, through all the shells; none where Re₀ ≤ 500
    Double length_to_diameter;
    Double esso_reynolds;  // Re₀
    Double shells = 1;     // N_s in series; N_T, D, h and L/D are one shell's
    unsigned failed = 0;   // a bit for each Condition not met
    bool accepted() const { return failed == 0; }
    bool fails(Condition c) const { return failed & (1u << static_cast<unsigned>(c)); }
};

// Stopped: the caller's progress said to stop; what was tried so far is kept and ranked.
enum class SearchStop { None, Refused, NoTubeCount, Stopped };

struct Search {
    SearchStop stop = SearchStop::None;
    std::optional<RefusedChoice> refused;        // a 结构参数 choice the method cannot take
    Double least_margin = default_least_margin;  // as searched
    Range tube_velocity{}, shell_velocity{}, length_to_diameter{};
    Double allowable_tube_drop = 0, allowable_shell_drop = 0;
    Range shells{1, 1};                 // N_s tried: 1 where one shell's F reaches 0.75
    std::vector<Candidate> candidates;  // every one tried, in the order tried
    std::vector<std::size_t> ranking;   // the accepted ones, best first
    std::array<std::size_t, condition_count> failures{};  // how many failed each condition
    std::optional<std::size_t> closest;                   // where none was accepted
    std::size_t tried() const { return candidates.size(); }
    std::size_t accepted() const { return ranking.size(); }
};

// Ranked by S (compared as N_s·N_T·L, which is exact), then fewer shells, the smaller D, fewer
// passes, the shorter L, the wider h: whether `a` comes before `b`.
bool ranks_before(const Candidate& a, const Candidate& b);

// The search with the layout's fixed choices (tube, arrangement, pitch, roughness, fouling,
// wall, allowable drops) as `choices` has them; its length, passes, tubes per pass, shell and
// spacing are what the search tries, and are not taken from them.
// `going` hears the fraction done after each tube count and may say to stop.
Search search(const LayoutInput& input, const LayoutChoices& choices, const SearchChoices& sc,
              const std::function<bool(double done)>& going = {});

// The layout choices that make a candidate the layout: its shells, length, passes, tubes per
// pass, shell and spacing over `choices`.
LayoutChoices adopted(const Candidate& candidate, LayoutChoices choices);

}  // namespace design
