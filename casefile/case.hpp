// One case as the case file keeps it: the twenty field texts as typed, the 计算书's header,
// the record of each side's 物性 fill, the layout's choices as typed. Reading and writing it is
// case_json's and case_file's; what the window does with it is the window's.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace casefile {

// The 计算书's header cells: 工程名称, 设备位号, 计算, 校核.
struct SheetInfo {
    QString project, item, calculated_by, checked_by;
    bool operator==(const SheetInfo&) const = default;
};

// What a fill wrote into a side's λ, ρ, cp and μ fields, the ℃ it looked the fluid up at,
// which fluid (its English name; empty for water) and, for a gas, the kPa absolute, for a
// solution its solute's mass fraction.
struct FillRecord {
    double celsius = 0;
    std::array<QString, 4> texts;  // λ, ρ, cp, μ
    QString fluid;
    std::optional<double> pressure;
    std::optional<double> concentration{};
    bool operator==(const FillRecord&) const = default;
};

// The layout's and the rating's choices as typed, by their keys in layout_keys; empty is the
// default. The first eight are the layout's own, the next six came with the rating, and the last
// with shells in series.
inline constexpr std::size_t layout_choice_count = 15;
inline constexpr std::size_t rating_choices_from = 8;
using LayoutTexts = std::array<QString, layout_choice_count>;

// The 自动设计 search's choices as typed, by their keys in design_keys; empty is the default.
using DesignTexts = std::array<QString, 6>;

// 操作型计算 as typed, by their keys in operation_keys: each side's inlet and flow (empty: the
// design's), then the sweep's input, from, to and points.
using OperationTexts = std::array<QString, 8>;

// A shell side that condenses: the liquid's name in the fluid list ("水" for steam) and the
// absolute saturation pressure as typed ("200 kPa").
struct CondensingRecord {
    QString fluid, pressure;
    bool operator==(const CondensingRecord&) const = default;
};

struct Case {
    QMap<QString, QString> fields;  // "Text1" … "Text20", each as typed; every one present
    SheetInfo sheet;
    std::optional<FillRecord> tube_fill, shell_fill;
    std::optional<CondensingRecord> condensing{};  // kept under "shell"
    LayoutTexts layout{};
    DesignTexts design{};
    std::optional<OperationTexts> operation{};  // once 操作型计算 was asked
    bool operator==(const Case&) const = default;
};

// K, A and Q as the window shows them, and the layout's and the rating's figures as the
// working gives them ("tubes", "7"), written for people and scripts; never read back.
struct Results {
    QString K, A, Q;
    QList<std::pair<QString, QString>> layout{};
    QList<std::pair<QString, QString>> rating{};
};

}  // namespace casefile
