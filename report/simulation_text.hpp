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

// The exchanger simulated, in one line: "L = 2 m，Np = 4，NT = 36，D = 273 mm，h = 100 mm，
// S = 5.6549 ㎡，Rsi = 0.000176，Rso = 0.000176 ㎡·℃/W，λw = 50 W/(m·℃)".
QString exchanger_line(const design::SimulationInput& input);
// Both streams as simulated: "管内 20 ℃，2 kg/s；管外 90 ℃，1.3282 kg/s".
QString streams_line(const design::SimulationInput& input);

// The design's outlets and duty, beside which the simulated ones are shown.
struct DesignPoint {
    double tube_outlet, shell_outlet, duty;
};

// The shown state for people: "管内出口 t2 = 34.777 ℃（设计 40 ℃）", the shell outlet and Q
// likewise, ε, NTU, C_r, K′, both films, velocities and Re, F, both drops and the trials.
QStringList operation_lines(const design::SimulationInput& input, const design::Simulation& sim,
                            const DesignPoint& design);

// The sweep's table: the input's column, then t2, T2, Q, K′, ΔPt, ΔPs; a refused point's row
// holds its value and why.
QStringList sweep_columns(const QString& input_column);
QStringList sweep_cells(const design::SweepPoint& point);

// "管内质量流量须大于 0"; "管内进口 380 ℃ 超出水的物性范围 0.01 … 350 ℃".
QString simulation_refusal_words(const design::SimulationFault& fault);

}  // namespace report
