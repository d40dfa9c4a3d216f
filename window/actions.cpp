// The button actions of the window.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include "calc/design_checks.hpp"
#include "calc/sizing.hpp"
#include "design/condensing.hpp"
#include "report/number_text.hpp"
#include "report/working_text.hpp"
#include "window/field_read.hpp"
#include "window/main_window.hpp"

namespace window {
namespace {

// Both temperatures of a side typed as this number turn that side's hidden mode on.
constexpr calc::Single hidden_mode_code = 381924.0f;

using report::exact;

}  // namespace

// λ, ρ, cp, μ, d, u: Text4, Text5, Text6, Text7, Text10, Text9, read in that order.
calc::FluidSide MainWindow::read_tube_side(ConvertedInputs* c) const {
    return {read_single(*Text4, c), read_single(*Text5, c),  read_single(*Text6, c),
            read_single(*Text7, c), read_double(*Text10, c), read_double(*Text9, c)};
}

// λ, ρ, cp, μ, d, u: Text13, Text14, Text16, Text15, Text11, Text12, read in that order.
calc::FluidSide MainWindow::read_shell_side(ConvertedInputs* c) const {
    return {read_single(*Text13, c), read_single(*Text14, c), read_single(*Text16, c),
            read_single(*Text15, c), read_double(*Text11, c), read_double(*Text12, c)};
}

std::array<QLineEdit*, 20> MainWindow::all_fields() const {
    return {Text1,  Text2,  Text3,  Text4,  Text5,  Text6,  Text7,  Text8,  Text9,  Text10,
            Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20};
}

FillFields MainWindow::tube_fill_fields() const {
    return {Text8, {Text1, Text2}, {Text4, Text5, Text6, Text7}};
}

FillFields MainWindow::shell_fill_fields() const {
    return {Text17, {Text19, Text20}, {Text13, Text14, Text16, Text15}};
}

void MainWindow::compute_result() {
    ConvertedInputs converted;
    const calc::FluidSide tube = read_tube_side(&converted);
    calc::SizingInput input{};
    calc::SizingWorking working{};
    calc::DesignChecks checks{};
    std::optional<design::CondensingEstimate> condensing;
    if (const FluidChoice& vapour = shell_choice_.current; vapour.vapour) {
        // The shell gives d_o alone; its temperatures and flow follow from the vapour.
        const calc::Double d_o = read_double(*Text11, &converted);
        const calc::Single t1 = read_single(*Text1, &converted);
        const calc::Single t2 = read_single(*Text2, &converted);
        const calc::Single W = read_single(*Text3, &converted);
        condensing =
            design::condensing_estimate({tube, d_o, t1, t2, W, vapour.vapour, vapour.pressure});
        input = condensing->input;
        working = condensing->working;
        checks = condensing->checks;
    } else {
        const calc::FluidSide shell = read_shell_side(&converted);
        const calc::Single t1 = read_single(*Text1, &converted);
        const calc::Single t2 = read_single(*Text2, &converted);
        const calc::Single T1 = read_single(*Text20, &converted);
        const calc::Single T2 = read_single(*Text19, &converted);
        const calc::Single W = read_single(*Text3, &converted);
        // The shell side's flow enters no result, only the heat balance, and may hold anything.
        const std::optional<calc::Single> Ws = read_single_if_number(*Text18);
        input = {tube, shell, t1, t2, T1, T2, W};
        working = calc::sizing_working(input);
        checks = calc::design_checks(input, working.result, Ws);
    }
    const calc::SizingResult& result = working.result;
    // A condensing rating may refuse its film: all is worked before anything is written.
    report::LayoutEntry entry = layout_entry(input, working, checks, condensing);
    const QString K = exact(result.K), A = exact(result.A), Q = exact(result.Q);

    Label23->setText("总传热系数为：");
    Label26->setText("所需换热面积为：");
    Label24->setText(K);
    Label27->setText(A);
    Label48->setText("㎡");
    Label49->setText("传递热量:");
    Label50->setText(Q);
    Label51->setText("W");
    QMap<QString, QString> texts;
    for (const QLineEdit* field : all_fields()) texts[field->objectName()] = field->text();
    computed_ = report::ResultWorking{input, working,          checks,    converted,
                                      texts, std::move(entry), condensing};
    show_condensing();  // the shell's flow reads D
    show_working();
    status_line_->show_notes(
        report::attention_lines(*computed_, fill_source(tube_fill_, tube_fill_fields()),
                                fill_source(shell_fill_, shell_fill_fields())));
}

void MainWindow::tube_mean_temperature() {
    const calc::Single a = read_single(*Text1);
    const calc::Single b = read_single(*Text2);
    if (a != hidden_mode_code || b != hidden_mode_code) {
        Text8->setText(exact(calc::mean_temperature(a, b, calc::Side::Tube)));
        return;
    }
    Command4->show();
    Label9->show();
}

void MainWindow::shell_mean_temperature() {
    const calc::Single a = read_single(*Text19);
    const calc::Single b = read_single(*Text20);
    if (a != hidden_mode_code || b != hidden_mode_code) {
        Text17->setText(exact(calc::mean_temperature(a, b, calc::Side::Shell)));
        return;
    }
    Command5->show();
    Label14->show();
}

void MainWindow::tube_film_coefficient() {
    ConvertedInputs converted;
    const calc::FluidSide tube = read_tube_side(&converted);
    const calc::FilmWorking working = calc::film_working(tube, calc::tube_side, calc::Side::Tube);
    Label9->setText(exact(working.alpha));
    tube_film_ = report::FilmResult{working, converted};
    show_working();
    status_line_->show_notes(report::film_hint_lines(working, calc::Side::Tube));
}

void MainWindow::shell_film_coefficient() {
    ConvertedInputs converted;
    const calc::FluidSide shell = read_shell_side(&converted);
    const calc::FilmWorking working =
        calc::film_working(shell, calc::shell_side, calc::Side::Shell);
    Label14->setText(exact(working.alpha));
    shell_film_ = report::FilmResult{working, converted};
    show_working();
    status_line_->show_notes(report::film_hint_lines(working, calc::Side::Shell));
}

void MainWindow::clear() {
    for (QLineEdit* field : all_fields()) field->clear();
    if (condensing_typed_) condensing_typed_ = std::array<QString, 3>{};
    Command5->hide();
    Command4->hide();
    Label9->hide();
    Label14->hide();
}

void MainWindow::tube_fill() {
    tube_fill_ = fill_side(tube_fill_fields(), calc::Side::Tube, tube_choice_.current);
    show_working();
}

void MainWindow::shell_fill() {
    shell_fill_ = fill_side(shell_fill_fields(), calc::Side::Shell, shell_choice_.current);
    show_working();
}

void MainWindow::choose_tube_fluid() {
    open_chooser(calc::Side::Tube);
}

void MainWindow::choose_shell_fluid() {
    open_chooser(calc::Side::Shell);
}

void MainWindow::show_working() {
    const report::FillSource tube = fill_source(tube_fill_, tube_fill_fields());
    const report::FillSource shell = fill_source(shell_fill_, shell_fill_fields());
    if (computed_) {
        const QString how = report::sizing_working_text(*computed_, tube, shell);
        for (ResultLabel* result : {Label24, Label27, Label50}) result->set_working(how);
    }
    if (tube_film_)
        Label9->set_working(report::film_working_text(*tube_film_, calc::Side::Tube, tube));
    if (shell_film_) {
        Label14->set_working(report::film_working_text(*shell_film_, calc::Side::Shell, shell));
    }
}

}  // namespace window
