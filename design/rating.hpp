// 核算: the exchanger that was laid out rated as it stands — each side's film coefficient at its
// laid-out velocity, fouling and the wall, K′, the clean K_c, the area A′ K′ needs, the margin H′
// and the fouling R_max it can carry — one function per step. Never raises; the words are the
// report's.
#pragma once

#include <optional>

#include "design/layout.hpp"
#include "design/rating_tables.hpp"

namespace design {

inline constexpr Double tube_laminar_below = 2300.0;    // Re_i′: the laminar form below it
inline constexpr Double tube_transition_below = 1e4;    // the transition factor below it
inline constexpr Double short_tube_below = 60.0;        // L/d_i: the entrance factor below it
inline constexpr Double viscous_above = 2e-3;           // μ_i, Pa·s: Sieder–Tate above it
inline constexpr Range tube_prandtl_range{0.7, 120.0};  // where the tube-side forms hold
inline constexpr Range kern_reynolds_range{2e3, 1e6};   // where Kern's form holds

enum class TubeForm { DittusBoelter, SiederTate, Laminar };

// Step 1. u_i′, Re_i′ and Pr_i; the form's value before the factors; α_i after them.
struct TubeFilm {
    Double velocity, reynolds, prandtl;
    TubeForm form;
    bool gas, heated;
    Double exponent;     // n of Pr^n: 0.4 heated, 0.3 cooled (Dittus–Boelter), else 1/3
    Double wall_factor;  // φ_w, in the Sieder–Tate and laminar forms; 1 in Dittus–Boelter
    Double form_value;   // α of the form, φ_w included
    Double transition;   // f = 1 − 6×10⁵/Re^1.8 for 2300 ≤ Re < 10⁴, else 1
    Double entrance;     // 1 + (d_i/L)^0.7 for L/d_i < 60 and not laminar, else 1
    Double alpha;        // α_i, W/(m²·℃)
};

// Step 2, Kern's method.
struct ShellFilm {
    Double equivalent_diameter;  // d_e
    Double cross_section;        // A_o = h·D·(1 − d_o/t)
    Double velocity, reynolds, prandtl;
    bool gas, heated;
    Double wall_factor;
    Double alpha;  // α_o
};

// Step 3: a side's resistance as taken, and whence.
struct AppliedFouling {
    Double resistance;                      // m²·℃/W
    std::optional<FoulingService> service;  // a row of the table; none where typed or ordinary
    int column = -1;                        // of a water row, 0–3; -1 otherwise
    bool chosen = false;                    // by the user, else the default for the side's fill
};

struct Wall {
    Double thickness, mean_diameter;   // b = (d_o − d_i)/2, d_m = (d_o − d_i)/ln(d_o/d_i)
    Double conductivity;               // λ_w
    std::optional<Material> material;  // none where λ_w was typed
};

// Step 4, each resistance on the outer surface, m²·℃/W.
struct Resistances {
    Double tube_film, tube_fouling, wall, shell_fouling, shell_film;
};

struct Rating {
    TubeFilm tube;
    ShellFilm shell;
    AppliedFouling tube_fouling, shell_fouling;
    Wall wall;
    Resistances resistances;
    Double coefficient;        // K′
    Double clean_coefficient;  // K_c
    Double mean_difference;    // Δt_m′ = F·|Δt_m| for N_p ≥ 2, |Δt_m| for one pass
    Double required_area;      // A′ = |Q|/(K′·Δt_m′)
    Double margin;             // H′ = S/A′ − 1
    Double duty_coefficient;   // K_S = |Q|/(S·Δt_m′)
    Double carried_fouling;    // R_max = 1/K_S − 1/K_c
    Range tube_velocities, shell_velocities;  // the recommended ranges for each side's state
    bool finite;                              // every figure a finite number
};

// φ_w = (μ/μ_w)^0.14 as the textbook takes it: 1.05 heated, 0.95 cooled, 1.0 for a gas.
Double wall_factor(bool gas, bool heated);

// Step 1 for the tube-side fluid at u_i′ (its velocity) in tubes of `length`.
TubeFilm tube_film(const calc::FluidSide& fluid, Double length, bool gas, bool heated);
TubeFilm tube_film(const calc::FluidState& fluid, Double length, bool gas, bool heated);

// d_e of the arrangement at pitch t: 4·(√3/2·t² − π/4·d_o²)/(π·d_o) for 正三角形,
// 4·(t² − π/4·d_o²)/(π·d_o) for 正方形 and 转角正方形.
Double equivalent_diameter(Arrangement arrangement, Double pitch, Double outer_diameter);

// Step 2 for the shell-side fluid (its typed velocity and diameter are not used).
ShellFilm shell_film(const calc::FluidSide& fluid, Double flow, Arrangement arrangement,
                     Double pitch, Double outer_diameter, Double shell_diameter,
                     Double baffle_spacing, bool gas, bool heated);
ShellFilm shell_film(const calc::FluidState& fluid, Double flow, Arrangement arrangement,
                     Double pitch, Double outer_diameter, Double shell_diameter,
                     Double baffle_spacing, bool gas, bool heated);

// The column of a water row: by the mean temperature (≤ 52 ℃ or above) and the velocity
// (≤ 0.9 m/s or above).
int water_column(Double celsius, Double velocity);
Double fouling_resistance(FoulingService service, int column);
// What a side takes: the choice, else 循环冷却水（已处理） for water, the TEMA row of a
// solution filled (乙二醇、甲醇、乙醇水溶液 or 氯化钙、氯化钠盐水), else ordinary_fouling.
AppliedFouling applied_fouling(const std::optional<FoulingChoice>& choice, FillKind fill,
                               Double celsius, Double velocity);

Double material_conductivity(Material material);
Wall wall(Double inner_diameter, Double outer_diameter, const std::optional<Material>& material,
          const std::optional<Double>& conductivity);

// The rating of a layout that stopped nowhere, with the choices it was laid out with.
Rating rate(const LayoutInput& input, const Layout& layout, const LayoutChoices& choices);
// Step 1 for a layout: the tube side at its u_i′ and L; step 2: the shell side in its D at h.
TubeFilm laid_out_tube_film(const LayoutInput& input, const Layout& layout);
ShellFilm laid_out_shell_film(const LayoutInput& input, const Layout& layout);
// The same with steps 1, 2 and the wall already worked, as a search that tries one tube in
// many shells and one shell around many tubes does.
Rating rate(const LayoutInput& input, const Layout& layout, const LayoutChoices& choices,
            const TubeFilm& tube, const ShellFilm& shell, const Wall& wall);

}  // namespace design
