#include "calc/film_coefficient.hpp"

#include "calc/formulas.hpp"

namespace calc {

Double film_coefficient(const FluidSide& fluid, const Correlation& correlation, Side side) {
    CheckedSteps steps;
    return formulas::film_coefficient(steps, fluid, correlation, side);
}

FilmWorking film_working(const FluidSide& fluid, const Correlation& correlation, Side side) {
    CheckedSteps steps;
    return formulas::film_working(steps, fluid, correlation, side);
}

Double film_coefficient(const FluidSide& fluid, const Correlation& correlation) {
    return film_coefficient(fluid, correlation, Side::None);
}

}  // namespace calc
