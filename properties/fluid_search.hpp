// Finding a fluid of the table by what a user types: its Chinese or English name, its formula
// or its CAS number, letters in either case. The window's list and the command line share it.
#pragma once

#include <string_view>
#include <vector>

#include "properties/fluid_table.hpp"

namespace properties {

// Every fluid with a key that holds the query, in the table's order; all of them for a blank one.
std::vector<const Fluid*> search_fluids(std::string_view query);

// The fluids the query names whole (several where a formula is shared: C8H10); where it names
// none whole, search_fluids'.
std::vector<const Fluid*> match_fluid(std::string_view query);

}  // namespace properties
