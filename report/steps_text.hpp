// 计算过程 as a calculation sheet prints it: each formula with its constants, then the numbers
// put in, then its result with its unit, from the film coefficients to the area; typeset in
// the HTML QTextDocument knows. The numbers are calc/'s, in the working's renderings.
#pragma once

#include <QStringList>

#include "calc/sizing.hpp"

namespace report {

// A paragraph's HTML per step: variables italic, sub- and superscripts true, numbers upright.
QStringList step_html(const calc::SizingInput& input, const calc::SizingWorking& working);

}  // namespace report
