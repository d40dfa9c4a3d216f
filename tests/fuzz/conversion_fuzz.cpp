// Any bytes as a field's text: to_number gives a Fault or a finite value, rounding it into
// Single gives a Fault or a finite Single, and what to_text shows of either reads back as
// the same bits. Read as each quantity, with a unit after the number, the same holds, and a
// text with no unit reads as it does without one.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"
#include "calc/units.hpp"

namespace {

bool same_bits(calc::Double a, calc::Double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool same_bits(calc::Single a, calc::Single b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

void check(bool holds) {
    if (!holds) std::abort();
}

void round_trip(calc::Double value) {
    check(std::isfinite(value));
    const calc::Double shown = calc::to_number(calc::to_text(value));
    check(same_bits(shown, value == 0 ? 0.0 : value));  // -0 shows as "0"
}

void round_trip(calc::Single value) {
    check(std::isfinite(value));
    const calc::Single shown = calc::to_single_number(calc::to_text(value));
    check(same_bits(shown, value == 0 ? 0.0f : value));
}

using Q = calc::UnitQuantity;
constexpr Q quantities[] = {Q::Temperature, Q::MassFlow,     Q::Conductivity,
                            Q::Density,     Q::SpecificHeat, Q::Viscosity,
                            Q::Velocity,    Q::Length,       Q::Pressure};

// The same value, or the same kind of fault.
template <typename WithUnit, typename Without>
void read_alike(WithUnit with_unit, Without without) {
    bool faulted = false;
    calc::FaultKind kind{};
    calc::Double value = 0;
    try {
        value = without();
    } catch (const calc::Fault& fault) {
        faulted = true;
        kind = fault.kind();
    }
    try {
        const calc::Double read = with_unit();
        check(!faulted && same_bits(read, value));
    } catch (const calc::Fault& fault) {
        check(faulted && fault.kind() == kind);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        round_trip(calc::to_number(text));
    } catch (const calc::Fault&) {
    }
    try {
        round_trip(calc::to_single_number(text));
    } catch (const calc::Fault&) {
    }
    for (const Q quantity : quantities) {
        try {
            round_trip(calc::to_number(text, quantity));
        } catch (const calc::Fault&) {
        }
        try {
            round_trip(calc::to_single_number(text, quantity));
        } catch (const calc::Fault&) {
        }
        if (!calc::carries_unit(text)) {
            read_alike([&] { return calc::to_number(text, quantity); },
                       [&] { return calc::to_number(text); });
        }
    }
    return 0;
}
