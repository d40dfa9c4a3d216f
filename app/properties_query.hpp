// The properties of a fluid without a window, for scripts: the four texts a fill writes, with
// their captions and units, and where they came from; and the list of every fluid. Parsing
// the command line is command_line's.
#pragma once

#include "app/command_line.hpp"

namespace app {

// 0 when said; 1 for an unknown or ambiguous fluid, a temperature or pressure that does not
// read or lies outside the fluid's range, with the window's own words on standard error.
int run_properties(const CommandLine& line);

// Every fluid: name, English name, formula, CAS number, range in ℃ and state, one a line.
int run_fluid_list();

// A vapour's saturation state at its pressure: "ts = 120.21 ℃", "r = 2201.6 kJ/kg",
// "ρ″ = …", "μ″ = …" and the source; 1 for a name with no vapour or a pressure that does not
// read or lies outside its range, with the words on standard error.
int run_saturation(const CommandLine& line);

}  // namespace app
