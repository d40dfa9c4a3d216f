// A number as the window and its reports show it: exactly, in the shortest text that reads
// back as the same value of its class. Summaries to a few digits are summary.hpp's.
#pragma once

#include <QString>

#include "calc/conversion.hpp"

namespace report {

inline QString exact(calc::Single value) {
    return QString::fromStdString(calc::to_text(value));
}
inline QString exact(calc::Double value) {
    return QString::fromStdString(calc::to_text(value));
}

}  // namespace report
