#include "properties/fluid.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "math/same_math.h"
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

Range fluid_range(const Fluid& fluid, double fraction) {
    if (fluid.kind == FluidKind::Water) return saturated_water_range;
    if (fluid.solution) return {freezing_celsius(fluid, fraction), fluid.solution->t_max};
    Range range{-273.15, std::numeric_limits<double>::infinity()};
    for (const Correlation& row : fluid.rows) {
        range.low = std::max(range.low, celsius_of(row.t_min));
        range.high = std::min(range.high, celsius_of(row.t_max));
    }
    return range;
}

Range fraction_range(const Fluid& fluid) {
    return fluid.solution ? fluid.solution->fraction : Range{0, 0};
}

double freezing_celsius(const Fluid& fluid, double fraction) {
    return evaluate(*fluid.solution, SolutionColumn::Freezing, 100 * fraction, 0);
}

namespace {

// A solution's fit at x = 100·w mass %; μ = exp(ln μ)/1000 Pa·s from its mPa·s.
Properties solution_properties(const Fluid& fluid, double celsius, double fraction) {
    const SolutionFit& fit = *fluid.solution;
    if (!contains(fit.fraction, fraction)) {
        throw OutOfRange(Quantity::Fraction, fraction, fit.fraction);
    }
    const Range range = fluid_range(fluid, fraction);
    if (!contains(range, celsius)) throw OutOfRange(Quantity::Temperature, celsius, range);
    const double x = 100 * fraction;
    const auto value = [&](SolutionColumn column) { return evaluate(fit, column, x, celsius); };
    return {value(SolutionColumn::Conductivity), value(SolutionColumn::Density),
            value(SolutionColumn::SpecificHeat),
            same_exp(value(SolutionColumn::LogViscosity)) / 1000};
}

}  // namespace

// Each row at T = t + 273.15 K, in the order λ, ρ, cp, μ.
Properties fluid_properties(const Fluid& fluid, double celsius, double pressure, double fraction) {
    if (fluid.kind == FluidKind::Water) return saturated_water(celsius);
    if (fluid.solution) return solution_properties(fluid, celsius, fraction);
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
