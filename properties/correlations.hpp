// One evaluator per equation form of the published tables, T in K, the result in SI units
// per kg, and Melinder's fit of a solution; which row or fit to evaluate, and whether T lies
// in its range, are the caller's.
#pragma once

#include "properties/fluid_table.hpp"
#include "properties/solution_table.hpp"

namespace properties {

inline constexpr double gas_constant = 8.314462618;  // J/(mol·K), R (CODATA 2018, exact)

// Which of the four a row gives; the order of Fluid::rows.
enum class Property { Conductivity, Density, SpecificHeat, Viscosity };

// The row of `property` at T K for a fluid of molar mass M kg/kmol: λ W/(m·K), ρ kg/m³,
// cp J/(kg·K), μ Pa·s. An IdealGas row needs the absolute pressure p in kPa.
double evaluate(const Correlation& row, Property property, double T, double M, double p = 0);

// The column of a solution's fit at x mass % and t ℃, in the fit's own units (ln μ for μ);
// the freezing column ignores t.
double evaluate(const SolutionFit& fit, SolutionColumn column, double x, double t);

}  // namespace properties
