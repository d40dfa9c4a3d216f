// λ, ρ, cp and μ of saturated liquid water at a temperature, from the IAPWS releases:
// IF97 for ps, ρ, cp (R7-97(2012)), R12-08 for μ, R15-11 for λ. Which temperature to ask
// for, and showing the values, are left to the caller.
#pragma once

#include "properties/out_of_range.hpp"

namespace properties {

// SI units as the window's fields take them.
struct Water {
    double conductivity;   // λ, W/(m·℃)
    double density;        // ρ, kg/m³
    double specific_heat;  // cp, J/(kg·℃)
    double viscosity;      // μ, Pa·s
};

// From the triple point to the top of IF97 region 1, both included.
inline constexpr Range saturated_water_range{0.01, 350.0};  // ℃

// Liquid water in IF97 region 1 at p in MPa and T in K (273.15 K ≤ T ≤ 623.15 K,
// ps(T) ≤ p ≤ 100 MPa); the range is the caller's to keep.
Water liquid_water(double p, double T);

// Saturated liquid at `celsius` ℃; OutOfRange (Temperature) outside saturated_water_range or
// for a NaN.
Water saturated_water(double celsius);

}  // namespace properties
