// The units a field accepts, in words: its description for a screen reader (the tooltip) and
// what the message about a wrong unit lists. The units themselves are calc/units' table.
#pragma once

#include <QString>

#include "calc/units.hpp"

namespace window {

// The SI unit the field's label stands for: "m", "Pa·s", "W/(m·℃)".
QString si_unit(calc::UnitQuantity quantity);

// "m、mm、cm": every unit listed to the user, the SI one first.
QString unit_list(calc::UnitQuantity quantity);

// "m；也可输入 mm、cm，如 20 mm"
QString unit_description(calc::UnitQuantity quantity);

// "20 mm"
QString unit_example(calc::UnitQuantity quantity);

}  // namespace window
