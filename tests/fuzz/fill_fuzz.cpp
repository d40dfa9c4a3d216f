// Any bytes as a fluid, a temperature and a pressure or concentration: the lookup gives an
// OutOfRange or four finite, positive properties, and the five-digit texts a fill writes read
// back as finite, positive numbers. Mapped bytes land inside a fluid's range, raw ones anywhere.
// A first byte with its high bit set asks a vapour instead: its saturation state at a pressure
// and its condensate at a film temperature are an OutOfRange or finite and positive, t_s
// inside the vapour-pressure row.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "calc/conversion.hpp"
#include "properties/fluid.hpp"
#include "properties/saturation.hpp"

namespace {

void check(bool holds) {
    if (!holds) std::abort();
}

// A value across [low, high], a little past either end, from two bytes.
double across(const std::uint8_t* bytes, double low, double high) {
    const double u = (bytes[0] * 256 + bytes[1]) / 65535.0;
    return low + (high - low) * (1.2 * u - 0.1);
}

double raw(const std::uint8_t* bytes) {
    double value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void fill(const properties::Fluid& fluid, double celsius, double pressure, double fraction) {
    properties::Properties p{};
    try {
        p = properties::fluid_properties(fluid, celsius, pressure, fraction);
    } catch (const properties::OutOfRange&) {
        return;
    }
    for (double value : {p.conductivity, p.density, p.specific_heat, p.viscosity}) {
        check(std::isfinite(value) && value > 0);
        const double shown = calc::to_number(calc::to_decimal_text(value, 5));
        check(std::isfinite(shown) && shown > 0);
    }
}

void condense(const properties::Vapour& vapour, double kpa, double film) {
    try {
        const properties::SaturationState s = properties::saturation_state(vapour, kpa);
        for (double value : {s.kelvin, s.latent_heat, s.vapour_density, s.vapour_viscosity}) {
            check(std::isfinite(value) && value > 0);
        }
        if (!properties::is_steam(vapour)) {
            check(s.kelvin >= vapour.pressure.t_min && s.kelvin <= vapour.pressure.t_max);
        }
    } catch (const properties::OutOfRange&) {
    }
    try {
        const properties::Properties p = properties::condensate(vapour, film);
        for (double value : {p.conductivity, p.density, p.specific_heat, p.viscosity}) {
            check(std::isfinite(value) && value > 0);
        }
    } catch (const properties::OutOfRange&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) return 0;
    if (data[0] & 0x80) {
        const auto vapours = properties::vapour_table();
        const properties::Vapour& vapour = vapours[data[0] % vapours.size()];
        if (size >= 1 + 2 * sizeof(double)) {
            condense(vapour, raw(data + 1), raw(data + 9));
            return 0;
        }
        const properties::Range film = properties::film_range(vapour);
        condense(vapour, across(data + 1, vapour.pressures.low, vapour.pressures.high),
                 across(data + 3, film.low, film.high));
        return 0;
    }
    const auto table = properties::fluid_table();
    const properties::Fluid& fluid = table[data[0] % table.size()];
    if (size >= 1 + 3 * sizeof(double)) {
        fill(fluid, raw(data + 1), raw(data + 9), raw(data + 17));
        return 0;
    }
    const properties::Range w = properties::fraction_range(fluid);
    const double fraction = across(data + 1, w.low, w.high);
    const properties::Range t = properties::fluid_range(fluid, std::clamp(fraction, w.low, w.high));
    const double celsius = across(data + 3, std::max(t.low, -273.0), std::min(t.high, 2000.0));
    fill(fluid, celsius, across(data + 5, 1, 20000), fraction);
    return 0;
}
