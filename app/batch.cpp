#include "app/batch.hpp"

#include <algorithm>
#include <cstdio>

#include "app/console.hpp"
#include "calc/units.hpp"
#include "report/plain_text.hpp"
#include "report/search_text.hpp"
#include "report/simulation_text.hpp"
#include "window/fault_report.hpp"
#include "window/main_window.hpp"

namespace app {
namespace {

int said(const window::FaultMessage& message) {
    print(stderr, message.text + "\n");
    return 1;
}

int said(const QString& words) {
    print(stderr, words + "。\n");
    return 1;
}

// The best candidate's lines, both counts, then up to 20 candidates under a header; 1 where
// none holds, with why on standard error.
int print_search(const window::MainWindow& form) {
    const std::optional<design::Search> s = form.search_designs();
    if (!s) return said("这组数据不能排管，不作自动设计：请先看计算过程中的“结构与压降”");
    if (s->stop != design::SearchStop::None) return said(report::stop_words(*s));
    QStringList lines;
    if (!s->ranking.empty()) lines << report::candidate_lines(s->candidates[s->ranking[0]]);
    lines << "tried = " + QString::number(s->tried())
          << "accepted = " + QString::number(s->accepted());
    constexpr std::size_t listed = 20;
    if (!s->ranking.empty()) {
        lines << report::candidate_columns().join('\t');
        for (std::size_t i = 0; i < std::min(listed, s->ranking.size()); ++i) {
            lines << report::candidate_cells(s->candidates[s->ranking[i]]).join('\t');
        }
    }
    print(stdout, lines.join('\n') + "\n");
    return s->ranking.empty() ? said(report::none_words(*s)) : 0;
}

// 操作型计算: the shown state's lines, then its 注意; 1 with the reason where it is refused,
// 2 where an inlet or a flow given does not read.
int print_simulation(const window::MainWindow& form, const CommandLine& line) {
    window::Operation op;
    using calc::UnitQuantity;
    const std::array<std::pair<std::optional<double>*, UnitQuantity>, 4> read{
        {{&op.tube_inlet, UnitQuantity::Temperature},
         {&op.tube_flow, UnitQuantity::MassFlow},
         {&op.shell_inlet, UnitQuantity::Temperature},
         {&op.shell_flow, UnitQuantity::MassFlow}}};
    constexpr std::array<const char*, 4> names{"--tube-inlet", "--tube-flow", "--shell-inlet",
                                               "--shell-flow"};
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (!line.operation[i]) continue;
        try {
            *read[i].first = calc::to_number(line.operation[i]->toStdString(), read[i].second);
        } catch (const calc::Fault&) {
            print(stderr, QString(names[i]) + " 的值“" + *line.operation[i] +
                              "”不是有效的数字或单位不对。\n");
            return 2;
        }
    }
    const std::optional<design::SimulationInput> in = form.simulation_input(op);
    if (!in)
        return said(report::simulation_refusal_words(
            {design::SimulationRefusal::NoLayout, calc::Side::Tube, 0}));
    try {
        const design::Simulation sim = design::simulate(*in);
        print(stdout,
              (report::simulation_lines(*in, sim) + report::simulation_notes(*in, sim)).join('\n') +
                  "\n");
    } catch (const design::SimulationFault& fault) {
        return said(report::simulation_refusal_words(fault));
    }
    return 0;
}

}  // namespace

int run_without_window(const CommandLine& line) {
    window::MainWindow form;  // never shown: the same fields, reads and report
    try {
        form.load_case(line.case_path);
        form.compute_result();
        if (line.mode == CommandLine::Mode::Pdf) {
            form.save_report_to(line.pdf_path);
        } else if (line.mode == CommandLine::Mode::Design) {
            return print_search(form);
        } else if (line.mode == CommandLine::Mode::Simulate) {
            return print_simulation(form, line);
        } else {
            print(stdout, report::plain_text(form.current_report()) + "\n");
        }
    } catch (const casefile::CaseFault& fault) {
        return said(window::describe_fault(fault));
    } catch (const window::SaveFault& fault) {
        return said(window::describe_fault(fault));
    } catch (const calc::Fault& fault) {
        return said(window::describe_fault(fault, form));
    } catch (const design::CondensingFault& fault) {
        return said(window::describe_fault(fault, form));
    } catch (const window::ChoiceFault& fault) {
        return said(fault.words);
    }
    return 0;
}

}  // namespace app
