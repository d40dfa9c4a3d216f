// The layout's choices in the window: the 结构参数 dialog, their check against the last result,
// and the layout and rating a result gets with them.
#include "properties/fluid_table.hpp"
#include "report/layout_text.hpp"
#include "window/main_window.hpp"
#include "window/search_choices.hpp"

namespace window {
namespace {

design::FillKind fill_kind(const report::FillSource& fill) {
    if (!fill) return design::FillKind::Typed;
    switch (fill->fluid->kind) {
        case properties::FluidKind::Water:
            return design::FillKind::Water;
        case properties::FluidKind::Gas:
            return design::FillKind::Gas;
        case properties::FluidKind::Solution:
            return fill->fluid->solution->solute == properties::Solute::Salt
                       ? design::FillKind::Brine
                       : design::FillKind::OrganicSolution;
        case properties::FluidKind::Liquid:
            break;
    }
    return design::FillKind::Liquid;
}

}  // namespace

report::LayoutEntry MainWindow::layout_entry(
    const calc::SizingInput& input, const calc::SizingWorking& working,
    const calc::DesignChecks& checks,
    const std::optional<design::CondensingEstimate>& condensing) const {
    const design::FillKind tube = fill_kind(fill_source(tube_fill_, tube_fill_fields()));
    const design::LayoutStart start =
        condensing ? design::condensing_layout_input(*condensing, tube)
                   : design::layout_input(input, working, checks, tube,
                                          fill_kind(fill_source(shell_fill_, shell_fill_fields())));
    report::LayoutEntry entry{start.gap, {}, start.input, {}};
    try {
        const design::LayoutChoices choices = read_layout_choices(layout_texts_);
        if (start.gap == design::LayoutGap::None) {
            entry.layout = design::layout(start.input, choices);
            if (report::laid_out(entry) && condensing) {
                entry.condensing = design::rate_condensing(start.input, entry.layout, choices);
                entry.rating = entry.condensing->rating;
            } else if (report::laid_out(entry)) {
                entry.rating = design::rate(start.input, entry.layout, choices);
            }
        }
    } catch (const ChoiceFault& fault) {
        entry.unreadable = fault.words;
    }
    return entry;
}

std::optional<ChoiceFault> MainWindow::check_layout(const casefile::LayoutTexts& texts) const {
    design::LayoutChoices choices;
    try {
        choices = read_layout_choices(texts);
    } catch (const ChoiceFault& fault) {
        return fault;
    }
    // What needs no result is refused without one; the rest against the last result.
    std::optional<design::RefusedChoice> refused = design::refused_choice(choices);
    if (!refused && computed_ && computed_->layout &&
        computed_->layout->gap == design::LayoutGap::None) {
        refused = design::layout(computed_->layout->input, choices).refused;
    }
    if (!refused) return std::nullopt;
    return ChoiceFault{choice_index(refused->choice), report::refusal_words(*refused)};
}

void MainWindow::take_layout(const casefile::LayoutTexts& texts) {
    if (texts == layout_texts_) return;
    layout_texts_ = texts;
    set_changed(true);
    if (fields_as_computed()) run_action([this] { compute_result(); });
}

const design::LayoutInput* MainWindow::laid_out_input() const {
    if (!computed_ || !computed_->layout || computed_->layout->gap != design::LayoutGap::None) {
        return nullptr;
    }
    return &computed_->layout->input;
}

std::optional<design::Search> MainWindow::search_designs(
    const std::function<bool(double)>& going) const {
    const design::LayoutInput* in = laid_out_input();
    if (!in) return std::nullopt;
    return design::search(*in, read_layout_choices(layout_texts_),
                          read_search_choices(design_texts_), going);
}

void MainWindow::edit_layout() {
    if (!layout_dialog_) {
        layout_dialog_ = new LayoutDialog(
            this, [this](const casefile::LayoutTexts& texts) { return check_layout(texts); },
            [this](const casefile::LayoutTexts& texts) { take_layout(texts); });
    }
    design::LayoutChoices defaults{.roughness = design::default_roughness};
    if (computed_ && computed_->layout) defaults = computed_->layout->layout.defaults;
    if (!defaults.roughness) defaults.roughness = design::default_roughness;
    defaults.material = design::Material::CarbonSteel;
    // The wall's default is the conductivity of the material chosen, if one reads.
    std::optional<design::Material> material;
    try {
        material = read_layout_choices(layout_texts_).material;
    } catch (const ChoiceFault&) {
    }
    defaults.wall_conductivity =
        design::material_conductivity(material.value_or(design::Material::CarbonSteel));
    if (computed_ && computed_->layout && computed_->layout->rating) {
        const report::LayoutEntry& e = *computed_->layout;
        const auto own = [](design::FillKind fill, double celsius, double velocity) {
            const design::AppliedFouling f =
                design::applied_fouling(std::nullopt, fill, celsius, velocity);
            return design::FoulingChoice{f.service, f.resistance};
        };
        defaults.tube_fouling =
            own(e.input.tube_fill, e.input.tube_mean_temperature, e.rating->tube.velocity);
        defaults.shell_fouling =
            own(e.input.shell_fill, e.input.shell_mean_temperature, e.rating->shell.velocity);
    }
    layout_dialog_->open_with(layout_texts_, defaults);
}

}  // namespace window
