// The aqueous solutions 物性 offers, as Melinder's fits print them: base values, ranges and
// the 18 coefficients of each property. Evaluating a fit is correlations'; choosing a
// solution, its concentration and a temperature is fluid's.
#pragma once

#include <array>
#include <string_view>

#include "properties/out_of_range.hpp"

namespace properties {

// The powers (i, j) of (x − x_m) and (t − t_m) of a fit's 18 rows, in the order they are stored.
struct Powers {
    int i, j;
};
inline constexpr std::array<Powers, 18> solution_powers{{{0, 0},
                                                         {0, 1},
                                                         {0, 2},
                                                         {0, 3},
                                                         {1, 0},
                                                         {1, 1},
                                                         {1, 2},
                                                         {1, 3},
                                                         {2, 0},
                                                         {2, 1},
                                                         {2, 2},
                                                         {2, 3},
                                                         {3, 0},
                                                         {3, 1},
                                                         {3, 2},
                                                         {4, 0},
                                                         {4, 1},
                                                         {5, 0}}};

// A fit's columns, in the order of each row.
enum class SolutionColumn { Freezing, Density, SpecificHeat, Conductivity, LogViscosity };

// The TEMA service its fouling is taken from: glycol and alcohol solutions, or brines.
enum class Solute { Organic, Salt };

struct SolutionFit {
    std::string_view code;  // Melinder's: "MEG"
    double x_m, t_m;        // base values: mass %, ℃
    Range fraction;         // w, the solute's mass fraction, both ends included
    double t_max;           // ℃; the freezing curve is the lower end
    Solute solute;
    // t_F ℃, ρ kg/m³, cp J/(kg·K), λ W/(m·K), ln(μ/mPa·s), a row per solution_powers.
    std::array<std::array<double, 5>, 18> c;
};

// 乙二醇、丙二醇、甲醇、乙醇、甘油、氯化钙、氯化钠 in water, in that order.
extern const SolutionFit solution_fits[7];

}  // namespace properties
