// From the area to a fixed-tube-sheet exchanger of one shell pass, or N_s such shells in series:
// the tubes, the passes, the shell, the baffles and each side's pressure drop, by the procedure of
// a Chinese process-engineering course design (化工原理课程设计), one function per step. Never
// raises; the rating of what was laid out is rating.hpp's; where the choices come from and how the
// figures are worded is left to the window and report.
#pragma once

#include <array>
#include <optional>

#include "calc/correlation_range.hpp"
#include "calc/design_checks.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/numbers.hpp"
#include "calc/sizing.hpp"
#include "design/rating_tables.hpp"
#include "properties/saturation.hpp"

namespace design {

using calc::Double;
using calc::Range;

enum class Arrangement { Triangle, Square, RotatedSquare };  // 正三角形, 正方形, 转角正方形

// The method's standard lists and constants, SI units but where a name says mm.
inline constexpr std::array<Double, 6> standard_lengths{1.5, 2.0, 3.0, 4.5, 6.0, 9.0};  // m
inline constexpr std::array<Double, 4> standard_passes{1, 2, 4, 6};
struct StandardPitch {
    Double tube_mm, pitch_mm;  // outside diameter φ, and its pitch
};
inline constexpr std::array<StandardPitch, 6> standard_pitches{
    {{19, 25}, {25, 32}, {32, 40}, {38, 48}, {45, 57}, {57, 72}}};
inline constexpr std::array<Double, 20> standard_shells_mm{159,  219,  273,  325,  400,  450,  500,
                                                           600,  700,  800,  900,  1000, 1100, 1200,
                                                           1300, 1400, 1500, 1600, 1700, 1800};
inline constexpr std::array<Double, 8> standard_spacings_mm{100, 150, 200, 250, 300, 350, 450, 600};
inline constexpr Range per_pass_range{1, 5000};  // n_s the user may choose

inline constexpr Double least_pitch_ratio = 1.25;  // t ≥ 1.25·d_o
inline constexpr Double edge_ratio = 1.5;  // b′ = 1.5·d_o, centre of the outer tube to shell
inline constexpr std::array<Double, calc::most_shells> shell_counts{1, 2, 3, 4};  // N_s in series
inline constexpr Range shells_range{shell_counts.front(), shell_counts.back()};
inline constexpr Range margin_aim{0.15, 0.25};      // the area margin H the method asks for
inline constexpr Range margin_sound{0.10, 0.40};    // outside it, one 注意
inline constexpr Double least_spacing_ratio = 0.2;  // h ≥ 0.2·D
inline constexpr Double least_spacing = 0.05;       // h ≥ 50 mm
inline constexpr Double return_heads = 3.0;         // ΔP_2 = 3·ρu²/2 per pass
inline constexpr Double laminar_below = 2000.0;     // λ = 64/Re below it
inline constexpr Double turbulent_from = 4000.0;    // Colebrook from it, uncertain below it
inline constexpr Double default_roughness = 1e-4;   // m, carbon-steel tube in use
// m: from drawn stainless or copper tube (0.0015 mm) to badly corroded steel
inline constexpr Range roughness_range{1e-6, 1e-3};
inline constexpr Double esso_least_reynolds = 500.0;    // f_0 holds above it
inline constexpr Double gas_density_below = 100.0;      // kg/m³: a side this light is a gas
inline constexpr Double liquid_allowable_drop = 100e3;  // Pa
inline constexpr Double gas_allowable_drop = 10e3;      // Pa
inline constexpr Double drop_share_of_pressure = 0.1;   // a condensing ΔP_s allowed, of p_s
inline constexpr Double vapour_drop_share = 0.5;        // ΔP_s ≈ ½ the dry vapour's Esso drop

// Tubes on the centre line n_c = factor·√N_T, and the Esso tube-bank factor F.
struct ArrangementFactors {
    Double centre_line, bundle;
};
ArrangementFactors arrangement_factors(Arrangement arrangement);

// The choices a user may make; none means the method's own.
struct LayoutChoices {
    std::optional<Double> tube_length{};       // m, one of standard_lengths
    std::optional<Arrangement> arrangement{};  //
    std::optional<Double> pitch{};             // m, ≥ 1.25·d_o
    std::optional<Double> shell_diameter{};    // m, a standard one ≥ the needed
    std::optional<Double> baffle_spacing{};    // m, in [0.2·D, D]
    std::optional<Double> roughness{};         // m, in roughness_range
    std::optional<Double> allowable_tube_drop{}, allowable_shell_drop{};  // Pa, > 0
    std::optional<Double> passes{};                                // N_p, one of standard_passes
    std::optional<Double> per_pass{};                              // n_s, whole, in per_pass_range
    std::optional<FoulingChoice> tube_fouling{}, shell_fouling{};  // R_si, R_so
    std::optional<Material> material{};                            // of the tubes
    std::optional<Double> wall_conductivity{};  // λ_w, W/(m·℃), over the material
    std::optional<Double> shells{};             // N_s, whole, in shells_range
};

// Where a side's λ, ρ, cp and μ came from: typed, or filled with water, a liquid, a gas, a
// glycol or alcohol solution, or a brine; or a shell side of condensing steam or an organic
// vapour, which has no such fields.
enum class FillKind { Typed, Water, Liquid, Gas, OrganicSolution, Brine, Steam, Vapour };

// What the calculation already knows, SI units; tube.diameter is d_i, shell.diameter d_o, and
// the velocities are those typed.
struct LayoutInput {
    calc::FluidSide tube, shell;
    Double tube_flow, shell_flow;                          // W_i; W_o typed, or the balancing Ws
    Double area;                                           // A, m²
    std::array<Double, calc::most_shells> corrections;     // F of 1 … 4 shells; NaN: none
    Double per_pass;                                       // n = W/(ρ·u·π·d_i²/4)
    Double duty;                                           // |Q|, W
    Double mean_difference;                                // |Δt_m|, ℃, counter-flow
    Double tube_mean_temperature, shell_mean_temperature;  // ℃
    bool tube_heated, shell_heated;                        // the outlet hotter than the inlet
    FillKind tube_fill, shell_fill;
    // A shell side that condenses: its vapour and state; the shell fluid is then the vapour's
    // ρ″ and μ″ at d_o, shell_flow is D, and the correction 1.
    const properties::Vapour* vapour = nullptr;
    properties::SaturationState saturation{};
};

bool condensing(const LayoutInput& input);

// F of N_s shells in series, NaN where none exists; and whether one exists.
Double shells_correction(const LayoutInput& input, Double shells);
bool has_correction(const LayoutInput& input, Double shells);
// N_s by default: 1 where one shell's F reaches 0.75, else the fewest shells whose F does, else
// 1 (one pass then, pure counter-flow).
Double default_shells(const LayoutInput& input);

// A side is a gas where its fill is a gas, or where it is lighter than gas_density_below.
bool tube_gas(const LayoutInput& input);
bool shell_gas(const LayoutInput& input);

// What the checks must have given before a layout can start.
enum class LayoutGap { None, Streams, Correction, Balance, Tubes, NotPositive };

struct LayoutStart {
    LayoutGap gap;
    LayoutInput input;  // where there is no gap
};

LayoutStart layout_input(const calc::SizingInput& input, const calc::SizingWorking& working,
                         const calc::DesignChecks& checks, FillKind tube, FillKind shell);

enum class LayoutChoice {
    TubeLength,
    Arrangement,
    Pitch,
    ShellDiameter,
    BaffleSpacing,
    Roughness,
    AllowableTubeDrop,
    AllowableShellDrop,
    Passes,
    PerPass,
    TubeFouling,
    ShellFouling,
    Material,
    WallConductivity,
    Shells
};

// A choice the method cannot take: its value and where it must lie (a standard value for the
// length, the shell and the passes, low ≥ the needed one).
struct RefusedChoice {
    LayoutChoice choice;
    Double value;
    Range allowed;
    bool not_standard =
        false;  // a length, shell or passes outside the standard list, n_s not whole
};

// The choices' faults that need no calculation, the first in LayoutChoice order.
std::optional<RefusedChoice> refused_choice(const LayoutChoices& choices);

// How the default tube length was found.
enum class LengthRule { InAim, AboveFloor, Fallback };

enum class Regime { Laminar, Transition, Turbulent };

struct TubeDrop {
    Double reynolds, relative_roughness, friction;  // Re_i, ε/d_i, λ
    Regime regime;
    Double head;                        // ρ_i·u_i²/2, Pa
    Double friction_drop, return_drop;  // ΔP_1, ΔP_2 per pass, Pa
    Double fouling;                     // F_t
    Double drop;                        // ΔP_t, Pa
    Double allowable;
};

struct ShellDrop {
    Double cross_section, velocity, reynolds;  // A_0 m², u_0 m/s, Re_0
    bool holds;                                // Re_0 > 500: the rest is given
    Double friction, bundle_factor, head;      // f_0, F, ρ_o·u_0²/2
    Double bundle_drop, window_drop;           // ΔP′_1, ΔP′_2, Pa
    Double fouling;                            // F_s
    Double drop;                               // ΔP_s, Pa
    Double allowable;
};

// Overflow: a figure beyond the range of Double, from inputs no exchanger has.
enum class LayoutStop { None, Wall, Refused, TooManyPasses, ShellTooLarge, Overflow };

// Every figure in the method's order, counts as whole Doubles; a stop leaves those after it
// unset.
struct Layout {
    LayoutStop stop = LayoutStop::None;
    std::optional<RefusedChoice> refused;  // with LayoutStop::Refused
    LayoutChoices defaults;  // the method's own choices as far as it got; its shell holds the tubes
    Double shells = 1;       // N_s identical shells in series
    Double correction = 1;   // F of N_s shells; NaN where none exists, one pass then
    bool counter_flow = false;        // one pass taken where F falls short: L′ from A, not A/F
    Double per_pass = 0;              // n_s
    Double tube_velocity = 0;         // u_i′ = W_i/(ρ_i·n_s·π·d_i²/4)
    Double required_pass_length = 0;  // L′ = (A/F)/(N_s·n_s·π·d_o)
    Double length = 0;                // L
    LengthRule length_rule = LengthRule::Fallback;
    Double length_ratio = 0;  // L′/L
    Double passes = 0;        // N_p
    Double tubes = 0;         // N_T of one shell
    Double pitch = 0;         // t
    Arrangement arrangement = Arrangement::Triangle;
    Double centre_tubes = 0;     // n_c
    Double bundle_diameter = 0;  // t·(n_c − 1) + 2·b′
    Double shell_diameter = 0;   // D
    Double baffle_spacing = 0;   // h
    Double baffles = 0;          // N_B
    Double area = 0;             // S of all the shells
    Double required_area = 0;    // A_req
    Double margin = 0;           // H
    TubeDrop tube{};
    ShellDrop shell{};
};

// Each step of the method on its own, as the tests check them.
Double laid_out_velocity(const LayoutInput& input, Double per_pass);  // u_i′
Double tube_velocity(Double flow, Double density, Double inner_diameter, Double per_pass);
Double colebrook(Double reynolds, Double relative_roughness);
Double friction_factor(Double reynolds, Double relative_roughness);
std::optional<Double> tube_passes(Double length_ratio);  // the least of 1, 2, 4, 6 ≥ L′/L
Double standard_pitch(Double outer_diameter);
Double centre_tubes(Double tubes, Arrangement arrangement);
std::optional<Double> standard_shell(Double diameter);  // none above 1800 mm
Double default_baffle_spacing(Double shell_diameter);
Double widest_baffle_spacing(Double shell_diameter);         // a condensing shell's default
Double condensing_allowable_drop(const LayoutInput& input);  // Pa
Double baffle_count(Double length, Double spacing);
Double bundle_diameter(Double pitch, Double centre_tubes, Double outer_diameter);
Range spacing_range_of(Double shell_diameter);  // [max(0.2·D, 50 mm), D]
bool allowed_spacing(Double shell_diameter, Double spacing);
// The drops of a layout whose figures up to N_B and u_i′ are set.
TubeDrop tube_drop(const LayoutInput& input, const Layout& layout, Double roughness,
                   Double allowable);
ShellDrop shell_drop(const LayoutInput& input, const Layout& layout, bool gas, Double allowable);

Layout layout(const LayoutInput& input, const LayoutChoices& choices);

}  // namespace design
