// The steps a formula is written over: each operation of checked.hpp under the name the
// formulas use. Each formula is a template over its steps, so that a benchmark can run the
// same formula with plain arithmetic and tell the cost of the checks from that of the sums.
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
    static Single to_single(Double x, Where w) { return calc::to_single(x, w); }
    static void require_finite(Double x, Where w) { calc::require_finite(x, w); }
};

}  // namespace calc
