// The program: one application object, the one window, the event loop.
#include <QApplication>

#include "app/startup.hpp"
#include "window/main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::prepare(application);
    window::MainWindow form;
    form.show();
    return application.exec();
}
