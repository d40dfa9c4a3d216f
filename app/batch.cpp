#include "app/batch.hpp"

#include <cstdio>

#include "app/console.hpp"
#include "report/plain_text.hpp"
#include "window/fault_report.hpp"
#include "window/main_window.hpp"

namespace app {
namespace {

int said(const window::FaultMessage& message) {
    print(stderr, message.text + "\n");
    return 1;
}

}  // namespace

int run_without_window(const CommandLine& line) {
    window::MainWindow form;  // never shown: the same fields, reads and report
    try {
        form.load_case(line.case_path);
        form.compute_result();
        if (line.mode == CommandLine::Mode::Pdf) {
            form.save_report_to(line.pdf_path);
        } else {
            print(stdout, report::plain_text(form.current_report()) + "\n");
        }
    } catch (const casefile::CaseFault& fault) {
        return said(window::describe_fault(fault));
    } catch (const window::SaveFault& fault) {
        return said(window::describe_fault(fault));
    } catch (const calc::Fault& fault) {
        return said(window::describe_fault(fault, form));
    }
    return 0;
}

}  // namespace app
