#include "report/fill_text.hpp"

#include <cmath>

#include "report/check_text.hpp"
#include "report/number_text.hpp"
#include "report/qt_words.hpp"

namespace report {
namespace {

using properties::FluidKind;

QString qt(std::string_view text) {
    return qt_words(text);
}

// A ℃ of the tables, which have two decimals at most.
QString celsius_words(double celsius) {
    return QString::number(celsius, 'g', 8) + " ℃";
}

// "Perry 手册表 2-315", "Poling 附录 A"; after another of Perry's tables the number alone.
QString table_words(const properties::Correlation& row, const properties::Correlation* before) {
    using properties::Equation;
    if (row.equation == Equation::Poling) return "Poling 附录 " + qt(row.table);
    const bool perry_before = before && before->equation != Equation::Poling;
    return perry_before ? qt(row.table) : "Perry 手册表 " + qt(row.table);
}

// "液体" or "气体，101.325 kPa"; water's "饱和液体".
QString state_words(const Fill& fill) {
    switch (fill.fluid->kind) {
        case FluidKind::Water:
            return "饱和液体";
        case FluidKind::Liquid:
            return "液体";
        case FluidKind::Gas:
            return "气体，" + exact(fill.pressure) + " kPa";
        case FluidKind::Solution:
            return "质量分数 " + fraction_words(fill.fraction);
    }
    return {};
}

}  // namespace

QString kind_words(const properties::Fluid& fluid) {
    switch (fluid.kind) {
        case FluidKind::Water:
            return "饱和液体（IAPWS）";
        case FluidKind::Liquid:
            return "液体";
        case FluidKind::Gas:
            return "气体（低压）";
        case FluidKind::Solution: {
            const double most = properties::fraction_range(fluid).high;
            return "水溶液（质量分数 " + fraction_span_words(fluid) + "，冰点低至 " +
                   freezing_words(properties::freezing_celsius(fluid, most)) + "）";
        }
    }
    return {};
}

QString range_words(const properties::Fluid& fluid) {
    if (fluid.solution) return "冰点–" + QString::number(fluid.solution->t_max, 'g', 8);
    const properties::Range range = properties::fluid_range(fluid);
    return QString::number(range.low, 'g', 8) + "–" + QString::number(range.high, 'g', 8);
}

// The rows in the order λ, ρ, cp, μ; a gas's ρ, the ideal gas's, is named after the others.
QString source_words(const Fill& fill) {
    const properties::Fluid& fluid = *fill.fluid;
    const QString at = " ℃";
    if (fluid.kind == FluidKind::Water)
        return "饱和水 " + exact(fill.celsius) + at + "（IAPWS-IF97）";
    if (fluid.kind == FluidKind::Solution) {
        return qt(fluid.chinese) + "（" + state_words(fill) +
               "），λ、ρ、cp、μ 按 Melinder (2010) 在 " + signed_words(exact(fill.celsius)) + at +
               "；冰点 " + freezing_words(properties::freezing_celsius(fluid, fill.fraction));
    }
    static const QString symbols[] = {"λ", "ρ", "cp", "μ"};
    QStringList names, tables;
    const properties::Correlation* before = nullptr;
    for (std::size_t i = 0; i < fluid.rows.size(); ++i) {
        if (fluid.rows[i].equation == properties::Equation::IdealGas) continue;
        names << symbols[i];
        tables << table_words(fluid.rows[i], before);
        before = &fluid.rows[i];
    }
    const QString ideal_gas =
        fluid.kind == FluidKind::Gas ? QString("，ρ 按理想气体 pM/(RT)，") : QString(" ");
    return qt(fluid.chinese) + "（" + state_words(fill) + "），" + names.join("、") + " 按 " +
           tables.join("、") + ideal_gas + "在 " + signed_words(exact(fill.celsius)) + at;
}

QString signed_words(const QString& number) {
    return number.startsWith('-') ? "−" + number.mid(1) : number;
}

QString fraction_words(double fraction) {
    return QString::number(100 * fraction, 'g', 12) + " %";
}

QString fraction_span_words(const properties::Fluid& fluid) {
    const properties::Range w = properties::fraction_range(fluid);
    return QString::number(100 * w.low, 'g', 12) + "–" + fraction_words(w.high);
}

QString freezing_words(double celsius) {
    const double rounded = std::round(celsius * 100) / 100;
    return signed_words(QString::number(rounded == 0 ? 0.0 : rounded, 'g', 8)) + " ℃";
}

QString solution_words(const properties::Fluid& fluid, double fraction) {
    return fraction_words(fraction) + " " + qt(fluid.chinese);
}

QString freezing_refusal_words(const properties::Fluid& fluid, double fraction) {
    return solution_words(fluid, fraction) + "的冰点为 " +
           freezing_words(properties::freezing_celsius(fluid, fraction));
}

QString fraction_range_words(const properties::Fluid& fluid) {
    return qt(fluid.chinese) + "的质量分数须在 " + fraction_span_words(fluid).replace("–", "～") +
           " 之间";
}

QStringList fill_cautions(const Fill& fill, const QString& where) {
    const properties::Fluid& fluid = *fill.fluid;
    const QString who = where + qt(fluid.chinese);
    QStringList lines;
    if (properties::above_boiling_point(fluid, fill.celsius)) {
        lines << "注意：" + who + " " + exact(fill.celsius) + " ℃ 高于常压沸点 " +
                     celsius_words(properties::boiling_celsius(fluid)) +
                     "：须加压保持液态，物性按饱和液体。";
    }
    if (properties::beyond_low_pressure(fluid, fill.pressure)) {
        lines << "注意：" + who + " " + exact(fill.pressure) + " kPa 高于 " +
                     QString::number(properties::low_pressure_limit / 1000) +
                     " MPa：气体物性关联式只适用于低压，此结果仅供参考。";
    }
    return lines;
}

QStringList fill_cautions(const FillSource& tube, const FillSource& shell) {
    QStringList lines;
    if (tube) lines << fill_cautions(*tube, side_name(calc::Side::Tube));
    if (shell) lines << fill_cautions(*shell, side_name(calc::Side::Shell));
    return lines;
}

QList<CheckRow> fill_check_rows(const FillSource& tube, const FillSource& shell) {
    QList<CheckRow> rows;
    const auto add = [&rows](const FillSource& fill, calc::Side side) {
        if (!fill) return;
        const properties::Fluid& fluid = *fill->fluid;
        const QString check = side_name(side) + "物性：" + qt(fluid.chinese);
        if (properties::above_boiling_point(fluid, fill->celsius)) {
            rows << CheckRow{check, "t = " + exact(fill->celsius) + " ℃",
                             "t ≤ 常压沸点 " + celsius_words(properties::boiling_celsius(fluid)),
                             "注意：须加压保持液态", true};
        }
        if (properties::beyond_low_pressure(fluid, fill->pressure)) {
            rows << CheckRow{check, "p = " + exact(fill->pressure) + " kPa",
                             "p ≤ " + QString::number(properties::low_pressure_limit) + " kPa",
                             "注意：低压关联式，仅供参考", true};
        }
    };
    add(tube, calc::Side::Tube);
    add(shell, calc::Side::Shell);
    return rows;
}

QString fluid_range_words(const properties::Fluid& fluid) {
    const properties::Range range = properties::fluid_range(fluid);
    if (fluid.kind == FluidKind::Water) {
        return "查水物性的温度须在 " + QString::number(range.low, 'g', 6) + "～" +
               QString::number(range.high, 'g', 6) + " ℃ 之间（饱和水）";
    }
    if (fluid.solution) {
        return qt(fluid.chinese) + "的物性只适用于冰点至 " +
               QString::number(fluid.solution->t_max, 'g', 8) + " ℃";
    }
    const QString state = fluid.kind == FluidKind::Gas ? "气体" : "液体";
    return qt(fluid.chinese) + "的" + state + "物性只适用于 " + range_words(fluid) + " ℃";
}

QString pressure_range_words() {
    const properties::Range range = properties::gas_pressure_range;
    return "气体的绝对压力须在 " + QString::number(range.low) + "～" + QString::number(range.high) +
           " kPa 之间";
}

}  // namespace report
