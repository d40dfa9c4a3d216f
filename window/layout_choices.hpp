// The layout's eight choices as the user types them: their unit, what a number alone is in,
// and their reading into calc's choices. A text that does not read raises a ChoiceFault that
// names the choice; what a choice does is calc/layout's, its words report/layout_text's.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <optional>

#include "calc/layout.hpp"
#include "calc/units.hpp"
#include "casefile/case.hpp"

namespace window {

struct ChoiceRow {
    calc::LayoutChoice choice;
    const char* unit;  // what a number alone is in, shown beside it: "mm"; none for the arrangement
    calc::UnitQuantity quantity;
};

// In the order of casefile::layout_keys.
inline constexpr std::array<ChoiceRow, 8> choice_rows{{
    {calc::LayoutChoice::TubeLength, "m", calc::UnitQuantity::Length},
    {calc::LayoutChoice::Arrangement, "", calc::UnitQuantity::Length},
    {calc::LayoutChoice::Pitch, "mm", calc::UnitQuantity::Length},
    {calc::LayoutChoice::ShellDiameter, "mm", calc::UnitQuantity::Length},
    {calc::LayoutChoice::BaffleSpacing, "mm", calc::UnitQuantity::Length},
    {calc::LayoutChoice::Roughness, "mm", calc::UnitQuantity::Length},
    {calc::LayoutChoice::AllowableTubeDrop, "kPa", calc::UnitQuantity::Pressure},
    {calc::LayoutChoice::AllowableShellDrop, "kPa", calc::UnitQuantity::Pressure},
}};

// Which choice's text did not read, and why in Chinese.
struct ChoiceFault {
    std::size_t index;
    QString words;
};

// The arrangement as its Chinese name or its English one ("triangle", "square",
// "rotated square"), in any case.
std::optional<calc::Arrangement> read_arrangement(const QString& text);

// The choices in calc's SI units (Pa for the drops); an empty text is the default.
calc::LayoutChoices read_layout_choices(const casefile::LayoutTexts& texts);

// A value in the choice's own unit, as the window shows a default: 4.5, 32, 0.1, 100.
QString in_own_unit(const ChoiceRow& row, double si);

}  // namespace window
