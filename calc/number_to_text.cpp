#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"

namespace calc {
namespace {

void require_finite_to_show(Double value) {
    if (std::isnan(value)) throw Fault(FaultKind::InvalidOperation);
    if (std::isinf(value)) throw Fault(FaultKind::Overflow);
}

template <typename Value>
std::string shortest_text(Value value) {
    require_finite_to_show(value);
    if (value == 0) value = 0;  // a negative zero shows as "0"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

// Rounded once, in scientific notation ("7.9722e-04"); its digits are then placed around the
// decimal point, so that no second rounding can change them.
std::string to_decimal_text(Double value, int digits) {
    require_finite_to_show(value);
    std::array<char, 48> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    const std::string_view text(buffer.data(), std::size_t(end - buffer.data()));
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.data() + e + 1);
    const bool negative = text.front() == '-';
    std::string figures;  // the significant digits alone
    for (const char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') figures += c;
    }
    std::string decimal;
    if (exponent < 0) {
        decimal = "0." + std::string(std::size_t(-exponent - 1), '0') + figures;
    } else if (std::size_t(exponent) + 1 >= figures.size()) {
        decimal = figures + std::string(std::size_t(exponent) + 1 - figures.size(), '0');
    } else {
        decimal = figures.substr(0, std::size_t(exponent) + 1) + "." +
                  figures.substr(std::size_t(exponent) + 1);
    }
    if (value == 0) return decimal;  // no sign on a zero
    return negative ? "-" + decimal : decimal;
}

std::string to_text(Single value) {
    return shortest_text(value);
}
std::string to_text(Double value) {
    return shortest_text(value);
}

}  // namespace calc
