#include "properties/correlations.hpp"

#include <algorithm>

#include "math/same_math.h"

namespace properties {
namespace {

// y = C1 + C2·T + C3·T² + C4·T³ + C5·T⁴, by Horner from C5.
double polynomial(const std::array<double, 5>& c, double T) {
    double y = 0;
    for (std::size_t i = c.size(); i-- > 0;) y = y * T + c[i];
    return y;
}

// base^n by repeated products, n ≥ 0.
double power(double base, int n) {
    double y = 1;
    for (int k = 0; k < n; ++k) y *= base;
    return y;
}

}  // namespace

// Perry 100: the polynomial (λ as it is; cp J/(kmol·K) / M).
// Perry 101: μ = exp(C1 + C2/T + C3·ln T + C4·T^C5), the terms summed left to right.
// Perry 102: y = C1·T^C2 / (1 + C3/T + C4/T²).
// Perry 105: ρ = C1 / C2^(1 + (1 − T/C3)^C4) kmol/m³, × M; 1 − T/C3 is kept ≥ 0 at C3 itself.
// Poling: cp = R·(a0 + a1·T + … + a4·T⁴) J/(mol·K) × 1000 / M.
// Ideal gas: ρ = p·M / (R·T), p kPa and M kg/kmol giving kg/m³ without further factors.
// Check: benzene at 293.15 K, λ 0.144818, ρ 877.976, cp 1732.78, μ 0.000639443; air at
// 293.15 K and 101.325 kPa, λ 0.0256141, ρ 1.20384, cp 1004.33, μ 1.82154e-05.
double evaluate(const Correlation& row, Property property, double T, double M, double p) {
    const std::array<double, 5>& c = row.c;
    switch (row.equation) {
        case Equation::Perry100:
            return property == Property::SpecificHeat ? polynomial(c, T) / M : polynomial(c, T);
        case Equation::Perry101:
            return same_exp(c[0] + c[1] / T + c[2] * same_log(T) + c[3] * same_pow(T, c[4]));
        case Equation::Perry102:
            return c[0] * same_pow(T, c[1]) / (1 + c[2] / T + c[3] / (T * T));
        case Equation::Perry105: {
            const double tau = std::max(0.0, 1 - T / c[2]);
            return c[0] / same_pow(c[1], 1 + same_pow(tau, c[3])) * M;
        }
        case Equation::Poling:
            return gas_constant * polynomial(c, T) * 1000 / M;
        case Equation::IdealGas:
            return p * M / (gas_constant * T);
    }
    return 0;
}

// Melinder (2010): f(x, t) = Σ c_ij·(x − x_m)^i·(t − t_m)^j over the 18 rows in their order,
// x mass %, t ℃; t_F = Σ c_i0·(x − x_m)^i, its j ≥ 1 rows stored but not used. Check: 30 %
// ethylene glycol at −5 ℃, ρ 1046.31, cp 3642.65, λ 0.441062, ln μ = ln 5.25412, t_F −14.5758.
double evaluate(const SolutionFit& fit, SolutionColumn column, double x, double t) {
    const auto col = static_cast<std::size_t>(column);
    const bool freezing = column == SolutionColumn::Freezing;
    double y = 0;
    for (std::size_t row = 0; row < solution_powers.size(); ++row) {
        const Powers n = solution_powers[row];
        if (freezing && n.j > 0) continue;
        y += fit.c[row][col] * power(x - fit.x_m, n.i) * power(t - fit.t_m, n.j);
    }
    return y;
}

}  // namespace properties
