// The layout after the checks in Chinese: a line per figure with its formula and numbers, the
// "注意：" lines in the method's order, and the rows of the 计算书's section 5. The figures
// come from calc/layout; what the user chose is the window's.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "design/condensing.hpp"
#include "design/layout.hpp"
#include "design/rating.hpp"
#include "report/check_text.hpp"

namespace report {

// A layout as the report has it: what kept it from starting, or its input and figures.
struct LayoutEntry {
    design::LayoutGap gap = design::LayoutGap::None;
    QString unreadable;  // why a choice's text does not read, where one does not
    design::LayoutInput input{};
    design::Layout layout{};
    std::optional<design::Rating> rating{};  // where laid out
    // A condensing shell's rating, whose `rating` is the one above.
    std::optional<design::CondensingRating> condensing{};
};

// Whether the figures exist: no gap, nothing unreadable, no stop.
bool laid_out(const LayoutEntry& entry);

QStringList layout_lines(const LayoutEntry& entry);
QStringList layout_notes(const LayoutEntry& entry);
QList<CheckRow> layout_rows(const LayoutEntry& entry);
// F of the shells in series the layout took, for the checks' table; none for one shell.
std::optional<CheckRow> shells_row(const LayoutEntry& entry);

// The figures scripts read, by the case file's keys with their units: ("passes", "1"),
// ("shell_diameter", "159 mm"), ("tube_drop", "7.3860 kPa"); none without figures.
QList<std::pair<QString, QString>> layout_figures(const LayoutEntry& entry);

// The words of a choice, "管心距 t", as its refusal and the 结构参数 dialog's messages say it.
QString choice_name(design::LayoutChoice choice);
// "管心距 t = 30 mm 小于 1.25·do = 31.25 mm"
QString refusal_words(const design::RefusedChoice& refused);
// "正三角形"
QString arrangement_name(design::Arrangement arrangement);

// 5 significant digits with trailing zeros, as scripts read the figures: 2.4740, 18.605.
QString figure(double value);
// The same figures as a percentage, "18.605 %", and in kPa, "7.3860 kPa".
QString percent(double fraction);
QString kpa(double pascals);
// A value as typed or chosen, without trailing zeros: 4.5, 31.25.
QString plain(double value);
QString mm(double metres);
// A whole count: tubes, passes, baffles.
QString count(double value);
// A span as a choice or a range is typed: "0.5–3", with `unit` after it (" m/s").
QString span(const calc::Range& range, const QString& unit = {});

}  // namespace report
