#include "properties/if97.hpp"

#include <array>
#include <cmath>

#include "math/same_math.h"

namespace properties::if97 {
namespace {

// IAPWS R7-97(2012), Table 34: the coefficients n1…n10 of the saturation equation.
constexpr std::array<double, 11> n4{
    0.0,  // n0 unused: the release counts from 1
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.12020824702470e5,
    -0.32325550322333e7,
    0.14915108613530e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
};

struct Term {
    int I, J;
    double n;
};

// IAPWS R7-97(2012), Table 2: the 34 terms Ii, Ji, ni of region 1's Gibbs free energy.
constexpr std::array<Term, 34> region1_terms{{
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},
    {0, 0, -0.37563603672040e1},      {0, 1, 0.33855169168385e1},
    {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},
    {1, -9, 0.28319080123804e-3},     {1, -7, -0.60706301565874e-3},
    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.52838357969930e-4},
    {2, -3, -0.47184321073267e-3},    {2, 0, -0.30001780793026e-3},
    {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},
    {3, 0, -0.28270797985312e-5},     {3, 6, -0.85205128120103e-9},
    {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},
    {8, -11, -0.12734301741641e-8},   {8, -6, -0.17424871230634e-9},
    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22},
    {31, -40, 0.18228094581404e-23},  {32, -41, -0.93537087292458e-25},
}};

constexpr double p_star = 16.53;   // MPa, region 1's reducing pressure, Eq. (7)
constexpr double T_star = 1386.0;  // K, region 1's reducing temperature, Eq. (7)

}  // namespace

// Region 4, Eqs. (29b) and (30), T* = 1 K and p* = 1 MPa:
//   ϑ = T + n9/(T − n10);  A = ϑ² + n1ϑ + n2;  B = n3ϑ² + n4ϑ + n5;  C = n6ϑ² + n7ϑ + n8;
//   ps = [2C/(−B + √(B² − 4AC))]⁴.
// Check (Table 35): 300 K gives 0.353658941e-2 MPa, 500 K 0.263889776e1, 600 K 0.123443146e2.
double saturation_pressure(double T) {
    const double theta = T + n4[9] / (T - n4[10]);
    const double A = (theta + n4[1]) * theta + n4[2];
    const double B = (n4[3] * theta + n4[4]) * theta + n4[5];
    const double C = (n4[6] * theta + n4[7]) * theta + n4[8];
    const double x = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    const double x2 = x * x;
    return x2 * x2;
}

// Region 1, Eq. (7): γ(π, τ) = Σ ni (7.1 − π)^Ii (τ − 1.222)^Ji with π = p/16.53 MPa and
// τ = 1386 K/T, and from its derivatives (Table 4) the properties of Table 3:
//   v = R T π γπ/(1000 p);  cp = −R τ² γττ;  cv = R [−τ² γττ + (γπ − τ γπτ)²/γππ];
//   κT = −π γππ/(p γπ), from −(1/v)(∂v/∂p)T.
// Check (Table 5): 300 K, 3 MPa give v = 0.100215168e-2 m³/kg and cp = 0.417301218e1
// kJ/(kg·K); 300 K, 80 MPa give 0.971180894e-3 and 0.401008987e1; 500 K, 3 MPa give
// 0.120241800e-2 and 0.465580682e1.
Region1 region1(double p, double T) {
    const double pi = p / p_star;
    const double tau = T_star / T;
    const double a = 7.1 - pi;
    const double b = tau - 1.222;
    double g_p = 0.0, g_pp = 0.0, g_tt = 0.0, g_pt = 0.0;
    for (const Term& t : region1_terms) {
        // n·a^I·b^J once per term; each derivative divides out the powers it lowers.
        const double term = t.n * same_pow(a, t.I) * same_pow(b, t.J);
        const double I = t.I, J = t.J;
        g_p -= I * term / a;
        g_pp += I * (I - 1.0) * term / (a * a);
        g_tt += J * (J - 1.0) * term / (b * b);
        g_pt -= I * J * term / (a * b);
    }
    Region1 r{};
    r.v = R * T * pi * g_p / (1000.0 * p);
    r.cp = -R * tau * tau * g_tt;
    const double d = g_p - tau * g_pt;
    r.cv = R * (-tau * tau * g_tt + d * d / g_pp);
    r.kappa_T = -pi * g_pp / (p * g_p);
    return r;
}

}  // namespace properties::if97
