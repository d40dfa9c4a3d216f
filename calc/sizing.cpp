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

SizingWorking sizing_working(const SizingInput& input, Double shell_alpha) {
    CheckedSteps steps;
    const FilmWorking tube = formulas::film_working(steps, input.tube, tube_side, Side::Tube);
    return formulas::sizing_from_films(steps, input, tube, FilmWorking{0.0, 0.0, shell_alpha});
}

}  // namespace calc
