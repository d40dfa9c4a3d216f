#include "window/layout_choices.hpp"

#include "calc/conversion.hpp"
#include "calc/fault.hpp"
#include "report/layout_text.hpp"
#include "report/rating_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

// How many of the field's SI unit one of its own is: mm in m, kPa in Pa.
double own_unit_in_si(const ChoiceRow& row) {
    if (row.form != ChoiceForm::Quantity) return 1.0;
    if (row.quantity == calc::UnitQuantity::Pressure) return 1000.0;  // design takes Pa
    return std::string_view(row.unit) == "mm" ? 1e-3 : 1.0;
}

QString where(const ChoiceRow& row, const QString& text) {
    return "「" + report::choice_name(row.choice) + "」中的“" + text + "”";
}

QString fault_words(const ChoiceRow& row, const QString& text, const calc::Fault& fault) {
    switch (fault.kind()) {
        case calc::FaultKind::WrongUnit:
            return where(row, text) + "，其单位不是此栏的单位。此栏可用的单位：" +
                   unit_list(row.quantity) + "；只写数字时按 " + row.unit + " 计";
        case calc::FaultKind::Overflow:
            return where(row, text) + "超出了可计算的范围";
        default:
            return where(row, text) + "不是有效的数字";
    }
}

// What a fouling resistance may be typed with after it.
constexpr std::array<const char*, 4> fouling_units{"㎡·℃/W", "m²·℃/W", "m²·K/W", "m2*K/W"};

double quantity(const ChoiceRow& row, const QString& text) {
    // A number alone is in the choice's own unit, read as if that unit followed it.
    std::string typed = text.toStdString();
    if (!calc::carries_unit(typed)) typed += std::string(" ") + row.unit;
    const double si = calc::to_number(typed, row.quantity);  // m for a length, kPa for a drop
    return row.quantity == calc::UnitQuantity::Pressure ? si * 1000.0 : si;
}

}  // namespace

std::optional<design::Arrangement> read_arrangement(const QString& text) {
    const QString t = text.trimmed().toLower().replace('_', ' ');
    using design::Arrangement;
    for (const Arrangement a :
         {Arrangement::Triangle, Arrangement::Square, Arrangement::RotatedSquare}) {
        if (t == report::arrangement_name(a)) return a;
    }
    if (t == "triangle") return Arrangement::Triangle;
    if (t == "square") return Arrangement::Square;
    if (t == "rotated square") return Arrangement::RotatedSquare;
    return std::nullopt;
}

std::optional<design::Material> read_material(const QString& text) {
    const QString t = text.trimmed().toLower().replace('_', ' ');
    constexpr std::array<const char*, 6> english{"carbon steel", "stainless steel", "copper",
                                                 "brass",        "bronze",          "aluminium"};
    for (const design::MaterialRow& row : design::material_table) {
        const auto i = static_cast<std::size_t>(row.material);
        if (t == report::material_name(row.material) || t == english[i]) return row.material;
    }
    if (t == "aluminum") return design::Material::Aluminium;
    return std::nullopt;
}

std::optional<design::FoulingChoice> read_fouling(const QString& text) {
    QString t = text.trimmed();
    for (const design::FoulingRow& row : design::fouling_table) {
        if (t == report::fouling_name(row.service)) return design::FoulingChoice{row.service};
    }
    for (const char* unit : fouling_units) {
        if (t.endsWith(QString::fromUtf8(unit))) t = t.chopped(QString::fromUtf8(unit).size());
    }
    try {
        return design::FoulingChoice{{}, calc::to_number(t.trimmed().toStdString())};
    } catch (const calc::Fault&) {
        return std::nullopt;
    }
}

QStringList fouling_names() {
    QStringList names;
    for (const design::FoulingRow& row : design::fouling_table) {
        names << report::fouling_name(row.service);
    }
    return names;
}

design::LayoutChoices read_layout_choices(const casefile::LayoutTexts& texts) {
    using design::LayoutChoice;
    design::LayoutChoices c;
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        const ChoiceRow& row = choice_rows[i];
        const QString text = texts[i].trimmed();
        if (text.isEmpty()) continue;
        switch (row.form) {
            case ChoiceForm::Arrangement:
                c.arrangement = read_arrangement(text);
                if (!c.arrangement) {
                    throw ChoiceFault{i, where(row, text) + "不是正三角形、正方形或转角正方形"};
                }
                continue;
            case ChoiceForm::Material:
                c.material = read_material(text);
                if (!c.material) {
                    throw ChoiceFault{
                        i, where(row, text) + "不是碳钢、不锈钢、紫铜、黄铜、青铜或铝合金"};
                }
                continue;
            case ChoiceForm::Fouling: {
                const std::optional<design::FoulingChoice> f = read_fouling(text);
                if (!f) {
                    throw ChoiceFault{i, where(row, text) +
                                             "既不是污垢热阻表中的一项，也不是以 ㎡·℃/W "
                                             "计的数字"};
                }
                (row.choice == LayoutChoice::TubeFouling ? c.tube_fouling : c.shell_fouling) = f;
                continue;
            }
            case ChoiceForm::Count:
            case ChoiceForm::Quantity:
                break;
        }
        double value = 0;
        try {
            value = row.form == ChoiceForm::Count ? calc::to_number(text.toStdString())
                                                  : quantity(row, text);
        } catch (const calc::Fault& fault) {
            throw ChoiceFault{i, fault_words(row, text, fault)};
        }
        switch (row.choice) {
            case LayoutChoice::TubeLength:
                c.tube_length = value;
                break;
            case LayoutChoice::Pitch:
                c.pitch = value;
                break;
            case LayoutChoice::ShellDiameter:
                c.shell_diameter = value;
                break;
            case LayoutChoice::BaffleSpacing:
                c.baffle_spacing = value;
                break;
            case LayoutChoice::Roughness:
                c.roughness = value;
                break;
            case LayoutChoice::AllowableTubeDrop:
                c.allowable_tube_drop = value;
                break;
            case LayoutChoice::AllowableShellDrop:
                c.allowable_shell_drop = value;
                break;
            case LayoutChoice::Passes:
                c.passes = value;
                break;
            case LayoutChoice::PerPass:
                c.per_pass = value;
                break;
            case LayoutChoice::WallConductivity:
                c.wall_conductivity = value;
                break;
            case LayoutChoice::Shells:
                c.shells = value;
                break;
            case LayoutChoice::Arrangement:
            case LayoutChoice::Material:
            case LayoutChoice::TubeFouling:
            case LayoutChoice::ShellFouling:
                break;
        }
    }
    return c;
}

QString in_own_unit(const ChoiceRow& row, double si) {
    return QString::number(si / own_unit_in_si(row), 'g', 6);
}

}  // namespace window
