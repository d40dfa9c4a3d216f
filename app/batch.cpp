#include "app/batch.hpp"

#include <algorithm>
#include <cstdio>

#include "app/console.hpp"
#include "report/plain_text.hpp"
#include "report/search_text.hpp"
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
