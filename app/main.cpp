// The program: one application object, the one window, the event loop.
#include <QApplication>

#include "window/main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    window::MainWindow form;
    form.show();
    return application.exec();
}
