#include "window/fluid_fill.hpp"

#include <cmath>

#include "calc/conversion.hpp"
#include "calc/sizing.hpp"
#include "calc/units.hpp"
#include "report/condensing_text.hpp"
#include "report/number_text.hpp"
#include "window/qt_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

constexpr int shown_digits = 5;

// Replaces the text as an edit, so that Ctrl+Z in the field brings back what was there; the
// start stays in view, where a number longer than the field shows its size.
void edit_text(QLineEdit& field, const QString& text) {
    field.selectAll();
    field.insert(text);
    field.home(false);
}

QString decimal(double value) {
    return QString::fromStdString(calc::to_decimal_text(value, shown_digits));
}

struct Temperature {
    double celsius;
    bool from_ends;
};

FillFault unreadable(const FieldFault& fault, const FillFields& fields, const FluidChoice& fluid) {
    FillFault refusal(FillFault::Reason::Unreadable, *fields.mean, fluid);
    refusal.field_name = fault.field_name();
    refusal.unreadable = fault;
    return refusal;
}

// The mean field when it reads; when it is empty, the mean of the ends as 计算平均温度 forms it.
Temperature temperature_of(const FillFields& fields, calc::Side side, const FluidChoice& fluid) {
    try {
        return {read_double(*fields.mean), false};
    } catch (const FieldFault& fault) {
        if (fault.kind() != calc::FaultKind::Empty) throw unreadable(fault, fields, fluid);
    }
    try {
        const calc::Single a = read_single(*fields.ends[0]);
        const calc::Single b = read_single(*fields.ends[1]);
        return {calc::mean_temperature(a, b, side), true};
    } catch (const FieldFault& fault) {
        const auto blank = [](const QLineEdit& end) {
            return calc::is_blank(end.text().toStdString());
        };
        if (blank(*fields.ends[0]) && blank(*fields.ends[1])) {
            throw FillFault(FillFault::Reason::Missing, *fields.mean, fluid);
        }
        throw unreadable(fault, fields, fluid);
    }
}

}  // namespace

FluidChoice water_choice() {
    return {&properties::fluid_table().front()};
}

FluidFill fill_side(const FillFields& fields, calc::Side side, const FluidChoice& choice) {
    const Temperature at = temperature_of(fields, side, choice);
    FluidFill fill;
    try {
        fill = fill_at(choice, at.celsius);
    } catch (const properties::OutOfRange& error) {
        FillFault refusal(FillFault::Reason::OutOfRange, *fields.mean, choice);
        refusal.celsius = at.celsius;
        refusal.from_ends = at.from_ends;
        throw refusal;
    }
    const QString mean = report::exact(at.celsius);

    for (std::size_t i = 0; i < fill.texts.size(); ++i) {
        edit_text(*fields.properties[i], fill.texts[i]);
    }
    if (at.from_ends) edit_text(*fields.mean, mean);
    return fill;
}

FluidFill fill_at(const FluidChoice& choice, double celsius) {
    const properties::Fluid& fluid = *choice.fluid;
    const properties::Properties p =
        properties::fluid_properties(fluid, celsius, choice.pressure, choice.fraction);
    FluidFill fill{celsius,
                   {decimal(p.conductivity), decimal(p.density), decimal(p.specific_heat),
                    decimal(p.viscosity)},
                   {},
                   std::nullopt};
    // Water's record is written as before fluids had names, for files older programs read.
    if (fluid.kind != properties::FluidKind::Water) fill.fluid = qt(fluid.english);
    if (fluid.kind == properties::FluidKind::Gas) fill.pressure = choice.pressure;
    if (fluid.kind == properties::FluidKind::Solution) fill.concentration = choice.fraction;
    return fill;
}

