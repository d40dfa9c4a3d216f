// 操作型计算's inputs as the user types them: each side's inlet and flow (empty: the design's),
// and the sweep's input, ends and points (empty: the tube flow from 50 % to 150 % of the
// design's in 11 points). A text that does not read raises a ChoiceFault that names it.
#pragma once

#include <array>

#include "casefile/case.hpp"
#include "design/simulation.hpp"
#include "window/layout_choices.hpp"

namespace window {

// 操作型计算's inputs where they differ from the design's: each side's inlet (℃) and flow (kg/s).
struct Operation {
    std::optional<double> tube_inlet, tube_flow, shell_inlet, shell_flow;
};

// "管内进口温度" …, in the order of casefile::operation_keys.
inline constexpr std::array<const char*, 8> operation_names{
    "管内进口温度", "管内质量流量", "管外进口温度", "管外质量流量",
    "扫描的输入",   "扫描起点",     "扫描终点",     "扫描点数"};
// The sweep's inputs as the case keeps them, in the order of design::SweptInput.
inline constexpr std::array<const char*, 4> swept_keys{"tube_inlet", "tube_flow", "shell_inlet",
                                                       "shell_flow"};
inline constexpr int most_sweep_points = 101;

struct SweepChoice {
    design::SweptInput input = design::SweptInput::TubeFlow;
    double from = 0, to = 0;  // ℃ or kg/s
    int points = design::default_sweep_points;
};

struct OperationChoice {
    Operation operation;
    SweepChoice sweep;
};

// `design` holds the design's tube inlet, tube flow, shell inlet and shell flow, from which the
// sweep's default ends are taken.
OperationChoice read_operation(const casefile::OperationTexts& texts,
                               const std::array<double, 4>& design);

}  // namespace window
