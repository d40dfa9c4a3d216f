// The published tables the rating draws on, as data: the fouling resistances of TEMA, the tube
// materials' conductivities and the velocities the textbook recommends. Their names in words are
// the report's.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "calc/correlation_range.hpp"
#include "calc/numbers.hpp"

namespace design {

// The services of TEMA's table, water's first (a value per column), then one value each.
enum class FoulingService {
    SeaWater,
    BrackishWater,
    CoolingTowerTreated,
    CoolingTowerUntreated,
    CityWater,
    RiverWater,
    HardWater,
    DistilledWater,
    BoilerFeedwater,
    OrganicLiquids,
    TransformerOil,
    HeatTransferOil,
    LightFuelOil,
    HeavyFuelOil,
    VegetableOil,
    GlycolSolutions,
    Brines,
    Caustic,
    CompressedGases,
    SolventVapours,
    NaturalGas,
    Steam
};

// R, m²·℃/W, by column: water ≤ 52 ℃ (125 °F) at ≤ 0.9 m/s (3 ft/s) and above it, then
// > 52 ℃ at ≤ 0.9 m/s and above it; a service other than water has one value in every column.
// TEMA Standards, Table RGP-T-2.4, h·ft²·°F/Btu × 0.17611, to 3 digits.
struct FoulingRow {
    FoulingService service;
    std::array<calc::Double, 4> resistance;
};

inline constexpr std::array<FoulingRow, 22> fouling_table{{
    {FoulingService::SeaWater, {0.0000881, 0.0000881, 0.000176, 0.000176}},
    {FoulingService::BrackishWater, {0.000352, 0.000176, 0.000528, 0.000352}},
    {FoulingService::CoolingTowerTreated, {0.000176, 0.000176, 0.000352, 0.000352}},
    {FoulingService::CoolingTowerUntreated, {0.000528, 0.000528, 0.000881, 0.000704}},
    {FoulingService::CityWater, {0.000176, 0.000176, 0.000352, 0.000352}},
    {FoulingService::RiverWater, {0.000528, 0.000352, 0.000704, 0.000528}},
    {FoulingService::HardWater, {0.000528, 0.000528, 0.000881, 0.000881}},
    {FoulingService::DistilledWater, {0.0000881, 0.0000881, 0.0000881, 0.0000881}},
    {FoulingService::BoilerFeedwater, {0.000176, 0.0000881, 0.000176, 0.000176}},
    {FoulingService::OrganicLiquids, {0.000176, 0.000176, 0.000176, 0.000176}},
    {FoulingService::TransformerOil, {0.000176, 0.000176, 0.000176, 0.000176}},
    {FoulingService::HeatTransferOil, {0.000352, 0.000352, 0.000352, 0.000352}},
    {FoulingService::LightFuelOil, {0.000352, 0.000352, 0.000352, 0.000352}},
    {FoulingService::HeavyFuelOil, {0.000881, 0.000881, 0.000881, 0.000881}},
    {FoulingService::VegetableOil, {0.000528, 0.000528, 0.000528, 0.000528}},
    {FoulingService::GlycolSolutions, {0.000352, 0.000352, 0.000352, 0.000352}},
    {FoulingService::Brines, {0.000528, 0.000528, 0.000528, 0.000528}},
    {FoulingService::Caustic, {0.000352, 0.000352, 0.000352, 0.000352}},
    {FoulingService::CompressedGases, {0.000176, 0.000176, 0.000176, 0.000176}},
    {FoulingService::SolventVapours, {0.000176, 0.000176, 0.000176, 0.000176}},
    {FoulingService::NaturalGas, {0.000264, 0.000264, 0.000264, 0.000264}},
    {FoulingService::Steam, {0.0000881, 0.0000881, 0.0000881, 0.0000881}},
}};
inline constexpr std::size_t water_services = 9;  // the first rows, by temperature and velocity

inline constexpr calc::Double water_temperature_split = 52.0;  // ℃, 125 °F
inline constexpr calc::Double water_velocity_split = 0.9;      // m/s, 3 ft/s
// TEMA's 0.001 class (clean organic liquids, solvent vapours, refrigerant liquids, compressed
// air): what a side that is not water takes.
inline constexpr calc::Double ordinary_fouling = 0.000176;
inline constexpr FoulingService water_default = FoulingService::CoolingTowerTreated;
inline constexpr calc::Range fouling_range{0.0, 0.005};  // m²·℃/W a user may type

// A row of the table, or a value typed.
struct FoulingChoice {
    std::optional<FoulingService> service;
    calc::Double resistance = 0;  // where typed
    bool operator==(const FoulingChoice&) const = default;
};

enum class Material { CarbonSteel, StainlessSteel, Copper, Brass, Bronze, Aluminium };

// λ_w, W/(m·℃): EN ISO 10456 / DIN EN 12524 design values.
struct MaterialRow {
    Material material;
    calc::Double conductivity;
};
inline constexpr std::array<MaterialRow, 6> material_table{{
    {Material::CarbonSteel, 50},
    {Material::StainlessSteel, 17},
    {Material::Copper, 380},
    {Material::Brass, 120},
    {Material::Bronze, 65},
    {Material::Aluminium, 160},
}};
inline constexpr calc::Range wall_conductivity_range{1, 500};  // W/(m·℃) a user may type

// m/s, 列管式换热器常用流速 of the textbook: in the tubes and in the shell, liquids and gases.
struct VelocityRanges {
    calc::Range liquid, gas;
};
inline constexpr VelocityRanges tube_velocities{{0.5, 3.0}, {5.0, 30.0}};
inline constexpr VelocityRanges shell_velocities{{0.2, 1.5}, {3.0, 15.0}};

}  // namespace design
