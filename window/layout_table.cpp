#include "window/layout_table.hpp"

#include <array>
#include <stdexcept>

namespace window {

std::string water_description(const std::string& group) {
    return group +
           "：用饱和水的物性填入均导热率、平均密度、平均比热和动力粘度。"
           "温度取“平均温度为”一栏，该栏为空时取进口、出口温度的平均值并填入该栏；"
           "按 IAPWS-IF97、IAPWS R12-08 和 R15-11 计算，适用于 0.01～350 ℃。";
}

namespace {

constexpr FontChoice standard{};
constexpr FontChoice song_12{Typeface::SongTi, 12.0};
constexpr FontChoice song_14_25{Typeface::SongTi, 14.25};
constexpr FontChoice song_15{Typeface::SongTi, 15.0};
constexpr FontChoice kai_10_5{Typeface::KaiTi, 10.5};
constexpr FontChoice kai_12{Typeface::KaiTi, 12.0};

constexpr auto Group = ControlKind::GroupBox;
constexpr auto Label = ControlKind::Label;
constexpr auto Field = ControlKind::TextField;
constexpr auto Button = ControlKind::Button;
constexpr auto plain = TextColour::Standard;
constexpr auto red = TextColour::Red;
constexpr auto blue = TextColour::Blue;

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

std::string chooser_description(const std::string& group) {
    return group +
           "：选择用哪种流体的物性填入，水或另外 27 种液体、16 种气体（Perry 手册、Poling）、"
           "7 种水溶液（Melinder），可按中文名、英文名、分子式或 CAS 号搜索；气体另需绝对压力，"
           "水溶液另需质量分数。";
}

std::vector<ControlRow> make_table() {
    // clang-format off
    return {
        // kind, name, parent, caption, left, top, width, height, font, colour, visible, tab
        {Group, "Frame1", "Form1", "管内流体参数", 360, 240, 6375, 4815, standard, plain, true, 0},
        {Group, "Frame2", "Form1", "管外流体参数", 6960, 240, 6375, 4815, standard, plain, true, 6},
        {Button, "Command1", "Form1", "计算结果", 1200, 7440, 1335, 495, standard, plain, true, 8},
        // 退出 keeps its place in the focus order: its one further stored setting (0) changes
        // nothing here, so that keyboard and screen-reader users can reach it like any button.
        {Button, "Command2", "Form1", "退出", 4320, 7440, 1335, 495, standard, plain, true, 15},
        {Button, "Command7", "Form1", "清空", 2760, 7440, 1335, 495, standard, plain, true, 50},
        {Group, "Frame3", "Form1", "注意事项：", 7200, 5520, 5895, 1815, kai_12, red, true, 51},
        {Group, "Frame4", "Form1", "计算结果", 600, 5280, 6135, 2055, song_14_25, plain, true, 53},

        // The tube side, inside the tubes.
        {Label, "Label1", "Frame1", "进口温度:", 360, 480, 855, 255, standard, plain, true, 1, "Text1"},
        {Label, "Label2", "Frame1", "出口温度:", 360, 1182, 855, 255, standard, plain, true, 2, "Text2"},
        {Label, "Label3", "Frame1", "质量流量:", 360, 1884, 855, 255, standard, plain, true, 3, "Text3"},
        {Label, "Label4", "Frame1", "均导热率:", 3360, 540, 855, 255, standard, plain, true, 4, "Text4"},
        {Label, "Label5", "Frame1", "平均密度:", 3360, 1245, 855, 255, standard, plain, true, 5, "Text5"},
        {Label, "Label8", "Frame1", "平均温度为:", 240, 3240, 1095, 255, standard, blue, true, 7, "Text8"},
        {Field, "Text1", "Frame1", "", 1320, 480, 975, 270, standard, plain, true, 9},
        {Field, "Text2", "Frame1", "", 1320, 1182, 975, 270, standard, plain, true, 10},
        {Field, "Text3", "Frame1", "", 1320, 1884, 975, 270, standard, plain, true, 11},
        {Field, "Text8", "Frame1", "", 1320, 3240, 975, 270, standard, plain, true, 12},
        {Label, "Label6", "Frame1", "平均比热:", 3360, 1950, 855, 255, standard, plain, true, 13, "Text6"},
        {Label, "Label7", "Frame1", "动力粘度:", 3360, 2640, 855, 255, standard, plain, true, 14, "Text7"},
        {Button, "Command3", "Frame1", "计算平均温度", 480, 2520, 1815, 375, standard, plain, true, 16},
        {Button, "Command4", "Frame1", " 计算    传热系数", 360, 3960, 975, 735, standard, plain, false, 17},
        {Label, "Label9", "Frame1", "", 1680, 4200, 3975, 375, song_15, plain, false, 18, {}, true},
        {Field, "Text6", "Frame1", "", 4320, 1950, 975, 270, standard, plain, true, 19},
        {Field, "Text7", "Frame1", "", 4320, 2640, 975, 270, standard, plain, true, 20},
        {Field, "Text5", "Frame1", "", 4320, 1245, 975, 270, standard, plain, true, 21},
        {Field, "Text4", "Frame1", "", 4320, 540, 975, 270, standard, plain, true, 22},
        {Field, "Text9", "Frame1", "", 4320, 3240, 975, 270, standard, plain, true, 23},
        {Field, "Text10", "Frame1", "", 4320, 3840, 975, 270, standard, plain, true, 24},
        {Label, "Label10", "Frame1", "流    速:", 3360, 3248, 855, 255, standard, plain, true, 25, "Text9"},
        {Label, "Label11", "Frame1", "管道直径:", 3360, 3848, 855, 255, standard, plain, true, 26, "Text10"},
        {Label, "Label28", "Frame1", "℃", 2400, 488, 615, 255, standard, plain, true, 58},
        {Label, "Label29", "Frame1", "℃", 2400, 1200, 615, 255, standard, plain, true, 59},
        {Label, "Label30", "Frame1", "Kg/s", 2400, 1920, 735, 255, standard, plain, true, 60},
        {Label, "Label31", "Frame1", "℃", 2400, 3248, 615, 255, standard, plain, true, 61},
        {Label, "Label32", "Frame1", "W/m*℃", 5400, 548, 735, 255, standard, plain, true, 62},
        {Label, "Label33", "Frame1", "Kg/m3", 5400, 1260, 735, 255, standard, plain, true, 63},
        {Label, "Label34", "Frame1", "J/Kg*℃", 5400, 1965, 855, 255, standard, plain, true, 64},
        {Label, "Label35", "Frame1", "N*s/㎡", 5400, 2648, 735, 255, standard, plain, true, 65},
        {Label, "Label36", "Frame1", "m/s", 5400, 3248, 735, 255, standard, plain, true, 66},
        {Label, "Label37", "Frame1", "m", 5400, 3848, 735, 255, standard, plain, true, 67},

        // The shell side, around the tubes.
        {Field, "Text11", "Frame2", "", 4320, 3840, 975, 270, standard, plain, true, 27},
        {Field, "Text12", "Frame2", "", 4320, 3240, 975, 270, standard, plain, true, 28},
        {Field, "Text13", "Frame2", "", 4320, 540, 975, 270, standard, plain, true, 29},
        {Field, "Text14", "Frame2", "", 4320, 1245, 975, 270, standard, plain, true, 30},
        {Field, "Text15", "Frame2", "", 4320, 2640, 975, 270, standard, plain, true, 31},
        {Field, "Text16", "Frame2", "", 4320, 1950, 975, 270, standard, plain, true, 32},
        {Button, "Command5", "Frame2", " 计算    传热系数", 360, 3840, 975, 735, standard, plain, false, 33},
        {Button, "Command6", "Frame2", "计算平均温度", 480, 2520, 1815, 375, standard, plain, true, 34},
        {Field, "Text17", "Frame2", "", 1320, 3240, 975, 270, standard, plain, true, 35},
        {Field, "Text18", "Frame2", "", 1320, 1890, 975, 270, standard, plain, true, 36},
        {Field, "Text19", "Frame2", "", 1320, 1185, 975, 270, standard, plain, true, 37},
        {Field, "Text20", "Frame2", "", 1320, 480, 975, 270, standard, plain, true, 38},
        {Label, "Label12", "Frame2", "管道直径:", 3360, 3855, 855, 255, standard, plain, true, 39, "Text11"},
        {Label, "Label13", "Frame2", "流    速:", 3360, 3255, 855, 255, standard, plain, true, 40, "Text12"},
        {Label, "Label14", "Frame2", "", 1680, 4200, 3975, 255, song_15, plain, false, 41, {}, true},
        {Label, "Label15", "Frame2", "动力粘度:", 3360, 2640, 855, 255, standard, plain, true, 42, "Text15"},
        {Label, "Label16", "Frame2", "平均比热:", 3360, 1950, 855, 255, standard, plain, true, 43, "Text16"},
        {Label, "Label17", "Frame2", "平均温度为:", 240, 3240, 1095, 255, standard, blue, true, 44, "Text17"},
        {Label, "Label18", "Frame2", "平均密度:", 3360, 1245, 855, 255, standard, plain, true, 45, "Text14"},
        {Label, "Label19", "Frame2", "均导热率:", 3360, 540, 855, 255, standard, plain, true, 46, "Text13"},
        {Label, "Label20", "Frame2", "质量流量:", 360, 1890, 855, 255, standard, plain, true, 47, "Text18"},
        {Label, "Label21", "Frame2", "出口温度:", 360, 1185, 855, 255, standard, plain, true, 48, "Text19"},
        {Label, "Label22", "Frame2", "进口温度:", 360, 480, 855, 255, standard, plain, true, 49, "Text20"},
        {Label, "Label38", "Frame2", "℃", 2400, 480, 615, 255, standard, plain, true, 68},
        {Label, "Label39", "Frame2", "℃", 2400, 1185, 615, 255, standard, plain, true, 69},
        {Label, "Label40", "Frame2", "Kg/s", 2400, 1905, 735, 255, standard, plain, true, 70},
        {Label, "Label41", "Frame2", "℃", 2400, 3240, 615, 255, standard, plain, true, 71},
        {Label, "Label42", "Frame2", "W/m*℃", 5400, 540, 735, 255, standard, plain, true, 72},
        {Label, "Label43", "Frame2", "Kg/m3", 5400, 1245, 735, 255, standard, plain, true, 73},
        {Label, "Label44", "Frame2", "J/Kg*℃", 5400, 1950, 855, 255, standard, plain, true, 74},
        {Label, "Label45", "Frame2", "N*s/㎡", 5400, 2640, 735, 255, standard, plain, true, 75},
        {Label, "Label46", "Frame2", "m/s", 5400, 3240, 735, 255, standard, plain, true, 76},
        {Label, "Label47", "Frame2", "m", 5400, 3840, 735, 255, standard, plain, true, 77},

        // The results panel, filled by 计算结果.
        {Label, "Label23", "Frame4", "", 480, 480, 1695, 255, song_12, plain, true, 54, {}, true},
        {Label, "Label24", "Frame4", "", 2160, 480, 2415, 255, song_12, plain, true, 55, {}, true},
        {Label, "Label26", "Frame4", "", 120, 1440, 1935, 255, song_12, plain, true, 56, {}, true},
        {Label, "Label27", "Frame4", "", 2040, 1440, 2295, 255, song_12, plain, true, 57, {}, true},
        {Label, "Label48", "Frame4", "", 4320, 1440, 855, 255, song_12, plain, true, 78, {}, true},
        {Label, "Label49", "Frame4", "", 840, 960, 1215, 255, song_12, plain, true, 79, {}, true},
        {Label, "Label50", "Frame4", "", 2280, 960, 1815, 255, song_12, plain, true, 80, {}, true},
        {Label, "Label51", "Frame4", "", 4320, 960, 1095, 255, song_12, plain, true, 81, {}, true},

        // The notes to the user.
        {Label, "Label25", "Frame3", notes_caption(), 240, 360, 5295, 1335, kai_10_5, red, true, 52},

        // Added controls, in free space right of each 计算平均温度, last in the focus order.
        {Button, "Command8", "Frame1", "水物性", 2400, 2520, 840, 375, standard, plain, true, 82, {}, false, water_description("管内流体参数")},
        {Button, "Command9", "Frame2", "水物性", 2400, 2520, 840, 375, standard, plain, true, 83, {}, false, water_description("管外流体参数")},
        // Which fluid 水物性 fills with, chosen from a list, below the mean temperature.
        {Button, "Command10", "Frame1", "流体：水 …", 1440, 3660, 1860, 375, standard, plain, true, 84, {}, false, chooser_description("管内流体参数")},
        {Button, "Command11", "Frame2", "流体：水 …", 1440, 3660, 1860, 375, standard, plain, true, 85, {}, false, chooser_description("管外流体参数")},
    };
    // clang-format on
}

// The notes' caption: its pieces and, after each but the last, the run of blanks that follows
// it. The fourth note is two pieces, its first line padded where the window wraps it.
constexpr std::array<std::string_view, 6> note_pieces{
    "1.本计算仅适用于管壳式换热器换热面积计算；",
    "2.请注意统一计算单位！建议使用国际单位进行计算；",
    "3.本程序中“管道直径”为换热管内直径；",
    "4.在计算总传热系数时取污垢热阻系数为：0.85,热量储",
    "藏系数为0.89；",
    "5.欢迎指出本程序中的不足之处。",
};
constexpr std::array<int, 5> note_gaps{7, 1, 12, 4, 33};

}  // namespace

std::string notes_caption() {
    std::string caption;
    for (std::size_t i = 0; i < note_pieces.size(); ++i) {
        caption += note_pieces[i];
        if (i < note_gaps.size()) caption += blanks(note_gaps[i]);
    }
    return caption;
}

std::vector<std::string> notes() {
    std::vector<std::string> five;
    for (std::size_t i = 0; i < note_pieces.size(); ++i) {
        if (i == 4) {
            five.back() += note_pieces[i];
        } else {
            five.emplace_back(note_pieces[i]);
        }
    }
    return five;
}

const FormLayout& form_layout() {
    static const FormLayout form{"Form1", "管壳式换热器换热面积计算", 14160, 8055};
    return form;
}

const std::vector<FieldUnit>& field_units() {
    using Q = calc::UnitQuantity;
    static const std::vector<FieldUnit> units{
        {"Text1", "Label28", Q::Temperature},   {"Text2", "Label29", Q::Temperature},
        {"Text3", "Label30", Q::MassFlow},      {"Text8", "Label31", Q::Temperature},
        {"Text4", "Label32", Q::Conductivity},  {"Text5", "Label33", Q::Density},
        {"Text6", "Label34", Q::SpecificHeat},  {"Text7", "Label35", Q::Viscosity},
        {"Text9", "Label36", Q::Velocity},      {"Text10", "Label37", Q::Length},
        {"Text20", "Label38", Q::Temperature},  {"Text19", "Label39", Q::Temperature},
        {"Text18", "Label40", Q::MassFlow},     {"Text17", "Label41", Q::Temperature},
        {"Text13", "Label42", Q::Conductivity}, {"Text14", "Label43", Q::Density},
        {"Text16", "Label44", Q::SpecificHeat}, {"Text15", "Label45", Q::Viscosity},
        {"Text12", "Label46", Q::Velocity},     {"Text11", "Label47", Q::Length},
    };
    return units;
}

const FieldUnit& field_unit(std::string_view field) {
    for (const FieldUnit& row : field_units()) {
        if (row.field == field) return row;
    }
    throw std::logic_error("no unit for field " + std::string(field));
}

const std::vector<ControlRow>& layout_table() {
    static const std::vector<ControlRow> table = make_table();
    return table;
}

}  // namespace window
