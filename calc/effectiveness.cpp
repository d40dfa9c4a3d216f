#include "calc/effectiveness.hpp"

#include <algorithm>
#include <cmath>

#include "math/same_math.h"

namespace calc {
namespace {

// (1 − e^(−x))/x, 1 at x = 0.
Double phi(Double x) {
    return x > 0.0 ? -same_expm1(-x) / x : 1.0;
}

// ln(1 + y)/y, 1 at y = 0.
Double psi(Double y) {
    return y != 0.0 ? same_log1p(y) / y : 1.0;
}

}  // namespace

Double counterflow_effectiveness(Double ntu, Double cr) {
    const Double p = ntu * phi(ntu * (1.0 - cr));
    // Far along, p → 1/(1 − C_r) and the quotient lands an ulp above its limit 1.
    return std::min(1.0, p / (1.0 + cr * p));
}

Double one_two_effectiveness(Double ntu, Double cr) {
    const Double E = std::sqrt(1.0 + cr * cr);
    const Double g = -same_expm1(-ntu * E);
    return 2.0 * g / ((1.0 + cr - E) * g + 2.0 * E);
}

Double series_effectiveness(Double one_shell, Double cr, Double shells) {
    // C_r = 0 far along: ε₁ rounds to 1, and so does the series.
    if (one_shell >= 1.0) return 1.0;
    const Double y = (1.0 - cr) * one_shell / (1.0 - one_shell);
    const Double G = y == 0.0 ? shells * one_shell / (1.0 - one_shell)
                              : same_expm1(shells * same_log1p(y)) / (1.0 - cr);
    return G / (1.0 + G);
}

Double effectiveness(Double ntu, Double cr, Double passes, Double shells) {
    if (passes < 2.0) return counterflow_effectiveness(ntu, cr);
    const Double one = one_two_effectiveness(ntu / shells, cr);
    return shells > 1.0 ? series_effectiveness(one, cr, shells) : one;
}

Double counterflow_units(Double effectiveness, Double cr) {
    const Double z = effectiveness / (1.0 - effectiveness);
    return z * psi((1.0 - cr) * z);
}

Double state_correction(Double effectiveness, Double cr, Double ntu) {
    return counterflow_units(effectiveness, cr) / ntu;
}

}  // namespace calc
