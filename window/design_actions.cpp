// The 自动设计 search in the window: the dialog, its choices taken into the case, the search with
// progress where it takes long, and 采用 as one change of the 结构参数 that Ctrl+Z takes back.
#include <QCoreApplication>
#include <QProgressDialog>

#include "casefile/case_json.hpp"
#include "report/layout_text.hpp"
#include "window/main_window.hpp"
#include "window/search_choices.hpp"

namespace window {
namespace {

// Where the allowable drops lie in LayoutTexts.
constexpr std::size_t tube_drop_text = choice_index(design::LayoutChoice::AllowableTubeDrop);
constexpr std::size_t shell_drop_text = choice_index(design::LayoutChoice::AllowableShellDrop);
// The dialog's fields: the search's choices, then the two drops.
constexpr std::size_t tube_drop_field = casefile::design_keys.size();
constexpr std::size_t shell_drop_field = tube_drop_field + 1;

// A search that takes longer than this shows its progress and can be stopped.
constexpr int quiet_ms = 100;

}  // namespace

void MainWindow::edit_design() {
    if (!design_dialog_) {
        DesignDialog::Hooks hooks;
        hooks.search = [this](const DesignEdits& edits) -> std::optional<design::Search> {
            casefile::LayoutTexts layout = layout_texts_;
            layout[tube_drop_text] = edits.drops[0];
            layout[shell_drop_text] = edits.drops[1];
            // Both are read before either is taken: a refusal changes nothing.
            (void)read_search_choices(edits.design);
            if (const std::optional<ChoiceFault> fault = check_layout(layout)) {
                const std::size_t field = fault->index == tube_drop_text    ? tube_drop_field
                                          : fault->index == shell_drop_text ? shell_drop_field
                                                                            : 0;
                throw ChoiceFault{field, fault->words};
            }
            if (edits.design != design_texts_) {
                design_texts_ = edits.design;
                set_changed(true);
            }
            take_layout(layout);
            QProgressDialog progress("正在搜索标准换热器…", "停止", 0, 1000, design_dialog_);
            progress.setWindowTitle("自动设计");
            progress.setMinimumDuration(quiet_ms);
            progress.setWindowModality(Qt::WindowModal);
            const auto going = [&progress](double done) {
                progress.setValue(static_cast<int>(done * 1000));  // keeps the window painted
                return !progress.wasCanceled();
            };
            std::optional<design::Search> found = search_designs(going);
            progress.reset();
            last_search_ = found;
            return found;
        };
        hooks.adopt = [this](const design::Candidate& c) { adopt_candidate(c); };
        hooks.undo_adopt = [this] { undo_adoption(); };
        design_dialog_ = new DesignDialog(this, hooks);
    }
    DesignDefaults defaults{"15", "", "", "4–10", "1.5, 2, 3, 4.5, 6, 9", "1–4", "", ""};
    if (const design::LayoutInput* in = laid_out_input()) {
        const bool tube_gas = design::tube_gas(*in), shell_gas = design::shell_gas(*in);
        defaults[1] =
            report::span(tube_gas ? design::tube_velocities.gas : design::tube_velocities.liquid);
        defaults[2] = report::span(shell_gas ? design::shell_velocities.gas
                                             : design::shell_velocities.liquid);
        const double liquid = design::liquid_allowable_drop / 1000.0;
        const double gas = design::gas_allowable_drop / 1000.0;
        defaults[tube_drop_field] = report::plain(tube_gas ? gas : liquid);
        defaults[shell_drop_field] = report::plain(shell_gas ? gas : liquid);
        // A vapour keeps no Kern velocity, and may lose a tenth of its pressure.
        if (design::condensing(*in)) {
            defaults[2] = "不限（冷凝）";
            defaults[shell_drop_field] =
                report::plain(design::condensing_allowable_drop(*in) / 1000.0) + "（ps 的 10 %）";
        }
    }
    design_dialog_->open_with(
        {design_texts_, {layout_texts_[tube_drop_text], layout_texts_[shell_drop_text]}}, defaults);
}

void MainWindow::adopt_candidate(const design::Candidate& c) {
    casefile::LayoutTexts texts = layout_texts_;
    const auto set = [&](design::LayoutChoice choice, double si) {
        const std::size_t i = choice_index(choice);
        texts[i] = in_own_unit(choice_rows[i], si);
    };
    // One shell where the method takes one anyway stays the default, so that a case of one
    // shell keeps the format an earlier version reads.
    const design::LayoutInput* in = laid_out_input();
    if (c.shells != 1.0 || (in && design::default_shells(*in) != 1.0)) {
        set(design::LayoutChoice::Shells, c.shells);
    } else {
        texts[choice_index(design::LayoutChoice::Shells)].clear();
    }
    set(design::LayoutChoice::TubeLength, c.length);
    set(design::LayoutChoice::Passes, c.passes);
    set(design::LayoutChoice::PerPass, c.per_pass);
    set(design::LayoutChoice::ShellDiameter, c.shell_diameter);
    set(design::LayoutChoice::BaffleSpacing, c.baffle_spacing);
    if (texts == layout_texts_) return;
    adopted_from_.push_back(layout_texts_);
    run_action([this, texts] { take_layout(texts); });
}

void MainWindow::undo_adoption() {
    if (adopted_from_.empty()) return;
    const casefile::LayoutTexts before = adopted_from_.back();
    adopted_from_.pop_back();
    run_action([this, before] { take_layout(before); });
}

}  // namespace window
