// Arithmetic that raises a Fault instead of returning a value that is not a finite number.
// Faults are found by testing operands and results, never the floating-point status flags,
// so the optimiser cannot move or fold the checks away. An operand that is not finite shows
// in the result of the step it enters; require_finite is for a value that enters no step.
#pragma once

#include <cmath>

#include "calc/fault.hpp"
#include "calc/numbers.hpp"
#include "math/same_math.h"

namespace calc {

// Out of line and cold, so that the checks stay a compare and a branch.
[[noreturn]] void raise_fault(FaultKind kind, Where where);
// A result that is not finite: a NaN is an invalid operation, an infinity an overflow.
[[noreturn]] void raise_not_finite(Double result, Where where);

inline Double checked_result(Double result, Where where) {
    if (!std::isfinite(result)) [[unlikely]]
        raise_not_finite(result, where);
    return result;
}

inline void require_finite(Double input, Where where) {
    (void)checked_result(input, where);
}

inline Double product(Double a, Double b, Where where) {
    return checked_result(a * b, where);
}

inline Double sum(Double a, Double b, Where where) {
    return checked_result(a + b, where);
}

inline Double difference(Double a, Double b, Where where) {
    return checked_result(a - b, where);
}

inline Double quotient(Double a, Double b, Where where) {
    if (b == 0.0) [[unlikely]]
        raise_fault(a == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero, where);
    return checked_result(a / b, where);
}

// A negative base needs an integral exponent; zero to a negative power divides by zero.
inline Double power(Double base, Double exponent, Where where) {
    if (base <= 0.0) [[unlikely]] {
        if (base < 0.0 && std::trunc(exponent) != exponent)
            raise_fault(FaultKind::InvalidArgument, where);
        if (base == 0.0 && exponent < 0.0) raise_fault(FaultKind::DivisionByZero, where);
    }
    return checked_result(same_pow(base, exponent), where);
}

inline Double natural_log(Double x, Where where) {
    if (!(x > 0.0)) [[unlikely]]
        raise_fault(std::isnan(x) ? FaultKind::InvalidOperation : FaultKind::InvalidArgument,
                    where);
    return checked_result(same_log(x), where);
}

inline Double square_root(Double x, Where where) {
    if (x < 0.0) [[unlikely]]
        raise_fault(FaultKind::InvalidArgument, where);
    return checked_result(std::sqrt(x), where);
}

// Round-to-nearest-even into Single; Overflow when the result leaves its range.
inline Single to_single(Double value, Where where) {
    const auto rounded = static_cast<Single>(value);
    if (!std::isfinite(rounded)) [[unlikely]]
        raise_not_finite(rounded, where);
    return rounded;
}

inline Single to_single(Double value) {
    return to_single(value, Where{});
}

}  // namespace calc
