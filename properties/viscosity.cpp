#include "properties/viscosity.hpp"

#include <array>
#include <cmath>

#include "math/same_math.h"
#include "properties/if97.hpp"

namespace properties {
namespace {

// IAPWS R12-08, Table 1: H0…H3 of the dilute-gas term μ̄0.
constexpr std::array<double, 4> H{1.67752, 2.20462, 0.6366564, -0.241605};

// IAPWS R12-08, Table 2: Hij of the residual term μ̄1, rows i = 0…5, columns j = 0…6;
// the coefficients the table does not list are zero.
constexpr std::array<std::array<double, 7>, 6> Hij{{
    {0.520094, 0.222531, -0.281378, 0.161913, -0.0325372, 0.0, 0.0},
    {0.0850895, 0.999115, -0.906851, 0.257399, 0.0, 0.0, 0.0},
    {-1.08374, 1.88797, -0.772479, 0.0, 0.0, 0.0, 0.0},
    {-0.289555, 1.26613, -0.489837, 0.0, 0.0698452, 0.0, -0.00435673},
    {0.0, 0.0, -0.25704, 0.0, 0.0, 0.00872102, 0.0},
    {0.0, 0.120573, 0.0, 0.0, 0.0, 0.0, -0.000593264},
}};

}  // namespace

// μ̄ = μ̄0 · μ̄1 with T̄ = T/647.096 K and ρ̄ = ρ/322 kg/m³ (Eqs. 10–12):
//   μ̄0 = 100 √T̄ / Σi Hi/T̄^i;   μ̄1 = exp[ρ̄ Σi (1/T̄ − 1)^i Σj Hij (ρ̄ − 1)^j].
// Check (Table 4): 298.15 K, 998 kg/m³ give 889.735100 µPa·s; 373.15 K, 1000 give 307.883622;
// 873.15 K, 1 give 32.619287.
double viscosity_micro_pa_s(double T, double rho) {
    const double Tr = T / if97::Tc;
    const double rr = rho / if97::rhoc;

    double dilute = 0.0;
    for (std::size_t i = H.size(); i-- > 0;) dilute = dilute / Tr + H[i];  // Horner in 1/T̄
    const double mu0 = 100.0 * std::sqrt(Tr) / dilute;

    double outer = 0.0;
    for (std::size_t i = Hij.size(); i-- > 0;) {
        double inner = 0.0;
        for (std::size_t j = Hij[i].size(); j-- > 0;) inner = inner * (rr - 1.0) + Hij[i][j];
        outer = outer * (1.0 / Tr - 1.0) + inner;
    }
    const double mu1 = same_exp(rr * outer);
    return mu0 * mu1;
}

}  // namespace properties
