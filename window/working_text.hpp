// How a result came about, in Chinese with units, a line per step: the text of the results'
// tooltips and of the working in the copied report. The numbers come from calc/.
#pragma once

#include <QString>

#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"

namespace window {

// "管内：Re = 24861，Pr = 5.410，αt = 3873.2 W/(㎡·℃)", then a "注意：" line for each value
// outside the range the side's correlation was fitted for.
QString film_working_text(const calc::FilmWorking& working, calc::Side side);

// Both sides' lines, then "ΔT1 = 50 ℃，ΔT2 = 40 ℃，Δtm = 44.814 ℃", then the hints.
QString sizing_working_text(const calc::SizingWorking& working);

}  // namespace window
