#include "calc/fault.hpp"

namespace calc {

const char* Fault::what() const noexcept {
    switch (kind_) {
        case FaultKind::InvalidOperation:
            return "calc: invalid operation";
        case FaultKind::DivisionByZero:
            return "calc: division by zero";
        case FaultKind::Overflow:
            return "calc: overflow";
        case FaultKind::InvalidArgument:
            return "calc: invalid argument";
        case FaultKind::Empty:
            return "calc: empty text";
        case FaultKind::NotANumber:
            return "calc: not a number";
        case FaultKind::WrongUnit:
            return "calc: not a unit of this quantity";
    }
    return "calc: fault";
}

}  // namespace calc
