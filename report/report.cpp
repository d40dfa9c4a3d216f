#include "report/report.hpp"

#include "calc/temperature_profile.hpp"
#include "calc/units.hpp"
#include "report/check_text.hpp"
#include "report/condensing_text.hpp"
#include "report/freezing_text.hpp"
#include "report/number_text.hpp"
#include "report/rating_text.hpp"
#include "report/search_text.hpp"
#include "report/steps_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

QString converted_value(const std::optional<ResultWorking>& result, const QString& name) {
    if (!result) return {};
    for (const ConvertedInput& input : result->converted) {
        if (input.name == name) return input.si;
    }
    return {};
}

InputGroup input_group(const GroupEntry& entry, const std::optional<ResultWorking>& result) {
    InputGroup group{
        entry.title, {}, entry.fill ? source_words(*entry.fill) : QString(), entry.condensing};
    for (const FieldEntry& field : entry.fields) {
        group.lines << InputLine{field.label,
                                 field.caption,
                                 field.typed.isEmpty() ? "（空）" : field.typed,
                                 converted_value(result, field.name),
                                 field.unit,
                                 calc::carries_unit(field.typed.toStdString())};
    }
    return group;
}

// "图 1　逆流温度分布", and what the shell flow was taken as where it was not typed or does
// not balance Q.
QString diagram_caption(const ResultWorking& result) {
    QString caption = "图 1　逆流温度分布";
    const std::optional<calc::HeatBalance>& b = result.checks.balance;
    if (b && !b->flow_typed) {
        caption += "（管外流量未填，取与 Q 平衡的 Ws = " + summary(b->shell_flow) + " kg/s）";
    } else if (b && b->off) {
        caption += "（管外流量与 Q 不平衡，按与 Q 平衡的流量绘制）";
    }
    return caption;
}

}  // namespace

