#include "properties/thermal_conductivity.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "math/same_math.h"
#include "properties/if97.hpp"

namespace properties {
namespace {

// IAPWS R15-11, Table 1: L0…L4 of the dilute-gas term λ̄0.
constexpr std::array<double, 5> L{2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4};

// IAPWS R15-11, Table 2: Lij of the residual term λ̄1, rows i = 0…4, columns j = 0…5.
constexpr std::array<std::array<double, 6>, 5> Lij{{
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0.0, 0.0},
    {-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842},
}};

// IAPWS R15-11, Table 3: the constants of the critical region.
constexpr double Lambda = 177.8514;
constexpr double qD_inverse = 0.40;  // nm
constexpr double nu = 0.630;
constexpr double gamma = 1.239;
constexpr double xi0 = 0.13;  // nm
constexpr double Gamma0 = 0.06;
constexpr double TR = 1.5;               // reduced reference temperature of ζR
constexpr double R_lambda = 0.46151805;  // kJ/(kg·K), the release's own, only in c̄p

// IAPWS R15-11, Table 6: Aij of ζR for use with IF97, one column j per band of ρ̄, with the
// upper bound of each band (ρ = 100, 250, 400, 600 kg/m³ over 322).
struct Band {
    double upper;
    std::array<double, 6> A;  // A0j … A5j
};
constexpr std::array<Band, 5> zeta_bands{{
    {0.310559006,
     {6.53786807199516, -5.61149954923348, 3.39624167361325, -2.27492629730878, 10.2631854662709,
      1.97815050331519}},
    {0.776397516,
     {6.52717759281799, -6.30816983387575, 8.08379285492595, -9.82240510197603, 12.1358413791395,
      -5.54349664571295}},
    {1.242236025,
     {5.35500529896124, -3.96415689925446, 8.91990208918795, -12.0338729505790, 9.19494865194302,
      -2.16866274479712}},
    {1.863354037,
     {1.55225959906681, 0.464621290821181, 8.93237374861479, -11.0321960061126, 6.16780999933360,
      -0.965458722086812}},
    {std::numeric_limits<double>::infinity(),
     {1.11999926419994, 0.595748562571649, 9.88952565078920, -10.3255051147040, 4.66861294457414,
      -0.503243546373828}},
}};

// Σ c[k]·x^k by Horner's rule.
template <std::size_t N>
double polynomial(const std::array<double, N>& c, double x) {
    double sum = 0.0;
    for (std::size_t k = N; k-- > 0;) sum = sum * x + c[k];
    return sum;
}

}  // namespace

// λ̄0·λ̄1 with T̄ = T/647.096 K and ρ̄ = ρ/322 kg/m³ (Eqs. 10, 16, 17):
//   λ̄0 = √T̄ / Σk Lk/T̄^k;   λ̄1 = exp[ρ̄ Σi (1/T̄ − 1)^i Σj Lij (ρ̄ − 1)^j].
// Check (Table 4): 298.15 K, 998 kg/m³ give 607.712868 mW/(m·K); 298.15 K, 0 give 18.4341883.
double conductivity_background(double T, double rho) {
    const double Tr = T / if97::Tc;
    const double rr = rho / if97::rhoc;
    const double lambda0 = std::sqrt(Tr) / polynomial(L, 1.0 / Tr);
    double outer = 0.0;
    for (std::size_t i = Lij.size(); i-- > 0;) {
        outer = outer * (1.0 / Tr - 1.0) + polynomial(Lij[i], rr - 1.0);
    }
    return lambda0 * same_exp(rr * outer);
}

// λ̄2 = Λ ρ̄ c̄p T̄ / μ̄ · Z (Eqs. 18–25), in this order:
//   ζ = (pc/ρc)(∂ρ/∂p)T;  ζR = 1/Σi Aij ρ̄^i (band j by ρ̄);  Δχ̄ = ρ̄ (ζ − ζR T̄R/T̄), at least 0;
//   ξ = ξ0 (Δχ̄/Γ0)^(ν/γ) nm;  y = ξ/0.40 nm;  κ = cp/cv;  c̄p = cp/R_λ;
//   Z = 2/(π y) {[(1 − 1/κ) arctan y + y/κ] − [1 − exp(−1/(1/y + y²/(3 ρ̄²)))]}, 0 for
//   y < 1.2e-7.
// Check (IF97 region 1 and R12-08 inputs): 620 K, 20 MPa give 12.6391714 mW/(m·K), and with
// the background 481.485195 (R15-11 Table 7).
double critical_enhancement(const CriticalInputs& in) {
    const double Tr = in.T / if97::Tc;
    const double rr = in.rho / if97::rhoc;
    const double zeta = if97::pc / if97::rhoc * in.drho_dp;
    const Band* band = &zeta_bands.back();
    for (const Band& b : zeta_bands) {
        if (rr <= b.upper) {
            band = &b;
            break;
        }
    }
    const double zeta_R = 1.0 / polynomial(band->A, rr);
    const double dchi = std::max(0.0, rr * (zeta - zeta_R * TR / Tr));
    const double xi = xi0 * same_pow(dchi / Gamma0, nu / gamma);
    const double y = xi / qD_inverse;
    if (y < 1.2e-7) return 0.0;
    const double kappa = in.cp / in.cv;
    const double cp_bar = in.cp / R_lambda;
    const double Z = 2.0 / (std::numbers::pi * y) *
                     (((1.0 - 1.0 / kappa) * same_atan(y) + y / kappa) -
                      (1.0 - same_exp(-1.0 / (1.0 / y + y * y / (3.0 * rr * rr)))));
    return Lambda * rr * cp_bar * Tr / in.mu * Z;
}

}  // namespace properties
