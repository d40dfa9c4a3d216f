// How a result came about, in Chinese with units, a line per step: the text of the results'
// tooltips and of the working in a report. The numbers come from calc/.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

#include "calc/design_checks.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"
#include "report/check_text.hpp"
#include "report/fill_text.hpp"
#include "report/layout_text.hpp"

namespace report {

// An input typed in a unit other than its field's: "Text10", "管内流体参数 管道直径", "20 mm",
// "0.02 m".
struct ConvertedInput {
    QString name, field, typed, si;
};
using ConvertedInputs = QList<ConvertedInput>;

// One side's coefficient with all its working tells.
struct FilmResult {
    calc::FilmWorking steps;
    ConvertedInputs converted;
};

// A result with all its working tells: the numbers it was computed from, the steps, the
// checks after them, the inputs typed in other units, and every field's text as it was read.
struct ResultWorking {
    calc::SizingInput input;
    calc::SizingWorking steps;
    calc::DesignChecks checks;
    ConvertedInputs converted;
    QMap<QString, QString> texts;         // by field name
    std::optional<LayoutEntry> layout{};  // the tubes, shell, baffles and drops after the checks
    // A shell side that condenses: its state, D and α_s; `steps.shell` holds α_s alone.
    std::optional<design::CondensingEstimate> condensing{};
};

// A "注意：" line for each value outside the range its side's correlation was fitted for.
QStringList film_hint_lines(const calc::FilmWorking& working, calc::Side side);

// The row of the side's correlation: its Re and Pr against each bounded range they were
// fitted for.
CheckRow film_range_row(const calc::FilmWorking& working, calc::Side side);

// Every "注意：" line of a result: the sides' fills' first, then the design checks', those that
// point at an input first, then the ranges, then the rating's H′ below 10 %, the layout's and
// the rating's others.
QStringList attention_lines(const ResultWorking& result, const FillSource& tube = {},
                            const FillSource& shell = {});

// "管内流体参数 管道直径 20 mm = 0.02 m" for each converted input, "管内物性：饱和水 30 ℃
// （IAPWS-IF97）" where the properties were filled, then
// "管内：Re = 24861，Pr = 5.410，αt = 3873.2 W/(㎡·℃)", then a "注意：" line for each value
// outside the range the side's correlation was fitted for.
QString film_working_text(const FilmResult& result, calc::Side side, FillSource fill = {});

// The converted inputs, where the properties came from, both sides' lines, then
// "ΔT1 = 50 ℃，ΔT2 = 40 ℃，Δtm = 44.814 ℃", then the design checks, then the layout and its
// rating, then every "注意：" line.
QString sizing_working_text(const ResultWorking& result, FillSource tube = {},
                            FillSource shell = {});

}  // namespace report
