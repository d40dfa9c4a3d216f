#include "calc/sizing.hpp"

#include "calc/formulas.hpp"

namespace calc {

Double mean_temperature(Single inlet, Single outlet, Side side) {
    CheckedSteps steps;
    return formulas::mean_temperature(steps, inlet, outlet, side);
}

Double mean_temperature(Single inlet, Single outlet) {
    return mean_temperature(inlet, outlet, Side::None);
}

Single mean_temperature_difference(Single dT1, Single dT2) {
    CheckedSteps steps;
    return formulas::mean_temperature_difference(steps, dT1, dT2);
}

SizingResult size_exchanger(const SizingInput& input) {
    CheckedSteps steps;
    return formulas::size_exchanger(steps, input);
}

SizingWorking sizing_working(const SizingInput& input) {
    CheckedSteps steps;
    return formulas::sizing_working(steps, input);
}

}  // namespace calc
