#include "window/operation_choices.hpp"

#include <cmath>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"
#include "calc/units.hpp"

namespace window {
namespace {

QString where(std::size_t index, const QString& text) {
    return "「" + QString(operation_names[index]) + "」中的“" + text + "”";
}

// A temperature or a flow as the fields read one, units allowed.
double quantity(std::size_t index, const QString& text, calc::UnitQuantity unit) {
    try {
        const double value = calc::to_number(text.trimmed().toStdString(), unit);
        if (std::isfinite(value)) return value;
    } catch (const calc::Fault&) {
    }
    throw ChoiceFault{index, where(index, text) + "不是有效的" +
                                 (unit == calc::UnitQuantity::Temperature ? "温度" : "质量流量")};
}

calc::UnitQuantity unit_of(std::size_t side_input) {
    return side_input % 2 == 0 ? calc::UnitQuantity::Temperature : calc::UnitQuantity::MassFlow;
}

}  // namespace

OperationChoice read_operation(const casefile::OperationTexts& texts,
                               const std::array<double, 4>& design) {
    OperationChoice c;
    const std::array<std::optional<double>*, 4> inputs{
        &c.operation.tube_inlet, &c.operation.tube_flow, &c.operation.shell_inlet,
        &c.operation.shell_flow};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (!texts[i].trimmed().isEmpty()) *inputs[i] = quantity(i, texts[i], unit_of(i));
    }
    std::size_t swept = 1;  // the tube flow
    if (const QString key = texts[4].trimmed(); !key.isEmpty()) {
        swept = 4;
        for (std::size_t k = 0; k < swept_keys.size(); ++k) {
            if (key == swept_keys[k] || key == operation_names[k]) swept = k;
        }
        if (swept == 4) throw ChoiceFault{4, where(4, key) + "不是两侧的进口温度或质量流量之一"};
    }
    c.sweep.input = static_cast<design::SweptInput>(swept);
    c.sweep.from =
        texts[5].trimmed().isEmpty() ? 0.5 * design[swept] : quantity(5, texts[5], unit_of(swept));
    c.sweep.to =
        texts[6].trimmed().isEmpty() ? 1.5 * design[swept] : quantity(6, texts[6], unit_of(swept));
    if (!texts[7].trimmed().isEmpty()) {
        double points = 0;
        try {
            points = calc::to_number(texts[7].trimmed().toStdString());
        } catch (const calc::Fault&) {
            points = -1;
        }
        if (!(points >= 2 && points <= most_sweep_points && points == std::floor(points))) {
            throw ChoiceFault{7, where(7, texts[7]) + "须是 2–" +
                                     QString::number(most_sweep_points) + " 之间的整数"};
        }
        c.sweep.points = static_cast<int>(points);
    }
    return c;
}

}  // namespace window
