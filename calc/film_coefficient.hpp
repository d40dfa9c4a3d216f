// Convective film coefficient of one fluid from a power law in Re and Pr.
// Reading the inputs from fields and showing the result is left to the window.
#pragma once

#include "calc/fault.hpp"
#include "calc/numbers.hpp"

namespace calc {

// One side's inputs, SI units: W/(m·℃), kg/m³, J/(kg·℃), N·s/m², m, m/s.
struct FluidSide {
    Single conductivity, density, specific_heat, viscosity;
    Double diameter, velocity;
};

// The same in full precision, for properties that follow a temperature (operation off the
// design point) rather than fields read as Single.
struct FluidState {
    Double conductivity, density, specific_heat, viscosity;
    Double diameter, velocity;
};

constexpr FluidState full_precision(const FluidSide& f) {
    return {f.conductivity, f.density, f.specific_heat, f.viscosity, f.diameter, f.velocity};
}

// α = C · λ · Re^m · Pr^n / d
struct Correlation {
    Double C, m, n;
};

inline constexpr Correlation tube_side{0.023, 0.8, 0.3};
inline constexpr Correlation shell_side{0.32, 0.6, 0.4};

// The coefficient together with the two numbers it is built from.
struct FilmWorking {
    Double reynolds, prandtl, alpha;
};

// α in W/(m²·℃); faults carry `side`.
Double film_coefficient(const FluidSide& fluid, const Correlation& correlation, Side side);
Double film_coefficient(const FluidSide& fluid, const Correlation& correlation);
// The same steps and faults, with Re and Pr kept.
FilmWorking film_working(const FluidSide& fluid, const Correlation& correlation, Side side);

}  // namespace calc
