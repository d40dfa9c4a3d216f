// Reading a field's text as a number of the class its quantity is held in, in the SI unit of
// its label, with any unit of that quantity typed after it. A text that does not read raises
// a FieldFault, which names the field.
#pragma once

#include <QLineEdit>
#include <QList>
#include <QString>
#include <optional>

#include "calc/fault.hpp"
#include "calc/numbers.hpp"
#include "report/working_text.hpp"

namespace window {

// A conversion fault together with the field whose text caused it.
class FieldFault : public calc::Fault {
  public:
    FieldFault(const calc::Fault& fault, const QLineEdit& field)
        : calc::Fault(fault), field_name_(field.objectName()), text_(field.text()) {}

    const QString& field_name() const { return field_name_; }
    const QString& text() const { return text_; }

  private:
    QString field_name_;
    QString text_;
};

using report::ConvertedInputs;

// Each adds the field to `converted` when its text carried a unit other than the SI one.
calc::Single read_single(const QLineEdit& field, ConvertedInputs* converted = nullptr);
calc::Double read_double(const QLineEdit& field, ConvertedInputs* converted = nullptr);
// A field that may hold anything: its number, or nothing when it does not read.
std::optional<calc::Single> read_single_if_number(const QLineEdit& field);

}  // namespace window
