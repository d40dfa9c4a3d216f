#include "calc/film_coefficient.hpp"

#include <initializer_list>

#include "calc/checked.hpp"

namespace calc {

// α = C·λ·Re^m·Pr^n / d,  Re = d·ρ·u/μ,  Pr = μ·cp/λ   (SI units; α in W/(m²·℃)).
// Steps, one operation each, in this order so that Prandtl faults come before Reynolds ones:
//   c = C·λ;  Pr = (μ·cp)/λ;  p = Pr^n;  x = d·ρ;  x = u·x;  Re = x/μ;  r = Re^m;
//   y = c·r;  y = y·p;  α = y/d.
// Worked example (tube side, 0.023/0.8/0.3): λ 0.618, ρ 995.7, cp 4174, μ 0.000801,
// d 0.02, u 1.0 give Pr ≈ 5.40999, Re ≈ 24861.42, α ≈ 3873.165.
Double film_coefficient(const FluidSide& fluid, const Correlation& correlation, Side side) {
    const Where at_alpha{Quantity::FilmCoefficient, side};
    const Where at_pr{Quantity::PrandtlNumber, side};
    const Where at_re{Quantity::ReynoldsNumber, side};

    for (Double input : {Double{fluid.conductivity}, Double{fluid.density},
                         Double{fluid.specific_heat}, Double{fluid.viscosity}, fluid.diameter,
                         fluid.velocity}) {
        require_finite(input, at_alpha);
    }

    const Double c = product(correlation.C, fluid.conductivity, at_alpha);
    const Double pr = quotient(product(fluid.viscosity, fluid.specific_heat, at_pr),
                               fluid.conductivity, at_pr);
    const Double p = power(pr, correlation.n, at_pr);
    Double x = product(fluid.diameter, fluid.density, at_re);
    x = product(fluid.velocity, x, at_re);
    const Double re = quotient(x, fluid.viscosity, at_re);
    const Double r = power(re, correlation.m, at_re);
    Double y = product(c, r, at_alpha);
    y = product(y, p, at_alpha);
    return quotient(y, fluid.diameter, at_alpha);
}

Double film_coefficient(const FluidSide& fluid, const Correlation& correlation) {
    return film_coefficient(fluid, correlation, Side::None);
}

}  // namespace calc
