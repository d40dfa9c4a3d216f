#include "window/field_read.hpp"

#include "calc/checked.hpp"
#include "calc/conversion.hpp"

namespace window {
namespace {

// The field's text through `convert`, a fault naming the field if it does not read.
template <typename Convert>
auto converted(const QLineEdit& field, Convert convert) {
    try {
        return convert(calc::to_number(field.text().toStdString()));
    } catch (const calc::Fault& fault) {
        throw FieldFault(fault, field);
    }
}

}  // namespace

calc::Double read_double(const QLineEdit& field) {
    return converted(field, [](calc::Double value) { return value; });
}

calc::Single read_single(const QLineEdit& field) {
    return converted(field, [](calc::Double value) { return calc::to_single(value); });
}

}  // namespace window
