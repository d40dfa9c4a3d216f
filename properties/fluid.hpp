// λ, ρ, cp and μ of any fluid of the table, at a temperature and, for a gas, a pressure or,
// for a solution, a concentration: the range each fluid holds in, a solution's freezing
// point, and the cautions that go with a value. Wording is the caller's.
#pragma once

#include "properties/fluid_table.hpp"
#include "properties/out_of_range.hpp"
#include "properties/saturated_water.hpp"

namespace properties {

using Properties = Water;  // the same four fields, whatever the fluid

inline constexpr double standard_pressure = 101.325;        // kPa, absolute
inline constexpr Range gas_pressure_range{0.001, 10000.0};  // kPa accepted for a gas
inline constexpr double low_pressure_limit = 1000.0;        // kPa; above it a 注意
// K; a solution's colder end closer than this to its freezing point gets a 注意: the margin
// is this program's own choice, for the freezing curve's spread and a cold wall.
inline constexpr double freezing_margin = 3.0;

// Where the fluid's properties hold, in ℃: water's IAPWS range, the intersection of its
// rows' ranges, each end to the 0.01 ℃ of the tables' K, or for a solution of mass fraction
// `fraction` its freezing point to its fit's t_max.
Range fluid_range(const Fluid& fluid, double fraction = 0);

// The solute's mass fractions a solution's fit holds for; none for another fluid.
Range fraction_range(const Fluid& fluid);
// A solution's freezing point in ℃ at a mass fraction in its fraction_range.
double freezing_celsius(const Fluid& fluid, double fraction);

// The fluid at `celsius` ℃ (the pressure, kPa absolute, only matters to a gas's ρ; the solute's
// mass fraction only to a solution). OutOfRange: Fraction outside fraction_range for a
// solution, then Temperature outside fluid_range; Pressure outside gas_pressure_range for a gas.
Properties fluid_properties(const Fluid& fluid, double celsius, double pressure = standard_pressure,
                            double fraction = 0);

// The normal boiling point in ℃, to 0.01 ℃; a liquid above it must be kept liquid by pressure.
double boiling_celsius(const Fluid& fluid);
bool above_boiling_point(const Fluid& fluid, double celsius);   // false for water and gases
bool beyond_low_pressure(const Fluid& fluid, double pressure);  // a gas above the limit

}  // namespace properties
