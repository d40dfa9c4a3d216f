// Where a side's filled properties came from, in words: the fluid, its state, the tables
// behind each property and the temperature, and the 注意 that go with them. The values are
// properties/'s; which fill is current is the window's.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "calc/fault.hpp"
#include "properties/fluid.hpp"
#include "report/check_text.hpp"

namespace report {

// A side's λ, ρ, cp and μ as a fill wrote them: of `fluid` at `celsius` ℃ and, for a gas,
// `pressure` kPa absolute, for a solution its solute's mass `fraction`.
struct Fill {
    const properties::Fluid* fluid;
    double celsius;
    double pressure = properties::standard_pressure;
    double fraction = 0;
};
// Empty while the fields hold what the user typed.
using FillSource = std::optional<Fill>;

// "饱和水 30 ℃（IAPWS-IF97）"; "苯（液体），λ、ρ、cp、μ 按 Perry 手册表 2-315、2-32、2-153、
// 2-313 在 60 ℃"; for a gas its pressure and ρ by the ideal gas; "乙二醇水溶液（质量分数
// 30 %），λ、ρ、cp、μ 按 Melinder (2010) 在 −2.5 ℃；冰点 −14.58 ℃".
QString source_words(const Fill& fill);

// What the list of fluids says of each: "饱和液体（IAPWS）", "液体", "气体（低压）" or
// "水溶液（质量分数 0–60 %）", and its range in ℃, "5.53–139.95" or "冰点–100".
QString kind_words(const properties::Fluid& fluid);
QString range_words(const properties::Fluid& fluid);

// A number's text in prose, its minus sign "−", where a field takes the hyphen: "−2.5".
QString signed_words(const QString& number);

// A mass fraction as a percentage, "30 %"; a solution's span of them, "0–60 %"; a freezing
// point to 0.01 ℃, "−14.58 ℃".
QString fraction_words(double fraction);
QString fraction_span_words(const properties::Fluid& fluid);
QString freezing_words(double celsius);

// A solution at its concentration: "30 % 乙二醇水溶液".
QString solution_words(const properties::Fluid& fluid, double fraction);

// "30 % 乙二醇水溶液的冰点为 −14.58 ℃", the temperature below it refused.
QString freezing_refusal_words(const properties::Fluid& fluid, double fraction);

// "乙二醇水溶液的质量分数须在 0～60 % 之间".
QString fraction_range_words(const properties::Fluid& fluid);

// A "注意：" line where a liquid is above its normal boiling point or a gas above low pressure.
// `where` comes before the fluid's name: a side's, or nothing.
QStringList fill_cautions(const Fill& fill, const QString& where);
QStringList fill_cautions(const FillSource& tube, const FillSource& shell);

// The same as rows of the 计算书's checks table, one for each caution.
QList<CheckRow> fill_check_rows(const FillSource& tube, const FillSource& shell);

// "苯的液体物性只适用于 5.53–139.95 ℃"; "查水物性的温度须在 0.01～350 ℃ 之间（饱和水）".
QString fluid_range_words(const properties::Fluid& fluid);

// "气体的绝对压力须在 0.001～10000 kPa 之间".
QString pressure_range_words();

}  // namespace report
