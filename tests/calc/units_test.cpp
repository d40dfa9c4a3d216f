// Numbers typed with their unit: each against its plain SI twin, bit for bit, where the unit
// differs by a power of ten or is kelvin; against the one operation the unit stands for
// otherwise; and the texts that are refused.
#include "calc/units.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"

namespace {

using calc::FaultKind;
using Q = calc::UnitQuantity;

bool same_bits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::optional<FaultKind> fault_of(const char* text, Q quantity) {
    try {
        calc::to_number(text, quantity);
    } catch (const calc::Fault& fault) {
        return fault.kind();
    }
    return std::nullopt;
}

TEST(Units, ReadAsTheirSiTwin) {
    struct Row {
        Q quantity;
        const char *typed, *si;  // the SI twin as a plain number
    };
    const Row rows[] = {
        {Q::Length, "20 mm", "0.02"},
        {Q::Length, "20mm", "0.02"},
        {Q::Length, "２０ ｍｍ", "0.02"},
        {Q::Length, "2.5 cm", "0.025"},
        {Q::Length, "0.025 m", "0.025"},
        {Q::Pressure, "0.3 MPa", "300"},
        {Q::Pressure, "3 bar", "300"},
        {Q::Pressure, "101325 Pa", "101.325"},
        {Q::Pressure, "1 atm", "101.325"},
        {Q::Pressure, "1 kgf/cm²", "98.0665"},
        {Q::Viscosity, "0.801 mPa·s", "0.000801"},
        {Q::Viscosity, "0.801 cP", "0.000801"},
        {Q::Viscosity, "801 μPa·s", "0.000801"},
        {Q::Viscosity, "801 uPa s", "0.000801"},
        {Q::Viscosity, "0.000801 N*s/㎡", "0.000801"},
        {Q::Viscosity, "0.000801 N·s/m²", "0.000801"},
        {Q::Viscosity, "0.000801 Pa.s", "0.000801"},
        {Q::SpecificHeat, "4.174 kJ/(kg·℃)", "4174"},
        {Q::SpecificHeat, "4.174 kJ/kg·K", "4174"},
        {Q::SpecificHeat, "4.174kJ/(kg*K)", "4174"},
        {Q::SpecificHeat, "4174 J/Kg*℃", "4174"},
        {Q::SpecificHeat, "4174 J/（kg·°C）", "4174"},
        {Q::Conductivity, "618 mW/(m·K)", "0.618"},
        {Q::Conductivity, "0.618 W/m*℃", "0.618"},
        {Q::Conductivity, "0.618 W/(m⋅K)", "0.618"},
        {Q::Density, "0.9957 g/cm³", "995.7"},
        {Q::Density, "0.9957 g/mL", "995.7"},
        {Q::Density, "0.9957 kg/L", "995.7"},
        {Q::Density, "0.9957 t/m3", "995.7"},
        {Q::Density, "995.7 Kg/m3", "995.7"},
        {Q::Velocity, "100 cm/s", "1"},
        {Q::Temperature, "303.15 K", "30"},
        {Q::Temperature, "293.25 K", "20.1"},
        {Q::Temperature, "3.0315e2 K", "30"},
        {Q::Temperature, "273.15 K", "0"},
        {Q::Temperature, "0 K", "-273.15"},
        {Q::Temperature, "-5 K", "-278.15"},
        {Q::Temperature, "1e-500 K", "-273.15"},
        {Q::Temperature, "30 ℃", "30"},
        {Q::Temperature, "30°C", "30"},
        {Q::Temperature, "30 degC", "30"},
    };
    for (const Row& row : rows) {
        const double typed = calc::to_number(row.typed, row.quantity);
        EXPECT_TRUE(same_bits(typed, calc::to_number(row.si))) << row.typed << " is " << typed;
        EXPECT_EQ(calc::to_single_number(row.typed, row.quantity), calc::to_single_number(row.si))
            << row.typed;
    }
    // Scaled on the digits, not the Double: 1e310 is beyond its range, 1e307 is not.
    EXPECT_TRUE(same_bits(calc::to_number("1e310 mm", Q::Length), 1e307));
}

// The other units are one Double operation on the number as read.
TEST(Units, ReadByTheirOneOperation) {
    struct Row {
        Q quantity;
        const char* typed;
        double si;
    };
    for (const Row& row : {Row{Q::MassFlow, "7.2 t/h", 7.2 / 3.6},
                           {Q::MassFlow, "7200 kg/h", 2.0},
                           Row{Q::MassFlow, "120 kg/min", 2.0},
                           {Q::Velocity, "60 m/min", 1.0},
                           Row{Q::Conductivity, "0.531 kcal/(m·h·℃)", 0.531 * 1.163},
                           Row{Q::SpecificHeat, "1 kcal/(kg·℃)", 4186.8}}) {
        EXPECT_TRUE(same_bits(calc::to_number(row.typed, row.quantity), row.si)) << row.typed;
    }
    EXPECT_EQ(calc::to_single_number("7.2 t/h", Q::MassFlow), 2.0f);
}

TEST(Units, RefusedTexts) {
    struct Row {
        Q quantity;
        const char* typed;
        FaultKind kind;
    };
    for (const Row& row : {Row{Q::Length, "20 kg", FaultKind::WrongUnit},
                           {Q::Length, "20 m m", FaultKind::WrongUnit},
                           {Q::Length, "20 mm mm", FaultKind::WrongUnit},
                           {Q::Length, "20 MM", FaultKind::WrongUnit},
                           {Q::Viscosity, "0.801 MPa·s", FaultKind::WrongUnit},
                           {Q::Temperature, "381924 kg", FaultKind::WrongUnit},
                           {Q::Temperature, "86 °F", FaultKind::WrongUnit},
                           {Q::Length, "mm", FaultKind::NotANumber},
                           {Q::Length, "1,5 mm", FaultKind::NotANumber},
                           {Q::Length, "1 2", FaultKind::NotANumber},
                           {Q::Length, " ", FaultKind::Empty},
                           {Q::Length, "1e400 mm", FaultKind::Overflow},
                           {Q::Temperature, "1e400 K", FaultKind::Overflow}}) {
        EXPECT_EQ(fault_of(row.typed, row.quantity), row.kind) << row.typed;
    }
}

// A number alone reads as it always did, for every quantity.
TEST(Units, ANumberAloneIsUnchanged) {
    for (const char* text : {"20", "-3.5", ".5", "5.", "1e3", "２０．１", "0。000801", "1e-400"}) {
        for (const Q quantity : {Q::Temperature, Q::Length, Q::Viscosity}) {
            EXPECT_TRUE(same_bits(calc::to_number(text, quantity), calc::to_number(text))) << text;
        }
    }
}

}  // namespace
