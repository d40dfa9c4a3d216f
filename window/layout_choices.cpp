#include "window/layout_choices.hpp"

#include "calc/fault.hpp"
#include "report/layout_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

// How many of the field's SI unit one of its own is: mm in m, kPa in Pa.
double own_unit_in_si(const ChoiceRow& row) {
    if (row.quantity == calc::UnitQuantity::Pressure) return 1000.0;  // calc takes Pa
    return std::string_view(row.unit) == "mm" ? 1e-3 : 1.0;
}

QString fault_words(const ChoiceRow& row, const QString& text, const calc::Fault& fault) {
    const QString where = "「" + report::choice_name(row.choice) + "」中的“" + text + "”";
    switch (fault.kind()) {
        case calc::FaultKind::WrongUnit:
            return where + "，其单位不是此栏的单位。此栏可用的单位：" + unit_list(row.quantity) +
                   "；只写数字时按 " + row.unit + " 计";
        case calc::FaultKind::Overflow:
            return where + "超出了可计算的范围";
        default:
            return where + "不是有效的数字";
    }
}

}  // namespace

std::optional<calc::Arrangement> read_arrangement(const QString& text) {
    const QString t = text.trimmed().toLower().replace('_', ' ');
    using calc::Arrangement;
    for (const Arrangement a :
         {Arrangement::Triangle, Arrangement::Square, Arrangement::RotatedSquare}) {
        if (t == report::arrangement_name(a)) return a;
    }
    if (t == "triangle") return Arrangement::Triangle;
    if (t == "square") return Arrangement::Square;
    if (t == "rotated square") return Arrangement::RotatedSquare;
    return std::nullopt;
}

calc::LayoutChoices read_layout_choices(const casefile::LayoutTexts& texts) {
    std::array<std::optional<double>, 8> values;
    calc::LayoutChoices choices;
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        const ChoiceRow& row = choice_rows[i];
        const QString text = texts[i].trimmed();
        if (text.isEmpty()) continue;
        if (row.choice == calc::LayoutChoice::Arrangement) {
            choices.arrangement = read_arrangement(text);
            if (!choices.arrangement) {
                throw ChoiceFault{i,
                                  "「排列方式」中的“" + text + "”不是正三角形、正方形或转角正方形"};
            }
            continue;
        }
        // A number alone is in the choice's own unit, read as if that unit followed it.
        std::string typed = text.toStdString();
        if (!calc::carries_unit(typed)) typed += std::string(" ") + row.unit;
        try {
            double value = calc::to_number(typed, row.quantity);
            if (row.quantity == calc::UnitQuantity::Pressure) value *= 1000.0;
            values[i] = value;
        } catch (const calc::Fault& fault) {
            throw ChoiceFault{i, fault_words(row, text, fault)};
        }
    }
    choices.tube_length = values[0];
    choices.pitch = values[2];
    choices.shell_diameter = values[3];
    choices.baffle_spacing = values[4];
    choices.roughness = values[5];
    choices.allowable_tube_drop = values[6];
    choices.allowable_shell_drop = values[7];
    return choices;
}

QString in_own_unit(const ChoiceRow& row, double si) {
    return QString::number(si / own_unit_in_si(row), 'g', 6);
}

}  // namespace window
