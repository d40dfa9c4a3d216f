// Viscosity of water, IAPWS R12-08, without its critical term (μ̄2 = 1), as the release
// allows for industrial use. Where T and ρ come from is left to the caller.
#pragma once

namespace properties {

// μ̄ in µPa·s at T in K and ρ in kg/m³.
double viscosity_micro_pa_s(double T, double rho);

}  // namespace properties
