// The case file's format: UTF-8 JSON, indented, one object with "format", "version", "tube",
// "shell", "sheet", "water", "layout" and, when current, "results". Files are case_file's.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

#include "casefile/case.hpp"
#include "casefile/case_fault.hpp"

namespace casefile {

inline constexpr std::string_view format_id = "heat-exchanger-sizing-case";
inline constexpr int format_version = 9;             // read up to it; written where needed
inline constexpr int first_format_version = 1;       // what a case of water alone is written as
inline constexpr int fluids_format_version = 2;      // a fill of another fluid
inline constexpr int layout_format_version = 3;      // a layout choice
inline constexpr int rating_format_version = 4;      // a choice of passes, tubes per pass or rating
inline constexpr int design_format_version = 5;      // a choice of the 自动设计 search
inline constexpr int solution_format_version = 6;    // a fill of a solution, by concentration
inline constexpr int condensing_format_version = 7;  // a shell side that condenses
inline constexpr int shells_format_version = 8;      // a choice of shells in series
inline constexpr int operation_format_version = 9;   // an operation off the design point
// The most characters a field holds: a line edit's own default maximum.
inline constexpr qsizetype max_text_length = 32767;

// A side's JSON key for each of its fields, in the order the file lists them.
struct FieldKey {
    const char* side;  // "tube" or "shell"
    const char* key;   // "inlet_temperature"
    const char* name;  // "Text1"
};
const std::array<FieldKey, 20>& field_keys();

// The layout choices' keys under "layout", in the order of LayoutTexts.
inline constexpr std::array<const char*, layout_choice_count> layout_keys = {
    "tube_length",         "arrangement",          "pitch",
    "shell_diameter",      "baffle_spacing",       "roughness",
    "allowable_tube_drop", "allowable_shell_drop", "passes",
    "tubes_per_pass",      "tube_fouling",         "shell_fouling",
    "tube_material",       "wall_conductivity",    "shells"};

// The search's choices' keys under "design", in the order of DesignTexts.
inline constexpr std::array<const char*, 6> design_keys = {
    "least_margin", "tube_velocity", "shell_velocity", "length_to_diameter", "lengths", "shells"};

// 操作型计算's keys under "operation", in the order of OperationTexts.
inline constexpr std::array<const char*, 8> operation_keys = {
    "tube_inlet", "tube_flow", "shell_inlet", "shell_flow", "sweep", "from", "to", "points"};

// The case as the file's bytes, ending with a newline.
QByteArray to_json(const Case& c, const std::optional<Results>& results = std::nullopt);

// The case in `bytes`; raises CaseFault (without its path) where they are not one. A missing
// key is an empty field, an unknown key is ignored, a number where a text belongs is its
// shortest text.
Case from_json(const QByteArray& bytes);

}  // namespace casefile
