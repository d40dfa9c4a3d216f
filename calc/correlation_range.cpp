#include "calc/correlation_range.hpp"

namespace calc {

std::vector<RangeHint> range_hints(const FilmWorking& working, const CorrelationRange& range,
                                   Side side) {
    std::vector<RangeHint> hints;
    const auto check = [&](Quantity quantity, Double value, const Range& r) {
        if (value < r.low) hints.push_back({side, quantity, value, Bound::Below, r});
        if (value > r.high) hints.push_back({side, quantity, value, Bound::Above, r});
    };
    check(Quantity::ReynoldsNumber, working.reynolds, range.reynolds);
    check(Quantity::PrandtlNumber, working.prandtl, range.prandtl);
    return hints;
}

}  // namespace calc
