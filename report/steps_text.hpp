// 计算过程 as a calculation sheet prints it: each formula with its constants, then the numbers
// put in, then its result, from the film coefficients to the area. The numbers are calc/'s.
#pragma once

#include <QStringList>

#include "calc/sizing.hpp"

namespace report {

QStringList step_lines(const calc::SizingInput& input, const calc::SizingWorking& working);

}  // namespace report
