// How the working shows a number: a summary to a few digits, not its exact rendering.
#pragma once

#include <QString>
#include <cmath>

namespace report {

// 5 significant digits, whole numbers from `whole_from` up: 0.94791, 2.2005, 125700.
inline QString summary(double value, double whole_from = 1e4) {
    if (std::abs(value) >= whole_from && std::abs(value) < 1e15) {
        return QString::number(value, 'f', 0);
    }
    return QString::number(value, 'g', 5);
}

// 4 significant digits, for estimates: 6.394, 4.743, -24.71.
inline QString estimate(double value) {
    return QString::number(value, 'g', 4);
}

}  // namespace report
