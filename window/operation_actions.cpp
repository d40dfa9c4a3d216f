// 操作型计算 in the window: the dialog opened on the last result's exchanger, and its texts
// taken into the case.
#include <QMessageBox>
#include <cmath>

#include "window/main_window.hpp"

namespace window {

std::optional<OperationStart> MainWindow::operation_start() const {
    const std::optional<design::SimulationInput> in = simulation_input({});
    if (!in) return std::nullopt;
    const calc::SizingInput& s = computed_->input;
    return OperationStart{*in, {s.t2, s.T2, std::abs(calc::Double{computed_->steps.result.Q})}};
}

std::optional<report::OperationEntry> MainWindow::operation_entry() const {
    const std::optional<OperationStart> start = operation_start();
    if (!operation_texts_ || !start) return std::nullopt;
    const design::SimulationInput& design = start->input;
    const std::array<double, 4> values{design.tube.inlet, design.tube.flow, design.shell.inlet,
                                       design.shell.flow};
    OperationChoice choice;
    try {
        choice = read_operation(*operation_texts_, values);
    } catch (const ChoiceFault&) {
        return std::nullopt;
    }
    report::OperationEntry e{design, start->design, {}, {}, {}, {}, 0};
    const Operation& op = choice.operation;
    e.input.tube.inlet = op.tube_inlet.value_or(design.tube.inlet);
    e.input.tube.flow = op.tube_flow.value_or(design.tube.flow);
    e.input.shell.inlet = op.shell_inlet.value_or(design.shell.inlet);
    e.input.shell.flow = op.shell_flow.value_or(design.shell.flow);
    try {
        e.simulation = design::simulate(e.input);
    } catch (const design::SimulationFault& fault) {
        e.refusal = fault;
    }
    const SweepChoice& s = choice.sweep;
    e.sweep = design::sweep(e.input, s.input, s.from, s.to, s.points);
    e.swept_name = swept_axis_name(s.input);
    e.design_input = values[static_cast<std::size_t>(s.input)];
    return e;
}

void MainWindow::edit_operation() {
    const std::optional<OperationStart> start = operation_start();
    if (!start) {
        QMessageBox::information(this, "操作型计算",
                                 "操作型计算需要已排管并核算的换热器：请先按“计算结果”，"
                                 "并看计算过程中的“结构与压降”。");
        return;
    }
    if (!operation_dialog_) {
        operation_dialog_ = new OperationDialog(
            this, [this](const casefile::OperationTexts& texts) { take_operation(texts); });
    }
    operation_dialog_->open_with(operation_texts_.value_or(casefile::OperationTexts{}), *start);
}

void MainWindow::take_operation(const casefile::OperationTexts& texts) {
    if (operation_texts_ == texts) return;
    operation_texts_ = texts;
    set_changed(true);
}

}  // namespace window
