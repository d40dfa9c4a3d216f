// The plain-text report that 复制计算过程 puts on the clipboard: the window's title, every
// input with its caption and unit as typed, the working of the last result and the results
// as shown. What the window holds is read by control name; nothing is computed here.
#pragma once

#include <QString>
#include <QWidget>

namespace window {

QString calculation_report(const QWidget& form);

}  // namespace window
