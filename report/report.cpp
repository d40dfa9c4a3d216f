#include "report/report.hpp"

#include "calc/units.hpp"
#include "report/check_text.hpp"
#include "report/steps_text.hpp"

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
    InputGroup group{entry.title, {}, entry.water ? water_words(*entry.water) : QString()};
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
    if (!input.result) return report;

    const ResultWorking& result = *input.result;
    const WaterSource tube = input.groups.value(0).water, shell = input.groups.value(1).water;
    report.computed = true;
    report.working = sizing_working_text(result, tube, shell).split('\n');
    report.steps = step_lines(result.input, result.steps);
    const CheckText checks = check_text(result.checks);
    report.checks = checks.lines;
    report.attention = attention_lines(result);
    report.results = input.result_lines;
    return report;
}

}  // namespace report
