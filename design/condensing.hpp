// A pure saturated vapour condensing on the outside of horizontal tubes (蒸汽走壳程): Nusselt's
// film, the wall-temperature trial, the estimate before a layout and the rating of one. The
// layout, its drops and the search take a condensing side through layout.hpp's input; the
// vapour's state is properties'; the words are the report's.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "calc/sizing.hpp"
#include "design/layout.hpp"
#include "design/rating.hpp"
#include "properties/saturation.hpp"

namespace design {

inline constexpr Double gravity = 9.81;               // m/s²
inline constexpr Double laminar_film_below = 1800.0;  // Re_f: a 注意 above it
inline constexpr Double wall_tolerance = 1e-9;        // K, the trial's last step
inline constexpr int most_wall_steps = 200;           // more is "壁温试差不收敛"

// What cannot be condensed as asked; the values are those the words need.
class CondensingFault : public std::exception {
  public:
    enum class Reason {
        UnknownVapour,       // a name with no vapour (`name`)
        Uncondensable,       // 氯苯, 苯酚: their liquid rows end below t_s (`name`)
        PressureOutOfRange,  // p_s outside the vapour's pressures (value: p_s kPa, range)
        NotHeated,           // t2 ≤ t1
        AboveSaturation,     // t2 ≥ t_s (value: t_s)
        FilmOutOfRange,      // t_m outside the condensate's rows (value: t_m, range)
        NoConvergence,       // the wall trial took more than most_wall_steps
    };
    CondensingFault(const properties::Vapour& vapour, Reason reason, double value = 0,
                    properties::Range range = {})
        : vapour(&vapour), name(vapour.chinese), reason(reason), value(value), range(range) {}
    CondensingFault(std::string_view name, Reason reason)
        : vapour(nullptr), name(name), reason(reason), value(0), range{} {}
    const properties::Vapour* vapour;  // none for UnknownVapour and Uncondensable
    std::string name;                  // the liquid's, as the fluid list names it
    Reason reason;
    double value;
    properties::Range range;
    const char* what() const noexcept override { return "design: cannot condense as asked"; }
};

// α_o = 0.725·[ρ²·g·λ³·r/(n^(2/3)·μ·d_o·Δt)]^(1/4), W/(m²·℃): Nusselt's film on a horizontal
// tube, n tubes in a column (1 for one tube), the condensate's ρ, λ, μ at the film, r in J/kg,
// d_o in m, Δt = t_s − t_w. Worked example: steam at 200 kPa on φ25 tubes, n = √40, film at
// 115.344 ℃ (ρ 946.812, λ 0.681511, μ 2.42063e-4), Δt = 9.73534 K: α_o = 9574.46.
Double condensing_film(const properties::Properties& film, Double latent, Double rows,
                       Double outer_diameter, Double difference);

// One step of the trial: t_w⁽ᵏ⁾, α_k at it, t_w⁽ᵏ⁺¹⁾.
struct WallStep {
    Double wall, alpha, next;
};

struct WallTrial {
    std::vector<WallStep> steps;
    Double wall;                  // t_w, ℃
    Double film_celsius;          // t_m = (t_s + t_w)/2
    properties::Properties film;  // the condensate at t_m
    Double alpha;                 // α_o at t_w
};

// Δt_m = (Δt1 − Δt2)/ln(Δt1/Δt2) with Δt1 = t_s − t1, Δt2 = t_s − t2, in double precision
// for the trial (the estimate's own Δt_m is single). 20 → 80 ℃ at 120.211545936 ℃: 65.7081135.
Double condensing_mean_difference(Double saturation, Double t1, Double t2);

// 壁温试差: α_o(t_w)·(t_s − t_w) = (t_w − t_c)/R_rest with t_c = t_s − Δt_m, from
// t_w = t_s − Δt_m/2 by t_w ← t_s − Δt_m/(1 + α_o(t_w)·R_rest) to a step ≤ 1e-9 K.
// CondensingFault: FilmOutOfRange, NoConvergence.
WallTrial wall_trial(const properties::Vapour& vapour, const properties::SaturationState& state,
                     Double mean_difference, Double rest, Double rows, Double outer_diameter);

// The vapour of the liquid so named; CondensingFault (UnknownVapour, Uncondensable) where it
// has none.
const properties::Vapour& vapour_named(std::string_view name);

// The estimate's inputs: the tube side as the fields give it, the shell's d_o, the vapour.
struct CondensingInput {
    calc::FluidSide tube;
    Double outer_diameter;  // d_o, m
    calc::Single t1, t2, W;
    const properties::Vapour* vapour;
    Double pressure;  // p_s, kPa absolute
};

struct CondensingEstimate {
    const properties::Vapour* vapour;
    properties::SaturationState state;
    calc::SizingInput input;      // T1 = T2 = t_s, the shell's d_o
    calc::SizingWorking working;  // its shell film is α_s, with Re and Pr 0
    calc::DesignChecks checks;    // the tube side's slips and the tube count
    Double vapour_flow;           // D = Q/r, kg/s
    Double tube_effective;        // t_c = t_s − Δt_m, ℃
    WallTrial trial;              // n = 1, R_rest = 1/α_t
};

// The single-tube α_s, then K and A in the estimate's own arithmetic. CondensingFault;
// calc::Fault from the tube side's steps.
CondensingEstimate condensing_estimate(const CondensingInput& input);

// What the layout takes from the estimate: F = 1, W_o = D, ρ″ and μ″ on the shell side.
LayoutStart condensing_layout_input(const CondensingEstimate& estimate, FillKind tube_fill);

struct CondensingRating {
    Rating rating;         // its shell film holds α_o alone
    WallTrial trial;       // n = √N_T
    Double rows;           // n
    Double rest;           // R_rest, m²·℃/W
    Double loading;        // G″ = D/(L·N_T^(2/3)), kg/(m·s)
    Double film_reynolds;  // Re_f = 4·G″/μ
};

// The rating of a layout of a condensing input that stopped nowhere. CondensingFault:
// FilmOutOfRange, NoConvergence.
CondensingRating rate_condensing(const LayoutInput& input, const Layout& layout,
                                 const LayoutChoices& choices);
// The same with the tube side and the wall already worked, as the search has them; and at
// another Δt_m, as a simulated state has it.
CondensingRating rate_condensing(const LayoutInput& input, const Layout& layout,
                                 const LayoutChoices& choices, const TubeFilm& tube,
                                 const Wall& tube_wall);
CondensingRating rate_condensing(const LayoutInput& input, const Layout& layout,
                                 const LayoutChoices& choices, const TubeFilm& tube,
                                 const Wall& tube_wall, Double mean_difference);

}  // namespace design
