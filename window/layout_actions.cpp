// The layout's choices in the window: the 结构参数 dialog, their check against the last result,
// and the layout a result gets with them.
#include "properties/fluid_table.hpp"
#include "report/layout_text.hpp"
#include "window/main_window.hpp"

namespace window {
namespace {

bool gas(const report::FillSource& fill) {
    return fill && fill->fluid->kind == properties::FluidKind::Gas;
}

std::size_t index_of(calc::LayoutChoice choice) {
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        if (choice_rows[i].choice == choice) return i;
    }
    return 0;
}

}  // namespace

report::LayoutEntry MainWindow::layout_entry(const calc::SizingInput& input,
                                             const calc::SizingWorking& working,
                                             const calc::DesignChecks& checks) const {
    const calc::LayoutStart start =
        calc::layout_input(input, working, checks, gas(fill_source(tube_fill_, tube_fill_fields())),
                           gas(fill_source(shell_fill_, shell_fill_fields())));
    report::LayoutEntry entry{start.gap, {}, start.input, {}};
    try {
        const calc::LayoutChoices choices = read_layout_choices(layout_texts_);
        if (start.gap == calc::LayoutGap::None) entry.layout = calc::layout(start.input, choices);
    } catch (const ChoiceFault& fault) {
        entry.unreadable = fault.words;
    }
    return entry;
}

std::optional<ChoiceFault> MainWindow::check_layout(const casefile::LayoutTexts& texts) const {
    calc::LayoutChoices choices;
    try {
        choices = read_layout_choices(texts);
    } catch (const ChoiceFault& fault) {
        return fault;
    }
    // What needs no result is refused without one; the rest against the last result.
    std::optional<calc::RefusedChoice> refused = calc::refused_choice(choices);
    if (!refused && computed_ && computed_->layout &&
        computed_->layout->gap == calc::LayoutGap::None) {
        refused = calc::layout(computed_->layout->input, choices).refused;
    }
    if (!refused) return std::nullopt;
    return ChoiceFault{index_of(refused->choice), report::refusal_words(*refused)};
}

void MainWindow::take_layout(const casefile::LayoutTexts& texts) {
    if (texts == layout_texts_) return;
    layout_texts_ = texts;
    set_changed(true);
    if (fields_as_computed()) run_action([this] { compute_result(); });
}

void MainWindow::edit_layout() {
    if (!layout_dialog_) {
        layout_dialog_ = new LayoutDialog(
            this, [this](const casefile::LayoutTexts& texts) { return check_layout(texts); },
            [this](const casefile::LayoutTexts& texts) { take_layout(texts); });
    }
    calc::LayoutChoices defaults{.roughness = calc::default_roughness};
    if (computed_ && computed_->layout) defaults = computed_->layout->layout.defaults;
    if (!defaults.roughness) defaults.roughness = calc::default_roughness;
    layout_dialog_->open_with(layout_texts_, defaults);
}

}  // namespace window
