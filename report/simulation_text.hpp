// 操作型计算 in words: the lines scripts read ("t2 = 34.777 ℃", "ε = 0.31665" …), the 注意 of
// a simulated state, and why a simulation is refused. The figures are design/simulation's.
#pragma once

#include <QString>
#include <QStringList>

#include "design/simulation.hpp"

namespace report {

// "t2 = 34.777 ℃", "T2 = 67.835 ℃", "Q = 123357 W", "ε = 0.31665", "NTU = 0.43089",
// "Cr = 0.66667", "Cmin = 管内", "K′ = 969.30 W/(㎡·℃)", "αi = …", "αo = …", "ΔPt = … kPa",
// "ΔPs = … kPa", "F = …" for two passes or more, "evaluations = 2", of the state shown.
QStringList simulation_lines(const design::SimulationInput& input, const design::Simulation& sim);

// Each "注意：" of the state shown, the several states and a boundary first.
QStringList simulation_notes(const design::SimulationInput& input, const design::Simulation& sim);

// "管内质量流量须大于 0"; "管内进口 380 ℃ 超出水的物性范围 0.01 … 350 ℃".
QString simulation_refusal_words(const design::SimulationFault& fault);

}  // namespace report
