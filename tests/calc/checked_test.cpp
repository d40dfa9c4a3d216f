#include "calc/checked.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "expect_fault.hpp"

namespace {

using calc::FaultKind;
using calc::Quantity;
using calc::Side;

constexpr calc::Where here{Quantity::Area, Side::Shell};
constexpr double big = 1e300;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Checked, QuotientTellsZeroByZeroFromDivisionByZero) {
    EXPECT_FAULT(calc::quotient(1.0, 0.0, here), FaultKind::DivisionByZero, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::quotient(-1.0, -0.0, here), FaultKind::DivisionByZero, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::quotient(0.0, 0.0, here), FaultKind::InvalidOperation, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::quotient(big, 1e-300, here), FaultKind::Overflow, Quantity::Area,
                 Side::Shell);
    EXPECT_EQ(calc::quotient(1.0, 4.0, here), 0.25);
}

TEST(Checked, ProductSumAndDifferenceOverflowFromFiniteOperands) {
    EXPECT_FAULT(calc::product(big, big, here), FaultKind::Overflow, Quantity::Area, Side::Shell);
    EXPECT_FAULT(calc::sum(1.7e308, 1.7e308, here), FaultKind::Overflow, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::difference(-1.7e308, 1.7e308, here), FaultKind::Overflow, Quantity::Area,
                 Side::Shell);
    EXPECT_EQ(calc::product(1e-200, 1e-200, here), 0.0);  // underflow is not a fault
}

TEST(Checked, NonFiniteValuesAreStoppedAtTheDoor) {
    EXPECT_FAULT(calc::require_finite(nan, here), FaultKind::InvalidOperation, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::require_finite(-HUGE_VAL, here), FaultKind::Overflow, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::to_single(nan, here), FaultKind::InvalidOperation, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::natural_log(nan, here), FaultKind::InvalidOperation, Quantity::Area,
                 Side::Shell);
}

TEST(Checked, PowerOfANegativeBaseNeedsAnIntegralExponent) {
    EXPECT_FAULT(calc::power(-2.0, 0.8, here), FaultKind::InvalidArgument, Quantity::Area,
                 Side::Shell);
    EXPECT_EQ(calc::power(-2.0, 2.0, here), 4.0);
    EXPECT_EQ(calc::power(0.0, 0.3, here), 0.0);
    EXPECT_FAULT(calc::power(0.0, -1.0, here), FaultKind::DivisionByZero, Quantity::Area,
                 Side::Shell);
    EXPECT_FAULT(calc::power(1e300, 2.0, here), FaultKind::Overflow, Quantity::Area, Side::Shell);
}

TEST(Checked, LogarithmNeedsAPositiveArgument) {
    for (double x : {0.0, -0.0, -1.0, -1e-300}) {
        EXPECT_FAULT(calc::natural_log(x, here), FaultKind::InvalidArgument, Quantity::Area,
                     Side::Shell);
    }
    EXPECT_EQ(calc::natural_log(1.0, here), 0.0);
}

TEST(Checked, RoundingIntoSingleOverflowsOnlyPastItsLargestValue) {
    constexpr double largest = std::numeric_limits<float>::max();
    EXPECT_EQ(calc::to_single(largest, here), std::numeric_limits<float>::max());
    // Halfway to the next power of two rounds to even, which is infinity.
    const double halfway = largest + std::ldexp(1.0, 103);
    EXPECT_FAULT(calc::to_single(halfway, here), FaultKind::Overflow, Quantity::Area, Side::Shell);
    EXPECT_EQ(calc::to_single(std::nextafter(halfway, 0.0), here),
              std::numeric_limits<float>::max());
    EXPECT_FAULT(calc::to_single(-1e39, here), FaultKind::Overflow, Quantity::Area, Side::Shell);
}

}  // namespace
