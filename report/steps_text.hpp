// 计算过程 as a calculation sheet prints it: each formula with its constants, then the numbers
// put in, then its result with its unit, from the film coefficients to the area; typeset in
// the HTML QTextDocument knows. The numbers are calc/'s, in the working's renderings.
#pragma once

#include <QStringList>

#include "calc/sizing.hpp"
#include "design/condensing.hpp"

namespace report {

// A paragraph's HTML per step: variables italic, sub- and superscripts true, numbers upright.
// A condensing shell's α_s is Nusselt's film of `condensing`, with D = Q/r after Q.
QStringList step_html(const calc::SizingInput& input, const calc::SizingWorking& working,
                      const design::CondensingEstimate* condensing = nullptr);

}  // namespace report
