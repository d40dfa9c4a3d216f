// The rating of the laid-out exchanger in Chinese: the 核算 block of the working, a line per
// figure with its formula and numbers, its "注意：" lines, the rows of the 计算书's section 6
// and the figures the case file keeps. The figures come from design/rating.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "design/rating_tables.hpp"
#include "report/check_text.hpp"
#include "report/layout_text.hpp"

namespace report {

// "循环冷却水（已处理）", "碳钢": the tables' entries as the dialog lists them and the case keeps.
QString fouling_name(design::FoulingService service);
QString material_name(design::Material material);

// The block after the layout; empty where there is no rating. `estimate` is the result's K.
QStringList rating_lines(const LayoutEntry& entry, double estimate);

// The rating's "注意：" lines: `first` is H′ below 10 %, which comes before the layout's own;
// `rest` the others in the method's order.
struct RatingNotes {
    QStringList first, rest;
};
RatingNotes rating_notes(const LayoutEntry& entry);

// The 计算书's section 6: the rating beside the estimate, `film` the result's α of each side.
QList<CheckRow> rating_rows(const LayoutEntry& entry, double estimate, double tube_film,
                            double shell_film, double area);

// The figures scripts read, by the case file's keys: ("K", "969.30 W/(㎡·℃)"), ("margin",
// "-35.633 %"); none without a rating.
QList<std::pair<QString, QString>> rating_figures(const LayoutEntry& entry);

}  // namespace report
