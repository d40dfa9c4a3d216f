// The one exception calc/ raises: what went wrong, in which quantity, on which side.
// Turning a fault into words for the user is left to the window.
#pragma once

#include <exception>

namespace calc {

enum class FaultKind {
    InvalidOperation,  // 0 ÷ 0 and other results that are not a number
    DivisionByZero,    // a non-zero value divided by zero
    Overflow,          // beyond the range of the result's class
    InvalidArgument,   // logarithm of a value ≤ 0, negative base to a non-integral power
    Empty,             // a text to convert holds nothing but blanks
    NotANumber,        // a text to convert is not a number
    WrongUnit,         // a number followed by a unit its quantity does not have
};

enum class Quantity {
    None,  // a conversion, not a step of the calculation
    PrandtlNumber,
    ReynoldsNumber,
    FilmCoefficient,
    OverallCoefficient,
    HeatDuty,
    EndDifference1,  // ΔT1 = T1 − t2
    EndDifference2,  // ΔT2 = T2 − t1
    MeanTemperatureDifference,
    Area,
    MeanTemperature,
};

enum class Side { None, Tube, Shell };

// Where a checked step belongs; carried by every fault it raises.
struct Where {
    Quantity quantity = Quantity::None;
    Side side = Side::None;
};

class Fault : public std::exception {
  public:
    explicit Fault(FaultKind kind, Where where = {}) noexcept : kind_(kind), where_(where) {}

    FaultKind kind() const noexcept { return kind_; }
    Quantity quantity() const noexcept { return where_.quantity; }
    Side side() const noexcept { return where_.side; }
    Where where() const noexcept { return where_; }

    // Diagnostic only (ASCII, English); never shown to the user.
    const char* what() const noexcept override;

  private:
    FaultKind kind_;
    Where where_;
};

}  // namespace calc
