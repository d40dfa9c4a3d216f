#include "properties/saturated_water.hpp"

#include "properties/if97.hpp"
#include "properties/thermal_conductivity.hpp"
#include "properties/viscosity.hpp"

namespace properties {

// In this order: v, cp, cv, κT at (p, T) (IF97 region 1), ρ = 1/v, (∂ρ/∂p)T = ρ κT;
// μ̄(T, ρ) (R12-08); λ̄ = λ̄0 λ̄1 + λ̄2 (R15-11); then ρ, 1000 cp, 10⁻³ λ̄, 10⁻⁶ μ̄.
// Check (R15-11 Table 7): 620 K, 20 MPa give λ = 481.485195 mW/(m·K).
Water liquid_water(double p, double T) {
    const if97::Region1 liquid = if97::region1(p, T);
    const double rho = 1.0 / liquid.v;
    const double mu = viscosity_micro_pa_s(T, rho);
    const double lambda =
        conductivity_background(T, rho) +
        critical_enhancement({T, rho, liquid.cp, liquid.cv, rho * liquid.kappa_T, mu});
    return Water{lambda * 1e-3, rho, liquid.cp * 1000.0, mu * 1e-6};
}

// The liquid at T = t + 273.15 K and p = ps(T) (IF97 region 4).
// Worked example, 30 ℃: λ 0.614342010 W/(m·K), ρ 995.608883 kg/m³, cp 4180.28369 J/(kg·K),
// μ 7.97223665e-4 Pa·s (the 9 digits of an independent implementation).
Water saturated_water(double celsius) {
    const Range range = saturated_water_range;
    if (!contains(range, celsius)) {
        throw OutOfRange(Quantity::Temperature, celsius, range);
    }
    const double T = celsius + 273.15;
    return liquid_water(if97::saturation_pressure(T), T);
}

}  // namespace properties
