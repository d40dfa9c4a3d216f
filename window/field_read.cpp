#include "window/field_read.hpp"

#include "calc/conversion.hpp"

namespace window {
namespace {

// The field's text through `convert`, a fault naming the field if it does not read.
template <typename Convert>
auto converted(const QLineEdit& field, Convert convert) {
    try {
        return convert(field.text().toStdString());
    } catch (const calc::Fault& fault) {
        throw FieldFault(fault, field);
    }
}

}  // namespace

calc::Double read_double(const QLineEdit& field) {
    return converted(field, calc::to_number);
}

calc::Single read_single(const QLineEdit& field) {
    return converted(field, calc::to_single_number);
}

std::optional<calc::Single> read_single_if_number(const QLineEdit& field) {
    try {
        return calc::to_single_number(field.text().toStdString());
    } catch (const calc::Fault&) {
        return std::nullopt;
    }
}

}  // namespace window
