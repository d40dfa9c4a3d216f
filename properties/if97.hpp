// IAPWS-IF97 (IAPWS R7-97(2012)): the saturation line of region 4 both ways, the liquid of
// region 1 and the vapour of region 2, in the release's own units. Ranges are the caller's to
// keep.
#pragma once

namespace properties::if97 {

inline constexpr double R = 0.461526;  // kJ/(kg·K), specific gas constant, Eq. (1)
inline constexpr double Tc = 647.096;  // K, critical temperature, Eq. (2)
inline constexpr double pc = 22.064;   // MPa, critical pressure, Eq. (3)
inline constexpr double rhoc = 322.0;  // kg/m³, critical density, Eq. (4)

// ps in MPa at T in K, 273.15 K ≤ T ≤ 647.096 K.
double saturation_pressure(double T);

// What region 1 gives at (p, T): v m³/kg, cp and cv kJ/(kg·K), κT 1/MPa.
struct Region1 {
    double v, cp, cv, kappa_T;
};

// p in MPa, T in K; 273.15 K ≤ T ≤ 623.15 K, ps(T) ≤ p ≤ 100 MPa.
Region1 region1(double p, double T);

// h in kJ/kg of region 1 at (p, T), the same range.
double region1_enthalpy(double p, double T);

// Ts in K at p in MPa, 611.213 Pa ≤ p ≤ 22.064 MPa: the backward equation of region 4.
double saturation_temperature(double p);

// What region 2 gives at (p, T): v m³/kg, h kJ/kg, cp kJ/(kg·K).
struct Region2 {
    double v, h, cp;
};

// p in MPa, T in K; 273.15 K ≤ T ≤ 1073.15 K, 0 < p ≤ ps(T) (the vapour side of the line).
Region2 region2(double p, double T);

}  // namespace properties::if97
