// Where each film-coefficient correlation was fitted, and the hints a value outside it gives.
// A hint never faults and changes no result; wording it for the user is left to the window.
#pragma once

#include <limits>
#include <vector>

#include "calc/fault.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/numbers.hpp"

namespace calc {

inline constexpr Double unbounded = std::numeric_limits<Double>::infinity();

// low ≤ value ≤ high; an unbounded end is ±infinity.
struct Range {
    Double low = -unbounded, high = unbounded;
};

// Both ends included; false for a NaN.
inline bool contains(const Range& range, Double value) {
    return value >= range.low && value <= range.high;
}

struct CorrelationRange {
    Range reynolds, prandtl;
};

// 0.023·Re^0.8·Pr^n is the turbulent-pipe-flow (Dittus–Boelter) form, fitted for fully
// turbulent flow in smooth tubes with Re ≥ 10⁴ and 0.7 ≤ Pr ≤ 160.
inline constexpr CorrelationRange tube_side_range{{1e4, unbounded}, {0.7, 160.0}};
// Shell-side power laws in Re^0.55…0.6 (Kern's form) are fitted for flow across tube banks
// with 2×10³ ≤ Re ≤ 10⁶.
inline constexpr CorrelationRange shell_side_range{{2e3, 1e6}, {}};

enum class Bound { Below, Above };

// One quantity outside the range of the correlation that used it.
struct RangeHint {
    Side side;
    Quantity quantity;  // ReynoldsNumber or PrandtlNumber
    Double value;
    Bound outside;
    Range range;
};

// Re first, then Pr; empty when both lie inside the range.
std::vector<RangeHint> range_hints(const FilmWorking& working, const CorrelationRange& range,
                                   Side side);

}  // namespace calc
