#include "properties/fluid.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "properties/correlations.hpp"

namespace properties {
namespace {

// The tables' K have two decimals at most, so their ℃ do too: t = round(100·(T − 273.15))/100,
// which gives 5.53 for 278.68 K where the difference alone is 5.529999….
double celsius_of(double kelvin) {
    if (std::isinf(kelvin)) return kelvin;
    return std::round((kelvin - 273.15) * 100) / 100;
}

}  // namespace

Range fluid_range(const Fluid& fluid) {
    if (fluid.kind == FluidKind::Water) return saturated_water_range;
    Range range{-273.15, std::numeric_limits<double>::infinity()};
    for (const Correlation& row : fluid.rows) {
        range.low = std::max(range.low, celsius_of(row.t_min));
        range.high = std::min(range.high, celsius_of(row.t_max));
    }
    return range;
}

// Each row at T = t + 273.15 K, in the order λ, ρ, cp, μ.
Properties fluid_properties(const Fluid& fluid, double celsius, double pressure) {
    if (fluid.kind == FluidKind::Water) return saturated_water(celsius);
    const Range range = fluid_range(fluid);
    if (!contains(range, celsius)) {
        throw OutOfRange(Quantity::Temperature, celsius, range);
    }
    if (fluid.kind == FluidKind::Gas && !contains(gas_pressure_range, pressure)) {
        throw OutOfRange(Quantity::Pressure, pressure, gas_pressure_range);
    }
    const double T = celsius + 273.15;
    const auto value = [&](Property property) {
        const Correlation& row = fluid.rows[static_cast<std::size_t>(property)];
        return evaluate(row, property, T, fluid.molar_mass, pressure);
    };
    return {value(Property::Conductivity), value(Property::Density), value(Property::SpecificHeat),
            value(Property::Viscosity)};
}

double boiling_celsius(const Fluid& fluid) {
    return celsius_of(fluid.boiling_point);
}

bool above_boiling_point(const Fluid& fluid, double celsius) {
    return fluid.kind == FluidKind::Liquid && celsius > boiling_celsius(fluid);
}

bool beyond_low_pressure(const Fluid& fluid, double pressure) {
    return fluid.kind == FluidKind::Gas && pressure > low_pressure_limit;
}

}  // namespace properties
