// The freezing check of a side filled with a solution: its colder end, inlet or outlet, against
// the solution's freezing point, in words and as rows of the checks table. The freezing point
// is properties/'s; which fill is current is the window's.
#pragma once

#include <QList>
#include <QStringList>

#include "calc/sizing.hpp"
#include "report/check_text.hpp"
#include "report/fill_text.hpp"

namespace report {

// "注意：管内出口 −13 ℃ 距冰点 −14.58 ℃ 不足 3 K：提高浓度或出口温度。" for each side filled
// with a solution whose colder end, inlet or outlet, lies less than freezing_margin above its
// freezing point; and the same as rows of the checks table.
QStringList freezing_cautions(const FillSource& tube, const FillSource& shell,
                              const calc::SizingInput& input);
QList<CheckRow> freezing_check_rows(const FillSource& tube, const FillSource& shell,
                                    const calc::SizingInput& input);

}  // namespace report
