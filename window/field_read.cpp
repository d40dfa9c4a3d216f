#include "window/field_read.hpp"

#include "calc/checked.hpp"
#include "calc/conversion.hpp"

namespace window {

calc::Double read_double(const QLineEdit& field) {
    try {
        return calc::to_number(field.text().toStdString());
    } catch (const calc::Fault& fault) {
        throw FieldFault(fault, field);
    }
}

calc::Single read_single(const QLineEdit& field) {
    const calc::Double value = read_double(field);
    try {
        return calc::to_single(value);
    } catch (const calc::Fault& fault) {
        throw FieldFault(fault, field);
    }
}

}  // namespace window
