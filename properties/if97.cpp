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

struct Power {
    int J;
    double n;
};

// IAPWS R7-97(2012), Table 10: J°i, n°i of region 2's ideal-gas part (not Eq. 18's
// metastable pair).
constexpr std::array<Power, 9> region2_ideal{{
    {0, -0.96927686500217e1},
    {1, 0.10086655968018e2},
    {-5, -0.56087911283020e-2},
    {-4, 0.71452738081455e-1},
    {-3, -0.40710498223928},
    {-2, 0.14240819171444e1},
    {-1, -0.43839511319450e1},
    {2, -0.28408632460772},
    {3, 0.21268463753307e-1},
}};

// IAPWS R7-97(2012), Table 11: the 43 terms Ii, Ji, ni of region 2's residual part.
constexpr std::array<Term, 43> region2_terms{{
    {1, 0, -0.17731742473213e-2},   {1, 1, -0.17834862292358e-1},
    {1, 2, -0.45996013696365e-1},   {1, 3, -0.57581259083432e-1},
    {1, 6, -0.50325278727930e-1},   {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},   {2, 4, -0.39392777243355e-2},
    {2, 7, -0.43797295650573e-1},   {2, 36, -0.26674547914087e-4},
    {3, 0, 0.20481737692309e-7},    {3, 1, 0.43870667284435e-6},
    {3, 3, -0.32277677238570e-4},   {3, 6, -0.15033924542148e-2},
    {3, 35, -0.40668253562649e-1},  {4, 1, -0.78847309559367e-9},
    {4, 2, 0.12790717852285e-7},    {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},    {6, 3, -0.16714766451061e-10},
    {6, 16, -0.21171472321355e-2},  {6, 35, -0.23895741934104e2},
    {7, 0, -0.59059564324270e-17},  {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1},  {8, 8, 0.11256211360459e-10},
    {8, 36, -0.82311340897998e1},   {9, 13, 0.19809712802088e-7},
    {10, 4, 0.10406965210174e-18},  {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8}, {16, 29, -0.80882908646985e-10},
    {16, 50, 0.10693031879409},     {18, 57, -0.33662250574171},
    {20, 20, 0.89185845355421e-24}, {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5}, {21, 21, -0.59056029685639e-25},
    {22, 53, 0.37826947613457e-5},  {23, 39, -0.12768608934681e-14},
    {24, 26, 0.73087610595061e-28}, {24, 40, 0.55414715350778e-16},
    {24, 58, -0.94369707241210e-6},
}};

constexpr double T_star2 = 540.0;  // K, region 2's reducing temperature, Eq. (15); p* = 1 MPa

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

// Region 1, Table 3: h = R T τ γτ, γτ = Σ ni (7.1 − π)^Ii Ji (τ − 1.222)^(Ji − 1).
// Check (Table 5): 300 K, 3 MPa give h = 0.115331273e3 kJ/kg; 500 K, 3 MPa 0.975542239e3.
double region1_enthalpy(double p, double T) {
    const double tau = T_star / T;
    const double a = 7.1 - p / p_star;
    const double b = tau - 1.222;
    double g_t = 0.0;
    for (const Term& t : region1_terms) g_t += t.J * t.n * same_pow(a, t.I) * same_pow(b, t.J - 1);
    return R * T * tau * g_t;
}

// Region 4, Eq. (31), p* = 1 MPa, T* = 1 K:
//   β = p^¼;  E = β² + n3β + n6;  F = n1β² + n4β + n7;  G = n2β² + n5β + n8;
//   D = 2G/(−F − √(F² − 4EG));  Ts = [n10 + D − √((n10 + D)² − 4(n9 + n10·D))]/2.
// Check (Table 36): 0.1 MPa gives 0.372755919e3 K, 1 MPa 0.453035632e3, 10 MPa 0.584149488e3.
double saturation_temperature(double p) {
    const double beta = std::sqrt(std::sqrt(p));
    const double b2 = beta * beta;
    const double E = b2 + n4[3] * beta + n4[6];
    const double F = n4[1] * b2 + n4[4] * beta + n4[7];
    const double G = n4[2] * b2 + n4[5] * beta + n4[8];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double s = n4[10] + D;
    return (s - std::sqrt(s * s - 4.0 * (n4[9] + n4[10] * D))) / 2.0;
}

// Region 2, Eq. (15) and Table 12, π = p/1 MPa, τ = 540 K/T:
//   γ° = ln π + Σ n°i τ^J°i;  γr = Σ ni π^Ii (τ − 0.5)^Ji;
//   v = R T π (γ°π + γrπ)/(1000 p);  h = R T τ (γ°τ + γrτ);  cp = −R τ² (γ°ττ + γrττ).
// Check (Table 15): 300 K, 0.0035 MPa give v = 0.394913866e2 m³/kg, h = 0.254991145e4 kJ/kg,
// cp = 0.191300162e1 kJ/(kg·K); 700 K, 30 MPa 0.542946619e-2, 0.263149474e4, 0.103505092e2.
Region2 region2(double p, double T) {
    const double pi = p;
    const double tau = T_star2 / T;
    const double b = tau - 0.5;
    double g_t = 0.0, g_tt = 0.0;
    for (const Power& o : region2_ideal) {
        g_t += o.n * o.J * same_pow(tau, o.J - 1);
        g_tt += o.n * o.J * (o.J - 1.0) * same_pow(tau, o.J - 2);
    }
    double g_p = 1.0 / pi;
    for (const Term& t : region2_terms) {
        const double I = t.I, J = t.J;
        const double pI = same_pow(pi, I);
        g_p += t.n * I * same_pow(pi, I - 1.0) * same_pow(b, J);
        g_t += t.n * pI * J * same_pow(b, J - 1.0);
        g_tt += t.n * pI * J * (J - 1.0) * same_pow(b, J - 2.0);
    }
    return Region2{R * T * pi * g_p / (1000.0 * p), R * T * tau * g_t, -R * tau * tau * g_tt};
}

}  // namespace properties::if97
