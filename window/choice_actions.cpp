// Which fluid each side fills with: the chooser's list opened from Command10 and Command11,
// the choice shown on the side's buttons, and taken back by 撤销 as one change.
#include <QApplication>

#include "report/condensing_text.hpp"
#include "report/summary.hpp"
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
    chooser->setText(chooser_caption(fluid_choice(side)));
    if (!tube) show_condensing();
}

namespace {

constexpr char unused_words[] =
    "壳程为饱和蒸气冷凝：冷凝传热按冷凝液膜的物性计算，不用此栏（在“流体”中选回液体即恢复）";
constexpr char unused_fill_words[] =
    "壳程为饱和蒸气冷凝，不填物性：冷凝液膜的物性按膜温自动查取（在“流体”中选回液体即恢复）";

}  // namespace

std::vector<QLineEdit*> MainWindow::condensing_unused() const {
    return {Text13, Text14, Text16, Text15, Text12};
}

// While the shell condenses, its inlet and outlet read t_s and its flow D, all from the
// vapour; what was typed there waits in condensing_typed_ and comes back when it no longer
// condenses. The fields the method does not use are out of use, and say why.
void MainWindow::show_condensing() {
    const FluidChoice& choice = shell_choice_.current;
    const std::array<QLineEdit*, 3> own{Text20, Text19, Text18};
    if (choice.vapour && !condensing_typed_) {
        condensing_typed_ = {Text20->text(), Text19->text(), Text18->text()};
        for (QLineEdit* field : own) field->clear();
    } else if (!choice.vapour && condensing_typed_) {
        for (std::size_t i = 0; i < own.size(); ++i) own[i]->setText((*condensing_typed_)[i]);
        condensing_typed_.reset();
    }
    const bool condensing = choice.vapour != nullptr;
    for (QLineEdit* field : own) field->setReadOnly(condensing);
    for (QLineEdit* field : condensing_unused()) {
        field->setEnabled(!condensing);
        field->setToolTip(condensing ? QString(unused_words) : field_tooltips_.value(field));
        field->setAccessibleDescription(condensing ? QString(unused_words) : QString());
    }
    Command9->setEnabled(!condensing);
    if (condensing) {
        // A reader hears why the fill is out of use, not what it would fill.
        Command9->setToolTip(unused_fill_words);
        Command9->setAccessibleDescription(unused_fill_words);
    }
    // The fields are narrow: the figure alone shows in them, its name in the tooltip.
    QString ts, flow, ts_words, flow_words;
    if (condensing) {
        // A file's pressure outside the range has no t_s; 计算结果 says why.
        const bool known = properties::contains(choice.vapour->pressures, choice.pressure);
        ts = known ? report::summary(
                         properties::saturation_state(*choice.vapour, choice.pressure).celsius)
                   : QString("ts");
        ts_words = "壳程为" + report::vapour_name(*choice.vapour) +
                   "饱和冷凝：温度恒为饱和温度 ts" + (known ? " = " + ts + " ℃" : QString()) +
                   "，由饱和压力 " + choice.pressure_text + "（绝压）求得";
        const bool computed = computed_ && computed_->condensing;
        flow = computed ? report::summary(computed_->condensing->vapour_flow) : QString("D");
        flow_words =
            "冷凝量 D = Q/r" + (computed ? " = " + flow + " kg/s" : QString("，由计算结果求得"));
    }
    for (QLineEdit* field : {Text20, Text19}) {
        field->setPlaceholderText(ts);
        field->setToolTip(condensing ? ts_words : field_tooltips_.value(field));
        field->setAccessibleDescription(ts_words);
    }
    Text18->setPlaceholderText(flow);
    Text18->setToolTip(condensing ? flow_words : field_tooltips_.value(Text18));
    Text18->setAccessibleDescription(flow_words);
}

void MainWindow::open_chooser(calc::Side side) {
    if (!chooser_) {
        chooser_ = new FluidChooser(this, [this](const FluidChoice& choice) {
            run_action([this, choice] { choose_fluid(chooser_side_, choice); });
        });
    }
    chooser_side_ = side;
    const QGroupBox* group = side == calc::Side::Tube ? Frame1 : Frame2;
    chooser_->open_for(group->title(), fluid_choice(side), side == calc::Side::Shell);
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
