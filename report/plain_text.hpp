// A report as the plain text that 复制计算过程 puts on the clipboard: the title, every input
// with its caption and unit as typed, the working and the results as shown.
#pragma once

#include <QString>

#include "report/report.hpp"

namespace report {

QString plain_text(const Report& report);

}  // namespace report
