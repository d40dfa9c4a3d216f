// Thermal conductivity of water, IAPWS R15-11, with the critical enhancement in the form the
// release gives for use with IF97 properties. The properties it needs are the caller's.
#pragma once

namespace properties {

// λ̄0·λ̄1 in mW/(m·K) at T in K and ρ in kg/m³: the conductivity without λ̄2.
double conductivity_background(double T, double rho);

// What λ̄2 needs at (p, T), from IF97 region 1 and R12-08: ρ kg/m³, cp and cv kJ/(kg·K),
// (∂ρ/∂p)T kg/(m³·MPa), μ̄ µPa·s.
struct CriticalInputs {
    double T, rho, cp, cv, drho_dp, mu;
};

// λ̄2 in mW/(m·K); zero where the liquid is far from the critical point.
double critical_enhancement(const CriticalInputs& in);

}  // namespace properties
