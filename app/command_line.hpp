// What the program was asked on its command line: the window, perhaps with a case to open,
// or a report of a case without a window. Running it is main's and batch's.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace app {

struct CommandLine {
    // Said: help or version, already printed; Properties: a fluid's; Fluids: the list of them.
    // Design: the 自动设计 search of a case. Saturation: a vapour's state at its pressure.
    // Simulate: 操作型计算 of a case's exchanger.
    enum class Mode { Window, Text, Pdf, Design, Simulate, Properties, Fluids, Saturation, Said };
    Mode mode = Mode::Window;
    QString case_path;                     // the case to open or to report
    QString pdf_path;                      // Pdf: where the 计算书 goes
    QString fluid, temperature, pressure;  // Properties, Saturation: as typed
    std::optional<QString> concentration;  // Properties: a solution's, as typed
    // Simulate: the tube inlet, tube flow, shell inlet and shell flow as typed; none: the design's.
    std::array<std::optional<QString>, 4> operation{};
    int exit_code = 0;  // 2 for a wrong command line, with `error`
    QString error;
};

// True when the arguments hold an option of the program's (a report, help, version or a
// wrong one) or more than one case, none of which opens a window, so that the offscreen
// platform is chosen before the application object looks for a display.
bool wants_no_window(int argc, char** argv);

// Parses `arguments` (the program's name first); help and version go to standard output.
CommandLine parse_command_line(const QStringList& arguments);

}  // namespace app
