#include "report/working_text.hpp"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "calc/correlation_range.hpp"
#include "report/check_text.hpp"
#include "report/condensing_text.hpp"
#include "report/freezing_text.hpp"
#include "report/number_text.hpp"
#include "report/range_text.hpp"
#include "report/rating_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using calc::Side;

// Re is known to a few digits at best, so it is shown whole from 100 up.
QString reynolds(double value) {
    return summary(value, 100);
}

// Pr to 4 significant digits, trailing zeros kept: 5.410.
QString prandtl(double value) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::IncludeTrailingZeroesAfterDot);
    return std::abs(value) >= 1e4 ? summary(value) : c.toString(value, 'g', 4);
}

const calc::CorrelationRange& range_of(Side side) {
    return side == Side::Tube ? calc::tube_side_range : calc::shell_side_range;
}

// "注意：管内 Re = 1243，低于 10⁴：管内关联式用于湍流，此结果仅供参考。"
QString hint_line(const calc::RangeHint& hint) {
    const bool re = hint.quantity == calc::Quantity::ReynoldsNumber;
    const QString symbol = re ? "Re" : "Pr";
    const bool below = hint.outside == calc::Bound::Below;
    const QString side = side_name(hint.side);
    // A Reynolds range open upwards is that of a correlation for turbulent flow.
    const QString fitted_for = re && std::isinf(hint.range.high)
                                   ? QString("用于湍流")
                                   : "适用于 " + range_words(hint.range, symbol);
    return "注意：" + side + " " + symbol + " = " +
           (re ? reynolds(hint.value) : prandtl(hint.value)) + "，" +
           (below ? "低于 " + bound(hint.range.low) : "高于 " + bound(hint.range.high)) + "：" +
           side + "关联式" + fitted_for + "，此结果仅供参考。";
}

QString film_line(const calc::FilmWorking& working, Side side) {
    return side_name(side) + "：Re = " + reynolds(working.reynolds) +
           "，Pr = " + prandtl(working.prandtl) + "，" + (side == Side::Tube ? "αt" : "αs") +
           " = " + summary(working.alpha) + " W/(㎡·℃)";
}

// "管内物性：饱和水 30 ℃（IAPWS-IF97）"
QStringList source_lines(const FillSource& fill, Side side) {
    if (!fill) return {};
    return {side_name(side) + "物性：" + source_words(*fill)};
}

QStringList converted_lines(const ConvertedInputs& converted) {
    QStringList lines;
    for (const ConvertedInput& input : converted) {
        lines << input.field + " " + input.typed + " = " + input.si;
    }
    return lines;
}

}  // namespace

QStringList film_hint_lines(const calc::FilmWorking& working, Side side) {
    const calc::CorrelationRange& range = range_of(side);
    QStringList lines;
    for (const calc::RangeHint& hint : calc::range_hints(working, range, side)) {
        lines << hint_line(hint);
    }
    return lines;
}

CheckRow film_range_row(const calc::FilmWorking& working, Side side) {
    const calc::CorrelationRange& range = range_of(side);
    const bool outside = !calc::range_hints(working, range, side).empty();
    QStringList values, criteria;
    const auto add = [&](const calc::Range& fitted, const QString& symbol, const QString& value) {
        if (std::isinf(fitted.low) && std::isinf(fitted.high)) return;
        values << symbol + " = " + value;
        criteria << range_words(fitted, symbol);
    };
    add(range.reynolds, "Re", reynolds(working.reynolds));
    add(range.prandtl, "Pr", prandtl(working.prandtl));
    return {side_name(side) + "关联式适用范围", values.join("，"), criteria.join("，"),
            outside ? QString("注意：此结果仅供参考") : within, outside};
}

QStringList attention_lines(const ResultWorking& result, const FillSource& tube,
                            const FillSource& shell) {
    QStringList design;
    if (result.layout) {
        // An exchanger too small for its duty comes before everything the layout says.
        const RatingNotes rating = rating_notes(*result.layout);
        design = rating.first + layout_notes(*result.layout) + rating.rest;
    }
    if (result.condensing) {
        // The shell has no fields of its own to fill, and no correlation of a single phase;
        // the method's scope, said in every case, comes after what this case needs.
        return fill_cautions(tube, {}) + freezing_cautions(tube, {}, result.input) +
               check_text(result.checks).notes + film_hint_lines(result.steps.tube, Side::Tube) +
               design + QStringList{condensing_scope_note()};
    }
    return fill_cautions(tube, shell) + freezing_cautions(tube, shell, result.input) +
           check_text(result.checks).notes + film_hint_lines(result.steps.tube, Side::Tube) +
           film_hint_lines(result.steps.shell, Side::Shell) + design;
}

QString film_working_text(const FilmResult& result, Side side, FillSource fill) {
    const QStringList cautions = fill ? fill_cautions(*fill, side_name(side)) : QStringList();
    return (converted_lines(result.converted) + source_lines(fill, side) +
            QStringList{film_line(result.steps, side)} + cautions +
            film_hint_lines(result.steps, side))
        .join('\n');
}

QString sizing_working_text(const ResultWorking& result, FillSource tube, FillSource shell) {
    const calc::SizingWorking& working = result.steps;
    QStringList lines = converted_lines(result.converted) + source_lines(tube, Side::Tube);
    if (result.condensing) {
        lines << film_line(working.tube, Side::Tube);
        lines << condensing_estimate_lines(*result.condensing);
    } else {
        lines << source_lines(shell, Side::Shell);
        lines << film_line(working.tube, Side::Tube) << film_line(working.shell, Side::Shell);
        lines << "ΔT1 = " + summary(working.dT1) + " ℃，ΔT2 = " + summary(working.dT2) +
                     " ℃，Δtm = " + summary(working.dtm) + " ℃";
    }
    lines << check_text(result.checks).lines;
    if (result.layout) {
        lines << layout_lines(*result.layout);
        lines << rating_lines(*result.layout, working.result.K);
    }
    lines << attention_lines(result, tube, shell);
    return lines.join('\n');
}

}  // namespace report
