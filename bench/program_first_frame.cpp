// The program as app/main.cpp starts it, ended after its first frame.
#include <QApplication>

#include "app/startup.hpp"
#include "first_frame.hpp"
#include "window/main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::prepare(application);
    window::MainWindow form;
    bench::end_after_first_frame(form);
    form.show();
    return application.exec();
}
