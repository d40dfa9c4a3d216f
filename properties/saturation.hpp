// A pure vapour at its saturation pressure: t_s, the latent heat r, the vapour's ρ″ and μ″,
// and its condensate at a film temperature. Steam from IAPWS-IF97 (regions 1, 2, 4) and
// R12-08; an organic vapour from Perry's equations of vapour_table. Wording is the caller's.
#pragma once

#include <optional>
#include <string_view>

#include "properties/fluid.hpp"
#include "properties/vapour_table.hpp"

namespace properties {

struct SaturationState {
    double pressure;          // p_s, kPa absolute
    double kelvin, celsius;   // T_s, t_s = T_s − 273.15
    double latent_heat;       // r, J/kg, at T_s
    double vapour_density;    // ρ″, kg/m³
    double vapour_viscosity;  // μ″, Pa·s
};

// The vapour of the liquid of that Chinese name ("水" for steam); none for a name that has
// none, 氯苯 and 苯酚 among them.
const Vapour* find_vapour(std::string_view chinese);
bool is_steam(const Vapour& vapour);
// The liquid of the fluid table the vapour condenses to.
const Fluid& condensate_fluid(const Vapour& vapour);

// The saturation state at `kpa`; OutOfRange (Pressure) outside the vapour's pressures or for
// a NaN.
SaturationState saturation_state(const Vapour& vapour, double kpa);

// Where the condensate film may lie, ℃ to 0.01: water's IAPWS range for steam.
Range film_range(const Vapour& vapour);

// The condensate at `celsius` ℃ (λ, ρ, cp, μ); OutOfRange (Temperature) outside film_range.
Properties condensate(const Vapour& vapour, double celsius);

}  // namespace properties
