// A shell side that condenses, in Chinese: the vapour's names, its saturation state with its
// source, D = Q/r, the wall trial in the textbook's form and the 注意 of the method's scope.
// The figures are design/condensing's; the rating block is rating_text's.
#pragma once

#include <QString>
#include <QStringList>

#include "design/condensing.hpp"

namespace report {

// "水蒸气", "苯蒸气"; in the fluid list "水蒸气（饱和，冷凝）", "苯蒸气（冷凝）"; in English
// "steam", "benzene vapour".
QString vapour_name(const properties::Vapour& vapour);
QString vapour_entry_name(const properties::Vapour& vapour);
QString vapour_english(const properties::Vapour& vapour);

// "水蒸气 200 kPa（绝压）饱和冷凝"
QString condensing_words(const properties::Vapour& vapour, double kpa);

// "ts = 120.21 ℃，r = 2201.6 kJ/kg，ρ″ = 1.129 kg/m³，μ″ = 1.2934e-05 Pa·s"
QString state_words(const properties::SaturationState& state);
// Where the state comes from: "IAPWS-IF97 区 1、2、4，μ″ 按 IAPWS R12-08" or Perry's tables.
QString state_source(const properties::Vapour& vapour);
// "1–10000 kPa" of a vapour's pressures; "水蒸气的饱和压力须在 1 kPa 至 10000 kPa（绝压）之间".
QString pressure_span(const properties::Vapour& vapour);
QString saturation_pressure_words(const properties::Vapour& vapour);
// t_s at either end of the pressures, ℃: "6.9696–311" for steam.
QString saturation_span_words(const properties::Vapour& vapour);

// "设 tw = 87.358 ℃，αo = 6878.1 W/(㎡·℃)，校核 tw = 107.40 ℃；…（共 17 步）；收敛 tw =
// 110.48 ℃，αo = 9574.5 W/(㎡·℃)": the first three steps and the converged values.
QString trial_words(const design::WallTrial& trial, const QString& alpha);

// The estimate's lines: the state, D, the ends, the single-tube trial and φΔt = 1.
QStringList condensing_estimate_lines(const design::CondensingEstimate& estimate);

// "注意：按纯组分饱和蒸气卧式管外膜状冷凝计算，…" in every condensing case.
QString condensing_scope_note();

}  // namespace report