std::optional<double> read_fraction(const QString& text, const properties::Fluid& fluid,
                                    QString* why) {
    const QString where = "「质量分数」中的";
    // The example is the middle of the range in whole percent: 30 %, 15 %, 11 %.
    const double example = std::floor(50 * properties::fraction_range(fluid).high) / 100;
    const QString accepted = "\n" + report::fraction_range_words(fluid) + "，如 " +
                             report::fraction_words(example) + "、" + QString::number(example) +
                             "。";
    QString number = text.trimmed();
    if (number.isEmpty()) {
        *why = QString("「质量分数」为空：请输入溶质的质量分数。") + accepted;
        return std::nullopt;
    }
    const bool percent = number.endsWith('%') || number.endsWith(QChar(0xFF05));  // ％
    if (percent) number.chop(1);
    double value = 0;
    try {
        value = calc::to_number(number.toStdString());
    } catch (const calc::Fault&) {
        *why = where + "“" + text + "”不是浓度。" + accepted;
        return std::nullopt;
    }
    const double fraction = percent || value > 1 ? value / 100 : value;
    if (!properties::contains(properties::fraction_range(fluid), fraction)) {
        *why = where + " " + report::fraction_words(fraction) + " 超出了范围。" + accepted;
        return std::nullopt;
    }
    return fraction;
}

QString refused_temperature_words(const FluidChoice& choice, double celsius) {
    const properties::Fluid& fluid = *choice.fluid;
    if (!fluid.solution) return " 超出了范围。\n" + report::fluid_range_words(fluid) + "。";
    const properties::Range range = properties::fluid_range(fluid, choice.fraction);
    if (celsius < range.low) {
        return " 低于冰点。\n" + report::freezing_refusal_words(fluid, choice.fraction) + "。";
    }
    return " 超出了范围。\n" + report::fraction_words(choice.fraction) + " " +
           report::fluid_range_words(fluid) + "。";
}

std::optional<double> read_pressure(const QString& text, QString* why) {
    const QString where = "「绝对压力」中的";
    const QString accepted = "\n" + report::pressure_range_words() + "，如 101.325、" +
                             unit_example(calc::UnitQuantity::Pressure) + "。";
    double pressure = 0;
    try {
        pressure = calc::to_number(text.toStdString(), calc::UnitQuantity::Pressure);
    } catch (const calc::Fault&) {
        *why = where + "“" + text + "”不是压力。" + accepted;
        return std::nullopt;
    }
    if (!properties::contains(properties::gas_pressure_range, pressure)) {
        *why = where + " " + report::exact(pressure) + " kPa 超出了范围。" + accepted;
        return std::nullopt;
    }
    return pressure;
}

std::optional<FluidChoice> condensing_choice(const properties::Vapour& vapour, const QString& text,
                                             QString* why) {
    const QString where = "「饱和压力」中的";
    const QString accepted =
        "\n" + report::saturation_pressure_words(vapour) + "，如 200 kPa、0.2 MPa、2 bar。";
    double pressure = 0;
    try {
        pressure = calc::to_number(text.toStdString(), calc::UnitQuantity::Pressure);
    } catch (const calc::Fault&) {
        *why = where + "“" + text + "”不是压力。" + accepted;
        return std::nullopt;
    }
    if (!properties::contains(vapour.pressures, pressure)) {
        *why = where + " " + report::exact(pressure) + " kPa 超出了范围。" + accepted;
        return std::nullopt;
    }
    return FluidChoice{&properties::condensate_fluid(vapour), pressure, 0, &vapour, text.trimmed()};
}

std::optional<FluidChoice> choice_of(const FluidFill& fill) {
    if (fill.fluid.isEmpty()) return water_choice();
    for (const properties::Fluid& fluid : properties::fluid_table()) {
        if (qt(fluid.english) == fill.fluid) {
            return FluidChoice{&fluid, fill.pressure.value_or(properties::standard_pressure),
                               fill.concentration.value_or(0)};
        }
    }
    return std::nullopt;
}

report::FillSource fill_source(const std::optional<FluidFill>& fill, const FillFields& fields) {
    if (!fill) return std::nullopt;
    for (std::size_t i = 0; i < fill->texts.size(); ++i) {
        if (fields.properties[i]->text() != fill->texts[i]) return std::nullopt;
    }
    const std::optional<FluidChoice> choice = choice_of(*fill);
    if (!choice) return std::nullopt;
    return report::Fill{choice->fluid, fill->celsius, choice->pressure, choice->fraction};
}

}  // namespace window
