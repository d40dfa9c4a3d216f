// The vapours that may condense on the shell side, as the published tables print them: the
// vapour pressure, the latent heat and the vapour's viscosity of each organic liquid, with the
// pressures and film temperatures this program allows. Steam is IAPWS' and has no rows here;
// evaluating a row and looking a vapour up is saturation's.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "properties/fluid_table.hpp"
#include "properties/out_of_range.hpp"

namespace properties {

// Perry's eq. 106, r = C1·(1 − Tr)^(C2 + C3·Tr + C4·Tr²) J/kmol with Tr = T/tc.
struct LatentHeatRow {
    std::array<double, 4> c;
    double critical;      // tc, K
    double t_min, t_max;  // K
};

struct Vapour {
    std::string_view chinese;  // the liquid's name in fluid_table; "水" for steam
    Correlation pressure;      // eq. 101, Pa; none for steam
    LatentHeatRow latent;      // eq. 106; none for steam
    Correlation viscosity;     // eq. 102, Pa·s; none for steam
    Range pressures;           // kPa absolute, both included
    Range film;                // K: the condensate film's t_m must lie here; none for steam
};

// Steam first, then the organic vapours in the fluid list's order.
std::span<const Vapour> vapour_table();

// Liquids of the list whose rows do not reach their own saturation temperature.
inline constexpr std::array<std::string_view, 2> uncondensable_liquids{"氯苯", "苯酚"};

}  // namespace properties
