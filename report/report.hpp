// One report of a calculation, in the words both its renderings show: what was typed, how the
// last result came about, the result, the notes. Built once from what the window hands over;
// plain_text and page only lay it out.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "casefile/case.hpp"
#include "report/check_text.hpp"
#include "report/operation_plot.hpp"
#include "report/search_plot.hpp"
#include "report/simulation_text.hpp"
#include "report/temperature_diagram.hpp"
#include "report/tube_sheet.hpp"
#include "report/working_text.hpp"

namespace report {

// What the window hands over.
struct FieldEntry {
    QString name;     // "Text10"
    QString label;    // its label as the window shows it, "管道直径:"
    QString caption;  // the label as a name, "管道直径"
    QString typed;    // its text: as the last result read it, else as it stands
    QString unit;     // the unit label beside it, "m"
};

struct GroupEntry {
    QString title;  // "管内流体参数"
    QList<FieldEntry> fields;
    FillSource fill;       // where the side's properties came from, if filled
    QString condensing{};  // "水蒸气，饱和压力 200 kPa（绝压）" where the shell condenses
};

// 操作型计算 as the case holds it: the state simulated, or why not, and its sweep.
struct OperationEntry {
    design::SimulationInput input;
    DesignPoint design;
    std::optional<design::Simulation> simulation;
    std::optional<design::SimulationFault> refusal;
    std::vector<design::SweepPoint> sweep;
    QString swept_name;  // "管内质量流量 / (kg/s)"
    double design_input = 0;
};

struct ReportInput {
    QString title;          // the window's
    QString results_title;  // the results panel's
    QDate date;
    QList<GroupEntry> groups;              // tube side, then shell side
    std::optional<ResultWorking> result;   // the last successful 计算结果
    QStringList result_lines;              // K, Q and A as the panel shows them
    QStringList notes;                     // the window's five notes
    casefile::SheetInfo sheet;             // the case's header
    QString failure;                       // what the last calculation's fault said, while new
    bool stale = false;                    // a result, and fields changed since it
    QString program;                       // "管壳式换热器换热面积计算 1.5.0"
    QString case_name;                     // "E-101.hxcase", of the case file where there is one
    std::optional<design::Search> search;  // the last 自动设计 search, where one was run
    std::optional<OperationEntry> operation{};  // where the case holds an operation
};

// One input as the report lists it.
struct InputLine {
    QString label;    // "管道直径:", as the window shows it
    QString caption;  // "管道直径", without the colon
    QString typed;    // "20 mm", or "（空）"
    QString si;       // "0.02 m" where a unit was converted
    QString unit;     // "m", the field's unit
    bool own_unit;    // the text carries its own unit
};

struct InputGroup {
    QString title;
    QList<InputLine> lines;
    QString source;        // "饱和水 30 ℃（IAPWS-IF97）" where the properties were filled
    QString condensing{};  // the shell's vapour and its pressure, where it condenses
};

struct Report {
    QString title, results_title;
    QDate date;
    QList<InputGroup> groups;
    bool computed = false;
    QStringList working;  // as the results' tooltips show it
    QStringList steps;    // each formula, its numbers and its result, typeset as HTML
    QString K, Q, A;      // as the window shows them
    QList<CheckRow> checks;
    QStringList attention;  // the "注意：" lines
    QStringList results;
    std::optional<Diagram> diagram;  // none where the end differences have no profile
    QString diagram_caption;
    bool has_layout = false;      // the result had a layout block, with or without figures
    QList<CheckRow> layout_rows;  // the 计算书's section 5
    QList<CheckRow> rating_rows;  // its section 6, where the layout was rated
    // A condensing shell's wall trial in section 6, a row a step.
    QString trial_caption;
    QStringList trial_columns;
    QList<QStringList> trial_rows;
    std::optional<TubeSheet> tube_sheet;  // where the layout has its figures
    QString tube_sheet_caption;
    QStringList notes;
    casefile::SheetInfo sheet;
    QString failure;
    bool stale = false;
    QString program, case_name;
    // The 计算书's section 7, where a search was run: its top candidates and the plot.
    QStringList search_columns;
    QList<QStringList> search_rows;
    QString search_summary;
    std::optional<SearchPlot> search_plot;
    // Section 8, where the case holds an operation: its lines, the sweep's table and plot.
    QStringList operation_lines, operation_notes;
    QStringList operation_columns;
    QList<QStringList> operation_rows;
    std::optional<OperationPlot> operation_plot;
};

Report make_report(const ReportInput& input);

}  // namespace report
