// The two ways a calculation runs its steps. Each formula is written once, as a template
// over its steps, and runs first with Screening (plain arithmetic that only notes whether any
// step left the finite numbers) and, only if one did, again with Raising, which throws at
// exactly that step. Both do the same operations in the same order, so results are identical.
#pragma once

#include "calc/checked.hpp"

namespace calc {

struct Raising {
    static Double product(Double a, Double b, Where w) { return calc::product(a, b, w); }
    static Double quotient(Double a, Double b, Where w) { return calc::quotient(a, b, w); }
    static Double sum(Double a, Double b, Where w) { return calc::sum(a, b, w); }
    static Double difference(Double a, Double b, Where w) { return calc::difference(a, b, w); }
    static Double power(Double a, Double b, Where w) { return calc::power(a, b, w); }
    static Double natural_log(Double x, Where w) { return calc::natural_log(x, w); }
    static Single to_single(Double x, Where w) { return calc::to_single(x, w); }
    static void require_finite(Double x, Where w) { calc::require_finite(x, w); }
};

// Every fault condition of Raising yields a NaN or an infinity from the plain operation
// (x/0, 0/0, pow of a negative base, log of 0 or less, an overflow), so noting whether each
// result is finite tells exactly whether any step would fault.
class Screening {
  public:
    Double product(Double a, Double b, Where) { return note(a * b); }
    Double quotient(Double a, Double b, Where) { return note(a / b); }
    Double sum(Double a, Double b, Where) { return note(a + b); }
    Double difference(Double a, Double b, Where) { return note(a - b); }
    Double power(Double a, Double b, Where) { return note(std::pow(a, b)); }
    Double natural_log(Double x, Where) { return note(std::log(x)); }
    Single to_single(Double x, Where) { return static_cast<Single>(note(static_cast<Single>(x))); }
    void require_finite(Double x, Where) { note(x); }

    bool all_finite() const { return all_finite_; }

  private:
    Double note(Double result) {
        all_finite_ &= std::isfinite(result);  // no branch: one flag for the whole run
        return result;
    }
    bool all_finite_ = true;
};

}  // namespace calc
