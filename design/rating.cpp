#include "design/rating.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/formulas.hpp"
#include "math/same_math.h"

namespace design {
namespace {

constexpr Double pi = std::numbers::pi;
constexpr Double third = 1.0 / 3.0;

// Re, Pr and C·λ·Re^m·Pr^n/d in the one form the calculation itself uses.
calc::FilmWorking power_law(const calc::FluidState& fluid, const calc::Correlation& form) {
    calc::PlainSteps steps;
    return calc::formulas::film_working(steps, fluid, form, calc::Side::Tube);
}

Resistances resistances(const Rating& r, Double d_i, Double d_o) {
    // 1/K′ = d_o/(α_i·d_i) + R_si·d_o/d_i + b·d_o/(λ_w·d_m) + R_so + 1/α_o, on the outer surface
    return {d_o / (r.tube.alpha * d_i), r.tube_fouling.resistance * d_o / d_i,
            r.wall.thickness * d_o / (r.wall.conductivity * r.wall.mean_diameter),
            r.shell_fouling.resistance, 1.0 / r.shell.alpha};
}

bool all_finite(const Rating& r) {
    const Resistances& s = r.resistances;
    return std::ranges::all_of(std::array{r.tube.velocity,
                                          r.tube.reynolds,
                                          r.tube.prandtl,
                                          r.tube.alpha,
                                          r.shell.equivalent_diameter,
                                          r.shell.cross_section,
                                          r.shell.velocity,
                                          r.shell.reynolds,
                                          r.shell.prandtl,
                                          r.shell.alpha,
                                          r.wall.mean_diameter,
                                          s.tube_film,
                                          s.wall,
                                          s.shell_film,
                                          r.coefficient,
                                          r.clean_coefficient,
                                          r.mean_difference,
                                          r.required_area,
                                          r.margin,
                                          r.duty_coefficient,
                                          r.carried_fouling},
                               [](Double x) { return std::isfinite(x); });
}

}  // namespace

Double wall_factor(bool gas, bool heated) {
    if (gas) return 1.0;
    return heated ? 1.05 : 0.95;
}

// Re_i′ ≥ 2300: Dittus–Boelter α = 0.023·(λ/d_i)·Re^0.8·Pr^n (n 0.4 heated, 0.3 cooled) for a
// gas or μ ≤ 2 mPa·s, else Sieder–Tate α = 0.027·(λ/d_i)·Re^0.8·Pr^(1/3)·φ_w; times
// f = 1 − 6×10⁵/Re^1.8 below 10⁴, then 1 + (d_i/L)^0.7 where L/d_i < 60.
// Re_i′ < 2300: α = 1.86·(λ/d_i)·(Re·Pr·d_i/L)^(1/3)·φ_w, no other factor.
// Worked example: water (λ 0.618, ρ 995.7, cp 4174, μ 0.000801) heated at 0.91338 m/s in
// φ25×2.5 tubes of 4.5 m: Re 22708, Pr 5.4100, α_i = 4264.9 W/(m²·℃).
TubeFilm tube_film(const calc::FluidSide& fluid, Double length, bool gas, bool heated) {
    return tube_film(calc::full_precision(fluid), length, gas, heated);
}

TubeFilm tube_film(const calc::FluidState& fluid, Double length, bool gas, bool heated) {
    TubeFilm f{};
    f.gas = gas;
    f.heated = heated;
    // μ is compared with the threshold as a field reads it, so that 2 mPa·s typed is the
    // thinner liquid.
    const bool thin =
        gas || fluid.viscosity <= static_cast<Double>(static_cast<calc::Single>(viscous_above));
    f.form = thin ? TubeForm::DittusBoelter : TubeForm::SiederTate;
    f.exponent = thin ? (heated ? 0.4 : 0.3) : third;
    f.wall_factor = thin ? 1.0 : wall_factor(gas, heated);
    const calc::FilmWorking w = power_law(fluid, {thin ? 0.023 : 0.027, 0.8, f.exponent});
    f.velocity = fluid.velocity;
    f.reynolds = w.reynolds;
    f.prandtl = w.prandtl;
    f.transition = 1.0;
    f.entrance = 1.0;
    const Double d = fluid.diameter;
    if (f.reynolds < tube_laminar_below) {
        f.form = TubeForm::Laminar;
        f.exponent = third;
        f.wall_factor = wall_factor(gas, heated);
        f.form_value = 1.86 * (fluid.conductivity / d) *
                       same_pow(f.reynolds * f.prandtl * d / length, third) * f.wall_factor;
        f.alpha = f.form_value;
        return f;
    }
    f.form_value = w.alpha * f.wall_factor;
    if (f.reynolds < tube_transition_below) f.transition = 1.0 - 6e5 / same_pow(f.reynolds, 1.8);
    if (length / d < short_tube_below) f.entrance = 1.0 + same_pow(d / length, 0.7);
    f.alpha = f.form_value * f.transition * f.entrance;
    return f;
}

Double equivalent_diameter(Arrangement arrangement, Double pitch, Double outer_diameter) {
    const Double cell = arrangement == Arrangement::Triangle
                            ? std::numbers::sqrt3 / 2.0 * pitch * pitch
                            : pitch * pitch;
    return 4.0 * (cell - pi / 4.0 * outer_diameter * outer_diameter) / (pi * outer_diameter);
}

// A_o = h·D·(1 − d_o/t);  u_o = W_o/(ρ_o·A_o);  α_o = 0.36·(λ_o/d_e)·Re_o^0.55·Pr_o^(1/3)·φ_w.
// Worked example: d_e 20.165 mm, h 100 mm, D 159 mm, t 32 mm, W_o 1.3282 kg/s of water cooled
// (λ 0.668, ρ 977.8, cp 4190, μ 0.000406): u_o 0.39055 m/s, Re_o 18967, α_o = 3486.8 W/(m²·℃).
ShellFilm shell_film(const calc::FluidSide& fluid, Double flow, Arrangement arrangement,
                     Double pitch, Double outer_diameter, Double shell_diameter,
                     Double baffle_spacing, bool gas, bool heated) {
    return shell_film(calc::full_precision(fluid), flow, arrangement, pitch, outer_diameter,
                      shell_diameter, baffle_spacing, gas, heated);
}

ShellFilm shell_film(const calc::FluidState& fluid, Double flow, Arrangement arrangement,
                     Double pitch, Double outer_diameter, Double shell_diameter,
                     Double baffle_spacing, bool gas, bool heated) {
    ShellFilm f{};
    f.gas = gas;
    f.heated = heated;
    f.equivalent_diameter = equivalent_diameter(arrangement, pitch, outer_diameter);
    f.cross_section = baffle_spacing * shell_diameter * (1.0 - outer_diameter / pitch);
    f.velocity = flow / (fluid.density * f.cross_section);
    calc::FluidState at = fluid;
    at.diameter = f.equivalent_diameter;
    at.velocity = f.velocity;
    const calc::FilmWorking w = power_law(at, {0.36, 0.55, third});
    f.reynolds = w.reynolds;
    f.prandtl = w.prandtl;
    f.wall_factor = wall_factor(gas, heated);
    f.alpha = w.alpha * f.wall_factor;
    return f;
}

int water_column(Double celsius, Double velocity) {
    return (celsius > water_temperature_split ? 2 : 0) + (velocity > water_velocity_split ? 1 : 0);
}

Double fouling_resistance(FoulingService service, int column) {
    const FoulingRow& row = fouling_table[static_cast<std::size_t>(service)];
    return row.resistance[static_cast<std::size_t>(std::clamp(column, 0, 3))];
}

namespace {

// The TEMA row a fill of its own brings, where it names one.
std::optional<FoulingService> fill_service(FillKind fill) {
    switch (fill) {
        case FillKind::Water:
            return water_default;
        case FillKind::OrganicSolution:
            return FoulingService::GlycolSolutions;
        case FillKind::Brine:
            return FoulingService::Brines;
        case FillKind::Steam:
            return FoulingService::Steam;
        case FillKind::Vapour:
            return FoulingService::SolventVapours;
        default:
            return std::nullopt;
    }
}

}  // namespace

AppliedFouling applied_fouling(const std::optional<FoulingChoice>& choice, FillKind fill,
                               Double celsius, Double velocity) {
    if (choice && !choice->service) return {choice->resistance, std::nullopt, -1, true};
    const std::optional<FoulingService> service = choice ? choice->service : fill_service(fill);
    if (!service) return {ordinary_fouling, std::nullopt, -1, false};
    const bool water = static_cast<std::size_t>(*service) < water_services;
    const int column = water ? water_column(celsius, velocity) : -1;
    return {fouling_resistance(*service, column), service, column, choice.has_value()};
}

Double material_conductivity(Material material) {
    return material_table[static_cast<std::size_t>(material)].conductivity;
}

// b = (d_o − d_i)/2;  d_m = (d_o − d_i)/ln(d_o/d_i): φ25×2.5 gives b 2.5 mm, d_m 22.407 mm.
Wall wall(Double inner_diameter, Double outer_diameter, const std::optional<Material>& material,
          const std::optional<Double>& conductivity) {
    const Double wall = outer_diameter - inner_diameter;
    const Material taken = material.value_or(Material::CarbonSteel);
    return {wall / 2.0, wall / same_log(outer_diameter / inner_diameter),
            conductivity.value_or(material_conductivity(taken)),
            conductivity ? std::nullopt : std::optional(taken)};
}

// K′ and K_c from the resistances; Δt_m′ = F·|Δt_m| for N_p ≥ 2, F of the layout's N_s shells; A′ =
// |Q|/(K′·Δt_m′); H′ = S/A′ − 1; K_S = |Q|/(S·Δt_m′); R_max = 1/K_S − 1/K_c. Worked example (7
// tubes of 4.5 m in one pass, R 0.000176 both sides, carbon steel): K′ 969.30, K_c 1573.1 W/(m²·℃),
// A′ 3.8436 m², H′ −35.633 %, R_max 2.8384e-05 m²·℃/W.
Rating rate(const LayoutInput& in, const Layout& l, const LayoutChoices& choices) {
    return rate(
        in, l, choices, laid_out_tube_film(in, l), laid_out_shell_film(in, l),
        wall(in.tube.diameter, in.shell.diameter, choices.material, choices.wall_conductivity));
}

ShellFilm laid_out_shell_film(const LayoutInput& in, const Layout& l) {
    return shell_film(in.shell, in.shell_flow, l.arrangement, l.pitch, in.shell.diameter,
                      l.shell_diameter, l.baffle_spacing, shell_gas(in), in.shell_heated);
}

TubeFilm laid_out_tube_film(const LayoutInput& in, const Layout& l) {
    calc::FluidSide tube = in.tube;
    tube.velocity = l.tube_velocity;
    return tube_film(tube, l.length, tube_gas(in), in.tube_heated);
}

Rating rate(const LayoutInput& in, const Layout& l, const LayoutChoices& choices,
            const TubeFilm& tube, const ShellFilm& shell, const Wall& tube_wall) {
    Rating r{};
    const Double d_i = in.tube.diameter;
    const Double d_o = in.shell.diameter;
    r.tube = tube;
    r.shell = shell;
    r.tube_fouling = applied_fouling(choices.tube_fouling, in.tube_fill, in.tube_mean_temperature,
                                     r.tube.velocity);
    r.shell_fouling = applied_fouling(choices.shell_fouling, in.shell_fill,
                                      in.shell_mean_temperature, r.shell.velocity);
    r.wall = tube_wall;
    r.resistances = resistances(r, d_i, d_o);
    const Resistances& s = r.resistances;
    r.coefficient = 1.0 / (s.tube_film + s.tube_fouling + s.wall + s.shell_fouling + s.shell_film);
    r.clean_coefficient = 1.0 / (s.tube_film + s.wall + s.shell_film);
    r.mean_difference = l.passes >= 2.0 ? l.correction * in.mean_difference : in.mean_difference;
    r.required_area = in.duty / (r.coefficient * r.mean_difference);
    r.margin = l.area / r.required_area - 1.0;
    r.duty_coefficient = in.duty / (l.area * r.mean_difference);
    r.carried_fouling = 1.0 / r.duty_coefficient - 1.0 / r.clean_coefficient;
    r.tube_velocities = r.tube.gas ? tube_velocities.gas : tube_velocities.liquid;
    r.shell_velocities = r.shell.gas ? shell_velocities.gas : shell_velocities.liquid;
    r.finite = all_finite(r);
    return r;
}

}  // namespace design
