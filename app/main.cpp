// The program: one application object, then the window with the case it was given, or a
// report of that case without a window.
#include <QApplication>
#include <QTimer>

#include "app/batch.hpp"
#include "app/command_line.hpp"
#include "app/console.hpp"
#include "app/properties_query.hpp"
#include "app/startup.hpp"
#include "window/main_window.hpp"

int main(int argc, char* argv[]) {
    if (app::wants_no_window(argc, argv)) {
#ifndef _WIN32
        // No display needed. Windows needs none either, and offscreen there knows no fonts.
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        app::attach_parent_console();
        app::quiet_toolkit();
    }
    QApplication application(argc, argv);
    app::prepare(application);
    const app::CommandLine line = app::parse_command_line(QApplication::arguments());
    if (line.exit_code != 0) return line.exit_code;
    switch (line.mode) {
        case app::CommandLine::Mode::Said:
            return 0;
        case app::CommandLine::Mode::Properties:
            return app::run_properties(line);
        case app::CommandLine::Mode::Fluids:
            return app::run_fluid_list();
        case app::CommandLine::Mode::Saturation:
            return app::run_saturation(line);
        case app::CommandLine::Mode::Text:
        case app::CommandLine::Mode::Pdf:
        case app::CommandLine::Mode::Design:
        case app::CommandLine::Mode::Simulate:
            return app::run_without_window(line);
        case app::CommandLine::Mode::Window:
            break;
    }
    window::MainWindow form;
    form.show();
    if (!line.case_path.isEmpty()) {
        // Once the window shows, so that a message about the file has a window to stand on.
        QTimer::singleShot(0, &form, [&form, &line] { form.open_path(line.case_path); });
    }
    return application.exec();
}
