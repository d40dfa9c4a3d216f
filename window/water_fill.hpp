// 水物性: a side's λ, ρ, cp and μ fields filled with saturated water at the side's
// temperature. The properties come from properties/; wording a refusal is fault_report's.
#pragma once

#include <QLineEdit>
#include <QString>
#include <array>
#include <exception>
#include <optional>

#include "calc/fault.hpp"
#include "casefile/case.hpp"
#include "properties/out_of_range.hpp"
#include "window/field_read.hpp"

namespace window {

// The fields of one side that a fill reads and writes.
struct WaterFields {
    QLineEdit* mean;                 // the temperature, typed or written by 计算平均温度
    std::array<QLineEdit*, 2> ends;  // inlet and outlet, in the order 计算平均温度 reads them
    std::array<QLineEdit*, 4> water;  // λ, ρ, cp, μ
};

// What a fill wrote: the temperature and the four texts, λ, ρ, cp, μ, as a case file keeps it.
using WaterFill = casefile::WaterRecord;

// No temperature to look water up at, and the field to correct.
class WaterFault : public std::exception {
  public:
    enum class Reason {
        Unreadable,  // a field's text does not read as a number (`unreadable` says which)
        Missing,     // the mean field, inlet and outlet are all empty
        OutOfRange,  // the temperature lies outside `range`
    };

    WaterFault(Reason reason, const QLineEdit& mean, properties::Range range)
        : reason(reason), field_name(mean.objectName()), range(range) {}

    Reason reason;
    QString field_name;  // the field to correct
    properties::Range range;
    std::optional<FieldFault> unreadable;
    double celsius = 0;      // OutOfRange: the temperature asked for
    bool from_ends = false;  // OutOfRange: the mean of inlet and outlet, the mean field empty

    const char* what() const noexcept override { return "window: no temperature for water"; }
};

// Reads the temperature, looks the water up and only then writes: the four fields as edits
// of their own undo history, and the mean field when the mean of the ends was used.
// Raises WaterFault, or a calc::Fault where the mean of the ends overflows.
WaterFill fill_with_water(const WaterFields& fields, calc::Side side);

// What a fill at `celsius` writes; properties::OutOfRange outside the range of the tables.
WaterFill water_at(double celsius);

// The temperature of `fill` while the four fields still hold what it wrote.
std::optional<double> water_source(const std::optional<WaterFill>& fill, const WaterFields& fields);

}  // namespace window
