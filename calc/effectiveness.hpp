// The effectiveness ε of a given exchanger from its NTU and C_r, and NTU back from ε, for pure
// counter-flow, one shell of 2, 4 or 6 tube passes (the 1-2 model the checks' F is) and N_s such
// shells in series; written with expm1 and log1p so that nothing cancels as NTU → 0 or C_r → 1.
// Which exchanger and which state is design/simulation's.
#pragma once

#include "calc/numbers.hpp"

namespace calc {

// Pure counter-flow: ε = (1 − e^(−x))/(1 − C_r·e^(−x)), x = NTU·(1 − C_r); NTU/(1 + NTU) at
// C_r = 1 (化工原理 eq. 4-60; ht effectiveness_from_NTU 'counterflow'). Computed as
// p = NTU·φ(NTU·(1 − C_r)), φ(x) = −expm1(−x)/x, ε = p/(1 + C_r·p).
// Check: NTU 1.284918, C_r 0.467290 give ε = 0.648485 (= 107/165, 例 4-9's design state).
Double counterflow_effectiveness(Double ntu, Double cr);

// One shell, an even number of tube passes, shell fluid mixed:
// ε = 2/[1 + C_r + E·(1 + e^(−NTU·E))/(1 − e^(−NTU·E))], E = √(1 + C_r²) (Bergman et al. 2011;
// ht 'S&T'). Computed as g = −expm1(−NTU·E), ε = 2g/((1 + C_r − E)·g + 2E).
Double one_two_effectiveness(Double ntu, Double cr);

// N_s shells in series, each of effectiveness ε₁ at the same C_r:
// ε = (Z^N − 1)/(Z^N − C_r), Z = (1 − C_r·ε₁)/(1 − ε₁) (ht 'S&T', n_shell_tube = N). Computed as
// y = (1 − C_r)·ε₁/(1 − ε₁), G = expm1(N·log1p(y))/(1 − C_r) (N·ε₁/(1 − ε₁) at y = 0),
// ε = G/(1 + G).
Double series_effectiveness(Double one_shell, Double cr, Double shells);

// ε of N_s shells of N_p tube passes each: counter-flow on the whole NTU for one pass, else the
// 1-2 form at NTU/N_s in series.
Double effectiveness(Double ntu, Double cr, Double passes, Double shells);

// NTU of pure counter-flow at ε: z·ψ((1 − C_r)·z), z = ε/(1 − ε), ψ(y) = log1p(y)/y.
Double counterflow_units(Double effectiveness, Double cr);

// F of a simulated state: the counter-flow NTU its ε and C_r need over the NTU it has. It
// equals the checks' F (one shell) or F of N_s shells at the state's temperatures.
// Check: the worked search's best simulated with typed properties, F = 0.926620472.
Double state_correction(Double effectiveness, Double cr, Double ntu);

}  // namespace calc
