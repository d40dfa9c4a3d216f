// The steps a formula is written over: each operation of checked.hpp under the name the
// formulas use, or the same operation in plain IEEE arithmetic. Each formula is a template
// over its steps: the calculation runs checked, the design checks, which must never fault,
// run plain, and a benchmark can tell the cost of the checks from that of the sums.
#pragma once

#include "calc/checked.hpp"

namespace calc {

struct CheckedSteps {
    static Double product(Double a, Double b, Where w) { return calc::product(a, b, w); }
    static Double quotient(Double a, Double b, Where w) { return calc::quotient(a, b, w); }
    static Double sum(Double a, Double b, Where w) { return calc::sum(a, b, w); }
    static Double difference(Double a, Double b, Where w) { return calc::difference(a, b, w); }
    static Double power(Double a, Double b, Where w) { return calc::power(a, b, w); }
    static Double natural_log(Double x, Where w) { return calc::natural_log(x, w); }
    static Double square_root(Double x, Where w) { return calc::square_root(x, w); }
    static Single to_single(Double x, Where w) { return calc::to_single(x, w); }
    static void require_finite(Double x, Where w) { calc::require_finite(x, w); }
};

// No fault is ever raised: a step that has no finite result gives a NaN or an infinity.
struct PlainSteps {
    static Double product(Double a, Double b, Where) { return a * b; }
    static Double quotient(Double a, Double b, Where) { return a / b; }
    static Double sum(Double a, Double b, Where) { return a + b; }
    static Double difference(Double a, Double b, Where) { return a - b; }
    static Double power(Double a, Double b, Where) { return same_pow(a, b); }
    static Double natural_log(Double x, Where) { return same_log(x); }
    static Double square_root(Double x, Where) { return std::sqrt(x); }
    static Single to_single(Double x, Where) { return static_cast<Single>(x); }
    static void require_finite(Double, Where) {}
};

}  // namespace calc
