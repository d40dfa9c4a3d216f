#include "calc/checked.hpp"

namespace calc {

void raise_fault(FaultKind kind, Where where) {
    throw Fault(kind, where);
}

void raise_not_finite(Double result, Where where) {
    raise_fault(std::isnan(result) ? FaultKind::InvalidOperation : FaultKind::Overflow, where);
}

}  // namespace calc
