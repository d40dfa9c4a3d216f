// Every control of the window as data: kind, name, container, caption, geometry in twips,
// font, colour, visibility and focus order. form_builder turns it into widgets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/units.hpp"

namespace window {

enum class ControlKind { GroupBox, Label, TextField, Button };
enum class Typeface { Standard, SongTi, KaiTi };  // standard is 宋体 9 pt
enum class TextColour { Standard, Red, Blue };

struct FontChoice {
    Typeface face = Typeface::Standard;
    double points = 9.0;
};

struct ControlRow {
    ControlKind kind;
    std::string_view name;
    std::string_view parent;  // "Form1" or a group box
    std::string caption;
    int left, top, width, height;  // twips, from the top-left of the container
    FontChoice font;
    TextColour colour;
    bool visible;
    int tab_index;
    std::string_view buddy = {};   // for a label: the field it names
    bool result = false;           // for a label: an action writes it; selectable for copying
    std::string description = {};  // what a button does, as its tooltip and for a reader
};

struct FormLayout {
    std::string_view name;
    std::string_view title;
    int client_width, client_height;  // twips
};

// A field, the label that shows its unit beside it, and the quantity it holds.
struct FieldUnit {
    std::string_view field, unit;
    calc::UnitQuantity quantity;
};

inline constexpr int twips_per_pixel = 15;

const FormLayout& form_layout();
const std::vector<ControlRow>& layout_table();

// Every field with its unit, each group read down its left column, then its right one.
const std::vector<FieldUnit>& field_units();
// The row of `field`; a field the table does not hold is a fault in the program.
const FieldUnit& field_unit(std::string_view field);

// What a 水物性 button fills, at which temperature, from which releases.
std::string water_description(const std::string& group);

// The caption of Label25: the five notes joined by their runs of blanks.
std::string notes_caption();
// The five notes, each whole.
std::vector<std::string> notes();

}  // namespace window
