// The one error properties/ raises: a quantity outside the range its formulation covers.
// Wording it for the user, and naming the field it came from, is left to the window.
#pragma once

#include <exception>

namespace properties {

enum class Quantity { Temperature, Pressure, Fraction };  // ℃, kPa absolute, solute mass

// low ≤ value ≤ high, both ends included.
struct Range {
    double low, high;
};

// False for a NaN as for a value beyond either end.
inline bool contains(const Range& range, double value) {
    return value >= range.low && value <= range.high;
}

class OutOfRange : public std::exception {
  public:
    OutOfRange(Quantity quantity, double value, Range range) noexcept
        : quantity_(quantity), value_(value), range_(range) {}

    Quantity quantity() const noexcept { return quantity_; }
    double value() const noexcept { return value_; }  // may be a NaN
    Range range() const noexcept { return range_; }

    // Diagnostic only (ASCII, English); never shown to the user.
    const char* what() const noexcept override { return "properties: value out of range"; }

  private:
    Quantity quantity_;
    double value_;
    Range range_;
};

}  // namespace properties
