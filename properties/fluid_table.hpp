// The fluids 物性 offers, as the published tables print them: names, molar mass, normal
// boiling point and, per property, the equation form, its coefficients and its range in K;
// for an aqueous solution, Melinder's fit instead.
// Evaluating a row is correlations'; choosing a fluid and a temperature is fluid's.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "properties/solution_table.hpp"

namespace properties {

// The equation forms of the tables (correlations.hpp gives each one's formula).
enum class Equation { Perry100, Perry101, Perry102, Perry105, Poling, IdealGas };

// Where a row comes from: Perry's Handbook, 8th ed., its table ("2-315"); Poling, Prausnitz
// and O'Connell, 5th ed., Appendix A ("A"); or the ideal gas law ("").
struct Correlation {
    Equation equation;
    std::string_view table;
    std::array<double, 5> c;  // C1…C5 or a0…a4, in the table's units
    double t_min, t_max;      // K, both included
};

enum class FluidKind { Water, Liquid, Gas, Solution };

struct Fluid {
    std::string_view chinese, english, cas, formula;
    double molar_mass;     // kg/kmol
    double boiling_point;  // K at 101.325 kPa; 0 for a gas
    FluidKind kind;
    std::array<Correlation, 4> rows;        // λ, ρ, cp, μ; none for water, which is IAPWS'
    const SolutionFit* solution = nullptr;  // a solution's fit, in place of the rows
};

// Water first, then the liquids, the gases and the solutions, as the chooser lists them.
std::span<const Fluid> fluid_table();

}  // namespace properties
