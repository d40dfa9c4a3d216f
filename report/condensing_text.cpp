#include "report/condensing_text.hpp"

#include "report/layout_text.hpp"
#include "report/qt_words.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

constexpr char coefficient_unit[] = " W/(㎡·℃)";

QString celsius(double value) {
    return figure(value) + " ℃";
}

}  // namespace

QString vapour_name(const properties::Vapour& vapour) {
    return qt_words(vapour.chinese) + "蒸气";
}

QString vapour_entry_name(const properties::Vapour& vapour) {
    return properties::is_steam(vapour) ? QString("水蒸气（饱和，冷凝）")
                                        : vapour_name(vapour) + "（冷凝）";
}

QString vapour_english(const properties::Vapour& vapour) {
    return properties::is_steam(vapour)
               ? QString("steam")
               : qt_words(properties::condensate_fluid(vapour).english) + " vapour";
}

QString condensing_words(const properties::Vapour& vapour, double kpa) {
    return vapour_name(vapour) + " " + plain(kpa) + " kPa（绝压）饱和冷凝";
}

QString state_words(const properties::SaturationState& s) {
    return "ts = " + summary(s.celsius) + " ℃，r = " + summary(s.latent_heat / 1000.0) +
           " kJ/kg，ρ″ = " + summary(s.vapour_density) +
           " kg/m³，μ″ = " + QString::number(s.vapour_viscosity, 'e', 4) + " Pa·s";
}

QString state_source(const properties::Vapour& vapour) {
    if (properties::is_steam(vapour)) {
        return "IAPWS-IF97 区 1、2、4，μ″ 按 IAPWS R12-08；冷凝液按饱和水";
    }
    return "Perry 手册第 8 版表 2-8（ps）、2-150（r）、2-312（μ″），ρ″ 按理想气体；冷凝液按" +
           qt_words(vapour.chinese) + "的液体物性";
}

QString pressure_span(const properties::Vapour& vapour) {
    return plain(vapour.pressures.low) + "–" + plain(vapour.pressures.high) + " kPa";
}

QString saturation_pressure_words(const properties::Vapour& vapour) {
    return vapour_name(vapour) + "的饱和压力须在 " + plain(vapour.pressures.low) + " kPa 至 " +
           plain(vapour.pressures.high) + " kPa（绝压）之间";
}

QString saturation_span_words(const properties::Vapour& vapour) {
    const auto ts = [&](double kpa) {
        return summary(properties::saturation_state(vapour, kpa).celsius);
    };
    return ts(vapour.pressures.low) + "–" + ts(vapour.pressures.high);
}

QString trial_words(const design::WallTrial& trial, const QString& alpha) {
    QStringList steps;
    const std::size_t shown = std::min<std::size_t>(3, trial.steps.size());
    for (std::size_t k = 0; k < shown; ++k) {
        const design::WallStep& s = trial.steps[k];
        steps << "设 tw = " + celsius(s.wall) + "，" + alpha + " = " + figure(s.alpha) +
                     coefficient_unit + "，校核 tw = " + celsius(s.next);
    }
    return steps.join("；") + "；…（共 " + QString::number(trial.steps.size()) +
           " 步，至相邻两次之差 ≤ 1e-9 K）；收敛 tw = " + celsius(trial.wall) + "，" + alpha +
           " = " + figure(trial.alpha) + coefficient_unit;
}

QStringList condensing_estimate_lines(const design::CondensingEstimate& e) {
    const calc::SizingWorking& w = e.working;
    const double Q = w.result.Q;
    QStringList lines;
    lines << "管外：" + condensing_words(*e.vapour, e.state.pressure) + "，" +
                 state_words(e.state) + "（" + state_source(*e.vapour) + "）";
    lines << "D = " + summary(e.vapour_flow) + " kg/s（" + summary(e.vapour_flow * 3600.0) +
                 " kg/h）：D = Q/r = " + summary(Q) + "/" + summary(e.state.latent_heat) +
                 "，饱和蒸气进、饱和冷凝液出";
    lines << "ΔT1 = ts − t2 = " + summary(w.dT1) + " ℃，ΔT2 = ts − t1 = " + summary(w.dT2) +
                 " ℃，Δtm = " + summary(w.dtm) + " ℃";
    lines << "αs = " + summary(w.shell.alpha) +
                 " W/(㎡·℃)：单管（n = 1）水平管外膜状冷凝 αs = "
                 "0.725·[ρ²gλ³r/(n^(2/3)·μ·do·Δt)]^(1/4)，"
                 "冷凝液物性取膜温 tm = (ts + tw)/2，r 按 ts；壁温试差（1/αt 为其余热阻，tc = ts − "
                 "Δtm = " +
                 celsius(e.tube_effective) + "）：" + trial_words(e.trial, "αs");
    lines << "一侧为恒温冷凝，温差校正系数 φΔt = 1";
    return lines;
}

QString condensing_scope_note() {
    return "注意：按纯组分饱和蒸气卧式管外膜状冷凝计算，未计过热、冷凝液过冷及不凝性气体；"
           "不适用于管内冷凝、立式冷凝器和混合蒸气。";
}

}  // namespace report
