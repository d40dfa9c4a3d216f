#include "window/water_fill.hpp"

#include "calc/conversion.hpp"
#include "calc/sizing.hpp"
#include "properties/saturated_water.hpp"
#include "report/number_text.hpp"

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

WaterFault unreadable(const FieldFault& fault, const WaterFields& fields) {
    WaterFault refusal(WaterFault::Reason::Unreadable, *fields.mean,
                       properties::saturated_water_range);
    refusal.field_name = fault.field_name();
    refusal.unreadable = fault;
    return refusal;
}

// The mean field when it reads; when it is empty, the mean of the ends as 计算平均温度 forms it.
Temperature temperature_of(const WaterFields& fields, calc::Side side) {
    try {
        return {read_double(*fields.mean), false};
    } catch (const FieldFault& fault) {
        if (fault.kind() != calc::FaultKind::Empty) throw unreadable(fault, fields);
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
            throw WaterFault(WaterFault::Reason::Missing, *fields.mean,
                             properties::saturated_water_range);
        }
        throw unreadable(fault, fields);
    }
}

}  // namespace

WaterFill fill_with_water(const WaterFields& fields, calc::Side side) {
    const Temperature at = temperature_of(fields, side);
    WaterFill fill;
    try {
        fill = water_at(at.celsius);
    } catch (const properties::OutOfRange& error) {
        WaterFault refusal(WaterFault::Reason::OutOfRange, *fields.mean, error.range());
        refusal.celsius = at.celsius;
        refusal.from_ends = at.from_ends;
        throw refusal;
    }
    const QString mean = report::exact(at.celsius);

    for (std::size_t i = 0; i < fill.texts.size(); ++i) edit_text(*fields.water[i], fill.texts[i]);
    if (at.from_ends) edit_text(*fields.mean, mean);
    return fill;
}

WaterFill water_at(double celsius) {
    const properties::Water water = properties::saturated_water(celsius);
    return {celsius,
            {decimal(water.conductivity), decimal(water.density), decimal(water.specific_heat),
             decimal(water.viscosity)}};
}

std::optional<double> water_source(const std::optional<WaterFill>& fill,
                                   const WaterFields& fields) {
    if (!fill) return std::nullopt;
    for (std::size_t i = 0; i < fill->texts.size(); ++i) {
        if (fields.water[i]->text() != fill->texts[i]) return std::nullopt;
    }
    return fill->celsius;
}

}  // namespace window
