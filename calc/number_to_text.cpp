#include <array>
#include <charconv>
#include <cmath>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"

namespace calc {
namespace {

template <typename Value>
std::string shortest_text(Value value) {
    if (std::isnan(value)) throw Fault(FaultKind::InvalidOperation);
    if (std::isinf(value)) throw Fault(FaultKind::Overflow);
    if (value == 0) value = 0;  // a negative zero shows as "0"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string to_text(Single value) {
    return shortest_text(value);
}
std::string to_text(Double value) {
    return shortest_text(value);
}

}  // namespace calc
