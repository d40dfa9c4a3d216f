// Tells the user, in Chinese, what failed and what to check, and puts focus where it helps.
// Raising faults is left to calc/ and to the field reads.
#pragma once

#include <QString>
#include <QWidget>

#include "calc/fault.hpp"
#include "casefile/case_fault.hpp"
#include "design/condensing.hpp"
#include "window/fluid_fill.hpp"
#include "window/save_fault.hpp"

class QLineEdit;

namespace window {

struct FaultMessage {
    QString title;
    QString text;
    QLineEdit* field = nullptr;  // the field to correct, when one field is to blame
};

// Words for `fault`; fields are looked up in `form` by name.
FaultMessage describe_fault(const calc::Fault& fault, const QWidget& form);
FaultMessage describe_fault(const FillFault& fault, const QWidget& form);
FaultMessage describe_fault(const SaveFault& fault);
FaultMessage describe_fault(const casefile::CaseFault& fault);
FaultMessage describe_fault(const design::CondensingFault& fault, const QWidget& form);

// Shows the message modally over `form`, then focuses and selects the field to correct.
void show_fault(QWidget& form, const FaultMessage& message);
void report_fault(QWidget& form, const SaveFault& fault);
void report_fault(QWidget& form, const casefile::CaseFault& fault);

}  // namespace window
