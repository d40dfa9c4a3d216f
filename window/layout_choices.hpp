// The layout's and the rating's choices as the user types them: their unit, what a number
// alone is in, and their reading into design's choices. A text that does not read raises a
// ChoiceFault that names the choice; what a choice does is design/'s, its words report/'s.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <optional>

#include "calc/units.hpp"
#include "casefile/case.hpp"
#include "design/layout.hpp"

namespace window {

// How a choice's text reads: a number with a unit, a whole count, a name from a list, or a
// name of the fouling table or a number.
enum class ChoiceForm { Quantity, Count, Arrangement, Material, Fouling };

struct ChoiceRow {
    design::LayoutChoice choice;
    const char* unit;  // what a number alone is in, shown beside it: "mm"; none for a name
    calc::UnitQuantity quantity;  // of a Quantity
    ChoiceForm form;
};

// In the order of casefile::layout_keys.
inline constexpr std::array<ChoiceRow, casefile::layout_choice_count> choice_rows{{
    {design::LayoutChoice::TubeLength, "m", calc::UnitQuantity::Length, ChoiceForm::Quantity},
    {design::LayoutChoice::Arrangement, "", calc::UnitQuantity::Length, ChoiceForm::Arrangement},
    {design::LayoutChoice::Pitch, "mm", calc::UnitQuantity::Length, ChoiceForm::Quantity},
    {design::LayoutChoice::ShellDiameter, "mm", calc::UnitQuantity::Length, ChoiceForm::Quantity},
    {design::LayoutChoice::BaffleSpacing, "mm", calc::UnitQuantity::Length, ChoiceForm::Quantity},
    {design::LayoutChoice::Roughness, "mm", calc::UnitQuantity::Length, ChoiceForm::Quantity},
    {design::LayoutChoice::AllowableTubeDrop, "kPa", calc::UnitQuantity::Pressure,
     ChoiceForm::Quantity},
    {design::LayoutChoice::AllowableShellDrop, "kPa", calc::UnitQuantity::Pressure,
     ChoiceForm::Quantity},
    {design::LayoutChoice::Passes, "", calc::UnitQuantity::Length, ChoiceForm::Count},
    {design::LayoutChoice::PerPass, "根", calc::UnitQuantity::Length, ChoiceForm::Count},
    {design::LayoutChoice::TubeFouling, "㎡·℃/W", calc::UnitQuantity::Length, ChoiceForm::Fouling},
    {design::LayoutChoice::ShellFouling, "㎡·℃/W", calc::UnitQuantity::Length, ChoiceForm::Fouling},
    {design::LayoutChoice::Material, "", calc::UnitQuantity::Length, ChoiceForm::Material},
    {design::LayoutChoice::WallConductivity, "W/(m·℃)", calc::UnitQuantity::Conductivity,
     ChoiceForm::Quantity},
    {design::LayoutChoice::Shells, "台", calc::UnitQuantity::Length, ChoiceForm::Count},
}};

// Which choice's text did not read, and why in Chinese.
struct ChoiceFault {
    std::size_t index;
    QString words;
};

// The arrangement as its Chinese name or its English one ("triangle", "square",
// "rotated square"), in any case.
std::optional<design::Arrangement> read_arrangement(const QString& text);
// The material as its Chinese name or its English one ("carbon steel", "stainless steel",
// "copper", "brass", "bronze", "aluminium").
std::optional<design::Material> read_material(const QString& text);
// A row of the fouling table by its Chinese name, or a number in m²·℃/W (a unit after it
// allowed); none for anything else.
std::optional<design::FoulingChoice> read_fouling(const QString& text);

// The fouling table's names in its order, as the dialog offers them.
QStringList fouling_names();

// The choices in design's SI units (Pa for the drops); an empty text is the default.
design::LayoutChoices read_layout_choices(const casefile::LayoutTexts& texts);

// A value in the choice's own unit, as the window shows a default: 4.5, 32, 0.1, 100.
QString in_own_unit(const ChoiceRow& row, double si);

// The index of a choice in choice_rows and layout_keys.
constexpr std::size_t choice_index(design::LayoutChoice choice) {
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        if (choice_rows[i].choice == choice) return i;
    }
    return 0;
}

}  // namespace window
