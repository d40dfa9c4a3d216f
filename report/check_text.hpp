// The design checks after a result in Chinese, a line each: F of a 1-2 exchanger, the heat
// balance, the tube count and length, and a "注意：" line for each that needs a look, those
// that point at an input first; or as the rows of the 计算书's table. The numbers come from
// calc/design_checks.
#pragma once

#include <QList>
#include <QStringList>

#include "calc/design_checks.hpp"

namespace report {

struct CheckText {
    QStringList lines;  // F and A/F, the heat balance, the tubes
    QStringList notes;  // "注意：" lines
};

CheckText check_text(const calc::DesignChecks& checks);

// "管内" or "管外", as every line and row names a side.
QString side_name(calc::Side side);

// "F₂": F of N_s shells in series.
QString shells_F(int shells);

// One row of the checks' table: "温差校正系数 F", "P = 0.28571，R = 1.5，F = 0.94791",
// "F ≥ 0.75", "合格"; a row that needs a look says what to do in its verdict.
struct CheckRow {
    QString check, value, criterion, verdict;
    bool attention = false;
};

// The direction of the streams where it is wrong, F, A/F, the heat balance, the tubes, then
// each slip of unit.
QList<CheckRow> check_rows(const calc::DesignChecks& checks);

// The verdict of a row within its criterion, and of one that only informs.
inline const QString within = "合格";
inline const QString informs = "—";

}  // namespace report
