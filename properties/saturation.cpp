#include "properties/saturation.hpp"

#include <algorithm>
#include <cmath>

#include "math/same_math.h"
#include "properties/correlations.hpp"
#include "properties/if97.hpp"
#include "properties/viscosity.hpp"

namespace properties {
namespace {

constexpr double kelvin_offset = 273.15;

// ℃ to the 0.01 of the tables' K: 278.68 K is 5.53 ℃.
double celsius_of(double kelvin) {
    return std::round((kelvin - kelvin_offset) * 100) / 100;
}

// Steam, IAPWS-IF97: T_s by Eq. 31; h′ of region 1 and h″, v″ of region 2 at (p_s, T_s);
// r = h″ − h′; μ″ by R12-08 at (ρ″, T_s).
// Worked example, 200 kPa: T_s = 393.361545936 K, r = 2201557.496 J/kg, ρ″ = 1.12901 kg/m³,
// μ″ = 1.29339e-5 Pa·s.
SaturationState steam(double kpa) {
    const double p = kpa / 1000.0;
    const double T = if97::saturation_temperature(p);
    const if97::Region2 vapour = if97::region2(p, T);
    const double r = (vapour.h - if97::region1_enthalpy(p, T)) * 1000.0;
    const double rho = 1.0 / vapour.v;
    return {kpa, T, T - kelvin_offset, r, rho, viscosity_micro_pa_s(T, rho) * 1e-6};
}

// ln p_sat(T) of eq. 101 and its derivative −C2/T² + C3/T + C4·C5·T^(C5−1).
double log_pressure(const Correlation& row, double T) {
    const std::array<double, 5>& c = row.c;
    return c[0] + c[1] / T + c[2] * same_log(T) + c[3] * same_pow(T, c[4]);
}

double log_pressure_slope(const Correlation& row, double T) {
    const std::array<double, 5>& c = row.c;
    return -c[1] / (T * T) + c[2] / T + c[3] * c[4] * same_pow(T, c[4] - 1.0);
}

// Eq. 101 inverted on [T_min, T_max]: Newton on ln p_sat(T) − ln p, each step kept inside a
// bisection bracket, until a step is ≤ 1e-10 K. ln p_sat rises through the row's range, so the
// bracket holds the one root. Worked example: benzene at 101.325 kPa, T_s = 353.2785 K.
double organic_saturation(const Correlation& row, double pa) {
    const double target = same_log(pa);
    double low = row.t_min, high = row.t_max;
    double T = (low + high) / 2.0;
    constexpr int most_steps = 200;
    for (int step = 0; step < most_steps; ++step) {
        const double f = log_pressure(row, T) - target;
        if (f > 0) {
            high = T;
        } else {
            low = T;
        }
        double next = T - f / log_pressure_slope(row, T);
        if (!(next > low && next < high)) next = (low + high) / 2.0;
        const bool settled = std::abs(next - T) <= 1e-10;
        T = next;
        if (settled) break;
    }
    return T;
}

// r = C1·(1 − Tr)^(C2 + C3·Tr + C4·Tr²)/M, Tr = T/tc. Check: benzene at 353.2785 K,
// 394.325 kJ/kg.
double latent_heat(const LatentHeatRow& row, double T, double M) {
    const double Tr = T / row.critical;
    const std::array<double, 4>& c = row.c;
    return c[0] * same_pow(1.0 - Tr, c[1] + c[2] * Tr + c[3] * Tr * Tr) / M;
}

// ρ″ = p·M/(R·T), the ideal gas at p_s, as for a gas of the fluid list.
SaturationState organic(const Vapour& v, double kpa) {
    const Fluid& liquid = condensate_fluid(v);
    const double M = liquid.molar_mass;
    const double T = organic_saturation(v.pressure, kpa * 1000.0);
    const Correlation ideal_gas{Equation::IdealGas, "", {}, 0, 0};
    return {kpa,
            T,
            T - kelvin_offset,
            latent_heat(v.latent, T, M),
            evaluate(ideal_gas, Property::Density, T, M, kpa),
            evaluate(v.viscosity, Property::Viscosity, T, M)};
}

}  // namespace

const Vapour* find_vapour(std::string_view chinese) {
    const auto table = vapour_table();
    const auto found =
        std::ranges::find_if(table, [&](const Vapour& v) { return v.chinese == chinese; });
    return found == table.end() ? nullptr : &*found;
}

bool is_steam(const Vapour& vapour) {
    return vapour.chinese == "水";
}

const Fluid& condensate_fluid(const Vapour& vapour) {
    const auto fluids = fluid_table();
    return *std::ranges::find_if(fluids,
                                 [&](const Fluid& f) { return f.chinese == vapour.chinese; });
}

SaturationState saturation_state(const Vapour& vapour, double kpa) {
    if (!contains(vapour.pressures, kpa)) {
        throw OutOfRange(Quantity::Pressure, kpa, vapour.pressures);
    }
    return is_steam(vapour) ? steam(kpa) : organic(vapour, kpa);
}

Range film_range(const Vapour& vapour) {
    if (is_steam(vapour)) return saturated_water_range;
    return {celsius_of(vapour.film.low), celsius_of(vapour.film.high)};
}

// The liquid's rows at T = t + 273.15 K, as fluid_properties evaluates them.
Properties condensate(const Vapour& vapour, double celsius) {
    const Range range = film_range(vapour);
    if (!contains(range, celsius)) throw OutOfRange(Quantity::Temperature, celsius, range);
    if (is_steam(vapour)) return saturated_water(celsius);
    const Fluid& liquid = condensate_fluid(vapour);
    const double T = celsius + kelvin_offset;
    const auto value = [&](Property property) {
        const Correlation& row = liquid.rows[static_cast<std::size_t>(property)];
        return evaluate(row, property, T, liquid.molar_mass);
    };
    return {value(Property::Conductivity), value(Property::Density), value(Property::SpecificHeat),
            value(Property::Viscosity)};
}

}  // namespace properties
