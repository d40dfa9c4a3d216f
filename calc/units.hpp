// Units typed after a number, "20 mm" or "303.15 K": the one table of the units each quantity
// accepts, and the reading of such a text as the number in its field's SI unit. Which field
// holds which quantity, and the words for the user, are left to the window.
#pragma once

#include <string_view>
#include <vector>

#include "calc/numbers.hpp"

namespace calc {

enum class UnitQuantity {
    Temperature,   // ℃
    MassFlow,      // kg/s
    Conductivity,  // W/(m·℃)
    Density,       // kg/m³
    SpecificHeat,  // J/(kg·℃)
    Viscosity,     // Pa·s
    Velocity,      // m/s
    Length,        // m
    Pressure,      // kPa, absolute: a gas's, for its density
};

// How a unit's number becomes the SI one.
enum class UnitRule {
    Same,        // the SI unit itself
    PowerOfTen,  // × 10^power on the decimal digits, before the one rounding
    Kelvin,      // − 273.15 on the decimal digits, before the one rounding
    Multiply,    // one Double product with `factor` on the number as read
    Divide,      // one Double quotient by `factor` on the number as read
};

struct UnitRow {
    UnitQuantity quantity;
    std::string_view spelling;  // as matched: "kJ/kg*K" for kJ/(kg·℃)
    std::string_view shown;     // as listed to the user; empty for another way of writing it
    UnitRule rule;
    int power = 0;
    Double factor = 1.0;
};

// The quantity's rows, its SI unit first.
std::vector<UnitRow> units_of(UnitQuantity quantity);

// What a field's text read as: the number in the SI unit, and the unit typed after it, when
// one was (its rule Same for a unit that is the SI one written out).
struct UnitReading {
    Double value;
    const UnitRow* unit;  // null for a number alone
};

// A number alone reads exactly as to_number reads it. After it, with or without a blank, a
// unit of `quantity` in any of its spellings; WrongUnit for any other unit, and the faults
// of to_number otherwise.
UnitReading read_with_unit(std::string_view text, UnitQuantity quantity);
Double to_number(std::string_view text, UnitQuantity quantity);
// The same, rounded once into Single.
Single to_single_number(std::string_view text, UnitQuantity quantity);

// Whether something follows the number in `text`, as a unit would.
bool carries_unit(std::string_view text);

}  // namespace calc
