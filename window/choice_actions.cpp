// Which fluid each side fills with: the chooser's list opened from Command10 and Command11,
// the choice shown on the side's buttons, and taken back by 撤销 as one change.
#include <QApplication>

#include "window/main_window.hpp"
#include "window/qt_text.hpp"

namespace window {

const FluidChoice& MainWindow::fluid_choice(calc::Side side) const {
    return (side == calc::Side::Tube ? tube_choice_ : shell_choice_).current;
}

void MainWindow::choose_fluid(calc::Side side, const FluidChoice& choice) {
    ChoiceHistory& history = side == calc::Side::Tube ? tube_choice_ : shell_choice_;
    if (history.current == choice) return;
    history.undo.push_back(history.current);
    history.redo.clear();
    history.current = choice;
    show_choice(side);
}

void MainWindow::show_choice(calc::Side side) {
    const bool tube = side == calc::Side::Tube;
    const properties::Fluid& fluid = *fluid_choice(side).fluid;
    QPushButton* fill = tube ? Command8 : Command9;
    QPushButton* chooser = tube ? Command10 : Command11;
    const QString group = (tube ? Frame1 : Frame2)->title();
    fill->setText(fill_caption(fluid));
    fill->setToolTip(fill_description(group, fluid_choice(side)));
    fill->setAccessibleDescription(fill->toolTip());
    chooser->setText(chooser_caption(fluid));
}

void MainWindow::open_chooser(calc::Side side) {
    if (!chooser_) {
        chooser_ = new FluidChooser(this, [this](const FluidChoice& choice) {
            run_action([this, choice] { choose_fluid(chooser_side_, choice); });
        });
    }
    chooser_side_ = side;
    const QGroupBox* group = side == calc::Side::Tube ? Frame1 : Frame2;
    chooser_->open_for(group->title(), fluid_choice(side));
}

std::optional<calc::Side> MainWindow::side_of_focus() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == Command8 || focus == Command10) return calc::Side::Tube;
    if (focus == Command9 || focus == Command11) return calc::Side::Shell;
    return std::nullopt;
}

bool MainWindow::step_choice(bool back) {
    const std::optional<calc::Side> side = side_of_focus();
    if (!side) return false;
    ChoiceHistory& history = *side == calc::Side::Tube ? tube_choice_ : shell_choice_;
    std::vector<FluidChoice>& from = back ? history.undo : history.redo;
    std::vector<FluidChoice>& to = back ? history.redo : history.undo;
    if (from.empty()) return true;
    to.push_back(history.current);
    history.current = from.back();
    from.pop_back();
    show_choice(*side);
    return true;
}

}  // namespace window
