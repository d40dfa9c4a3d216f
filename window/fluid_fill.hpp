// 水物性 and the other fluids: a side's λ, ρ, cp and μ fields filled with the chosen fluid at
// the side's temperature. The properties come from properties/; wording a refusal is
// fault_report's, choosing the fluid fluid_chooser's.
#pragma once

#include <QLineEdit>
#include <QString>
#include <array>
#include <exception>
#include <optional>

#include "calc/fault.hpp"
#include "casefile/case.hpp"
#include "properties/fluid.hpp"
#include "properties/saturation.hpp"
#include "report/fill_text.hpp"
#include "window/field_read.hpp"

namespace window {

// The fluid a side fills with, for a gas its absolute pressure in kPa, for a solution its
// solute's mass fraction; or, on the shell side, a vapour condensing at its absolute
// saturation pressure (`fluid` is then its liquid, `pressure` p_s and `pressure_text` p_s as
// typed, which the case keeps).
struct FluidChoice {
    const properties::Fluid* fluid;
    double pressure = properties::standard_pressure;
    double fraction = 0;
    const properties::Vapour* vapour = nullptr;
    QString pressure_text{};
    bool operator==(const FluidChoice&) const = default;
};

// The shell side condensing `vapour` at the pressure `text` reads as; none, with `why` in the
// words a user is told, where it does not read or lies outside the vapour's range.
std::optional<FluidChoice> condensing_choice(const properties::Vapour& vapour, const QString& text,
                                             QString* why);

FluidChoice water_choice();  // what each side starts with

// The fields of one side that a fill reads and writes.
struct FillFields {
    QLineEdit* mean;                 // the temperature, typed or written by 计算平均温度
    std::array<QLineEdit*, 2> ends;  // inlet and outlet, in the order 计算平均温度 reads them
    std::array<QLineEdit*, 4> properties;  // λ, ρ, cp, μ
};

// What a fill wrote: the fluid, the temperature and the four texts, λ, ρ, cp, μ, as a case
// file keeps it.
using FluidFill = casefile::FillRecord;

// No temperature to look the fluid up at, and the field to correct.
class FillFault : public std::exception {
  public:
    enum class Reason {
        Unreadable,  // a field's text does not read as a number (`unreadable` says which)
        Missing,     // the mean field, inlet and outlet are all empty
        OutOfRange,  // the temperature lies outside `range`
    };

    FillFault(Reason reason, const QLineEdit& mean, const FluidChoice& choice)
        : reason(reason),
          field_name(mean.objectName()),
          fluid(choice.fluid),
          fraction(choice.fraction),
          range(properties::fluid_range(*choice.fluid, choice.fraction)) {}

    Reason reason;
    QString field_name;  // the field to correct
    const properties::Fluid* fluid;
    double fraction;          // a solution's, whose freezing point bounds the range
    properties::Range range;  // ℃, where the fluid's properties hold
    std::optional<FieldFault> unreadable;
    double celsius = 0;      // OutOfRange: the temperature asked for
    bool from_ends = false;  // OutOfRange: the mean of inlet and outlet, the mean field empty

    const char* what() const noexcept override { return "window: no temperature for the fluid"; }
};

// Reads the temperature, looks the fluid up and only then writes: the four fields as edits
// of their own undo history, and the mean field when the mean of the ends was used.
// Raises FillFault, or a calc::Fault where the mean of the ends overflows.
FluidFill fill_side(const FillFields& fields, calc::Side side, const FluidChoice& choice);

// What a fill at `celsius` writes; properties::OutOfRange outside the fluid's range.
FluidFill fill_at(const FluidChoice& choice, double celsius);

// A gas's absolute pressure as typed, in any unit of pressure, in kPa; none where it does not
// read or lies outside the accepted range, with `why` in the words a user is told.
std::optional<double> read_pressure(const QString& text, QString* why);

// A solution's concentration as typed, "30 %", "30%" or "0.3", as its solute's mass fraction:
// a bare number above 1 is read as percent. None where it does not read or lies outside the
// solution's range, with `why` in the words a user is told.
std::optional<double> read_fraction(const QString& text, const properties::Fluid& fluid,
                                    QString* why);

// Why `celsius` ℃ is refused, after the words naming where it came from: " 低于冰点。" and
// "30 % 乙二醇水溶液的冰点为 −14.58 ℃。" below a solution's freezing point, else " 超出了范围。"
// and the fluid's range.
QString refused_temperature_words(const FluidChoice& choice, double celsius);

// The fluid a record names, with its pressure; none for a name the table does not hold.
std::optional<FluidChoice> choice_of(const FluidFill& fill);

// The source of `fill` while the four fields still hold what it wrote.
report::FillSource fill_source(const std::optional<FluidFill>& fill, const FillFields& fields);

}  // namespace window