Report make_report(const ReportInput& input) {
    Report report;
    report.title = input.title;
    report.results_title = input.results_title;
    report.date = input.date;
    for (const GroupEntry& group : input.groups) report.groups << input_group(group, input.result);
    report.notes = input.notes;
    report.sheet = input.sheet;
    report.failure = input.failure;
    report.stale = input.stale;
    report.program = input.program;
    report.case_name = input.case_name;
    if (!input.result) return report;

    const ResultWorking& result = *input.result;
    const FillSource tube = input.groups.value(0).fill, shell = input.groups.value(1).fill;
    report.computed = true;
    report.working = sizing_working_text(result, tube, shell).split('\n');
    report.steps =
        step_html(result.input, result.steps, result.condensing ? &*result.condensing : nullptr);
    report.K = exact(result.steps.result.K);
    report.Q = exact(result.steps.result.Q);
    report.A = exact(result.steps.result.A);
    if (result.condensing) {
        const design::CondensingEstimate& c = *result.condensing;
        report.checks = fill_check_rows(tube, {}) + freezing_check_rows(tube, {}, result.input);
        report.checks << CheckRow{"饱和蒸气", condensing_words(*c.vapour, c.state.pressure),
                                  state_words(c.state), informs}
                      << CheckRow{"温差校正系数 φΔt", "φΔt = 1", "一侧为恒温冷凝", within};
        report.checks << check_rows(result.checks);
        report.checks << film_range_row(result.steps.tube, calc::Side::Tube);
    } else {
        report.checks = fill_check_rows(tube, shell) +
                        freezing_check_rows(tube, shell, result.input) + check_rows(result.checks);
        report.checks << film_range_row(result.steps.tube, calc::Side::Tube)
                      << film_range_row(result.steps.shell, calc::Side::Shell);
    }
    report.attention = attention_lines(result, tube, shell);
    // Enough points that the curves look smooth at any print size.
    constexpr int intervals = 64;
    std::vector<calc::ProfilePoint> profile = calc::counterflow_profile(result.input, intervals);
    if (!profile.empty()) {
        report.diagram =
            Diagram{std::move(profile), exact(result.steps.dT1), exact(result.steps.dT2)};
        report.diagram_caption = diagram_caption(result);
        if (result.condensing) {
            // The vapour condenses at one temperature: its line is flat at t_s.
            report.diagram->shell_label =
                "管外 冷凝 ts = " + summary(result.condensing->state.celsius) + " ℃";
            report.diagram_caption +=
                "（管外为" + vapour_name(*result.condensing->vapour) + "饱和冷凝，温度恒为 ts）";
        }
    }
    if (result.layout) {
        report.has_layout = true;
        report.layout_rows = layout_rows(*result.layout);
        if (const std::optional<CheckRow> row = shells_row(*result.layout)) report.checks << *row;
        report.rating_rows =
            rating_rows(*result.layout, result.steps.result.K, result.steps.tube.alpha,
                        result.steps.shell.alpha, result.steps.result.A);
        if (const auto& c = result.layout->condensing) {
            const double ts = result.layout->input.saturation.celsius;
            report.trial_caption = "壁温试差（ts = " + summary(ts) +
                                   " ℃，αo(tw)·(ts − tw) = (tw − tc)/Rrest，至相邻两次之差 ≤ "
                                   "1e-9 K）：";
            report.trial_columns = {"步", "设 tw/℃", "tm/℃", "αo/(W/(㎡·℃))", "校核 tw/℃"};
            for (std::size_t k = 0; k < c->trial.steps.size(); ++k) {
                const design::WallStep& s = c->trial.steps[k];
                report.trial_rows << QStringList{QString::number(k + 1), figure(s.wall),
                                                 figure((ts + s.wall) / 2.0), figure(s.alpha),
                                                 figure(s.next)};
            }
        }
        // More tubes than any standard shell holds would be drawn as a grey disc, and slowly.
        constexpr double most_drawn = 10000;
        const design::Layout& l = result.layout->layout;
        if (laid_out(*result.layout) && l.tubes <= most_drawn) {
            report.tube_sheet = tube_sheet(l, result.layout->input.shell.diameter);
            report.tube_sheet_caption =
                "图 2　管板布置（" + arrangement_name(l.arrangement) + "，" + count(l.tubes) +
                " 根，" + count(l.passes) + " 管程" +
                (l.shells > 1 ? "；每台如此，共 " + count(l.shells) + " 台串联" : QString()) + "）";
        }
    }
    report.results = input.result_lines;
    if (input.search && input.search->tried() > 0) {
        const design::Search& s = *input.search;
        constexpr std::size_t on_the_page = 10;
        report.search_columns = candidate_columns();
        for (std::size_t i = 0; i < std::min(on_the_page, s.ranking.size()); ++i) {
            report.search_rows << candidate_cells(s.candidates[s.ranking[i]]);
        }
        report.search_summary =
            "试算 " + QString::number(s.tried()) + " 个标准方案，合格 " +
            QString::number(s.accepted()) + " 个" +
            (s.ranking.empty() ? "：" + none_words(s)
                               : QString("，按实际面积从小到大列出前 ") +
                                     QString::number(report.search_rows.size()) + " 个");
        report.search_plot = search_plot(s);
    }
    if (const std::optional<OperationEntry>& op = input.operation) {
        report.operation_lines << "换热器：" + exchanger_line(op->input)
                               << "工况：" + streams_line(op->input);
        if (op->simulation) {
            report.operation_lines << operation_lines(op->input, *op->simulation, op->design);
            report.operation_notes = simulation_notes(op->input, *op->simulation);
        } else if (op->refusal) {
            report.operation_notes << "不能计算：" + simulation_refusal_words(*op->refusal) + "。";
        }
        if (!op->sweep.empty()) {
            report.operation_columns = sweep_columns(op->swept_name);
            for (const design::SweepPoint& p : op->sweep) report.operation_rows << sweep_cells(p);
            report.operation_plot = operation_plot(op->sweep, op->swept_name, op->design_input);
        }
    }
    return report;
}

}  // namespace report
