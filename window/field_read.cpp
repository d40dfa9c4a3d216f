#include "window/field_read.hpp"

#include <type_traits>

#include "calc/checked.hpp"
#include "calc/units.hpp"
#include "report/number_text.hpp"
#include "window/layout_table.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

calc::UnitQuantity quantity_of(const QLineEdit& field) {
    return field_unit(field.objectName().toStdString()).quantity;
}

// The field's text in its SI unit and rounded into its class, a fault naming the field if it
// does not read.
template <typename Value>
Value converted(const QLineEdit& field, ConvertedInputs* converted_inputs) {
    try {
        const calc::UnitQuantity quantity = quantity_of(field);
        const calc::UnitReading reading =
            calc::read_with_unit(field.text().toStdString(), quantity);
        Value value = reading.value;
        if constexpr (std::is_same_v<Value, calc::Single>) value = calc::to_single(reading.value);
        if (converted_inputs && reading.unit && reading.unit->rule != calc::UnitRule::Same) {
            converted_inputs->append({field.objectName(), field.accessibleName(),
                                      field.text().trimmed(),
                                      report::exact(value) + " " + si_unit(quantity)});
        }
        return value;
    } catch (const calc::Fault& fault) {
        throw FieldFault(fault, field);
    }
}

}  // namespace

calc::Double read_double(const QLineEdit& field, ConvertedInputs* converted_inputs) {
    return converted<calc::Double>(field, converted_inputs);
}

calc::Single read_single(const QLineEdit& field, ConvertedInputs* converted_inputs) {
    return converted<calc::Single>(field, converted_inputs);
}

std::optional<calc::Single> read_single_if_number(const QLineEdit& field) {
    try {
        return read_single(field);
    } catch (const FieldFault&) {
        return std::nullopt;
    }
}

}  // namespace window
