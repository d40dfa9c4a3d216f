// A report as the window's 计算过程 panel shows it, as HTML for a QTextBrowser: what failed or
// that the results are out of date, the working as the results' tooltips give it with its 注意
// lines in red, the results. The window says when to show it.
#pragma once

#include <QString>

#include "report/report.hpp"

namespace report {

QString panel_html(const Report& report);

// The links after the working that open the layout's choices and the 自动设计 search.
inline constexpr char layout_link[] = "layout";
inline constexpr char design_link[] = "design";
inline constexpr char operation_link[] = "operation";

}  // namespace report
