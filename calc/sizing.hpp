// Mean temperature of a side and the sizing of a counter-current exchanger: K, Q and A.
// Where the inputs come from and how results are shown is left to the window.
#pragma once

#include "calc/fault.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/numbers.hpp"

namespace calc {

// t: tube side (inside the tubes), T: shell side; ℃ and kg/s.
struct SizingInput {
    FluidSide tube, shell;
    Single t1, t2, T1, T2, W;
};

// K in W/(m²·℃), A in m², Q in W.
struct SizingResult {
    Single K, A, Q;
};

// The results with how they came about: both sides' film working and the end differences.
struct SizingWorking {
    FilmWorking tube, shell;
    Single dT1, dT2, dtm;  // ℃
    SizingResult result;
};

inline constexpr Double fouling_factor = 0.85;
inline constexpr Double reserve_factor = 0.89;

Double mean_temperature(Single inlet, Single outlet, Side side);
Double mean_temperature(Single inlet, Single outlet);

// Logarithmic mean of the two end differences, ℃; equal ends give ΔT1 with no logarithm.
Single mean_temperature_difference(Single dT1, Single dT2);

SizingResult size_exchanger(const SizingInput& input);
// The same steps and faults as size_exchanger, with the intermediates kept.
SizingWorking sizing_working(const SizingInput& input);
// The same with the shell side's coefficient given (its Re and Pr left 0): a condensing film.
SizingWorking sizing_working(const SizingInput& input, Double shell_alpha);

}  // namespace calc
