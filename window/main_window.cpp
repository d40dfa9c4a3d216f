#include "window/main_window.hpp"

#include <QAction>
#include <QLayout>
#include <QMessageBox>
#include <exception>
#include <stdexcept>

#include "calc/fault.hpp"
#include "casefile/case_fault.hpp"
#include "window/case_prompt.hpp"
#include "window/fault_report.hpp"
#include "window/form_builder.hpp"

namespace window {
namespace {

template <typename Control>
Control* bound(const QWidget& form, const char* name) {
    auto* control = form.findChild<Control*>(name);
    if (!control) throw std::logic_error(std::string("layout has no control ") + name);
    return control;
}

}  // namespace

#define BIND(name) name = bound<std::remove_pointer_t<decltype(name)>>(*this, #name)

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), Form1(new QWidget(this)) {
    build_form(*Form1);
    setCentralWidget(Form1);
    // The menu and status bars in the form's face: one font engine fewer to find at start-up
    // than the toolkit's own default face.
    setFont(Form1->font());
    dress_window(*this);
    setObjectName("MainWindow");
    // The form keeps its size; the window is the form and the bar above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    BIND(Text1), BIND(Text2), BIND(Text3), BIND(Text4), BIND(Text5), BIND(Text6), BIND(Text7);
    BIND(Text8), BIND(Text9), BIND(Text10), BIND(Text11), BIND(Text12), BIND(Text13);
    BIND(Text14), BIND(Text15), BIND(Text16), BIND(Text17), BIND(Text18), BIND(Text19);
    BIND(Text20);
    BIND(Label9), BIND(Label14), BIND(Label23), BIND(Label24), BIND(Label26), BIND(Label27);
    BIND(Label48), BIND(Label49), BIND(Label50), BIND(Label51);
    BIND(Command1), BIND(Command2), BIND(Command3), BIND(Command4), BIND(Command5);
    BIND(Command6), BIND(Command7), BIND(Command8), BIND(Command9), BIND(Command10);
    BIND(Command11);
    BIND(Frame1), BIND(Frame2), BIND(Frame4);

    connect_action(Command1, &MainWindow::compute_result);
    connect_action(Command2, &MainWindow::exit);
    connect_action(Command3, &MainWindow::tube_mean_temperature);
    connect_action(Command4, &MainWindow::tube_film_coefficient);
    connect_action(Command5, &MainWindow::shell_film_coefficient);
    connect_action(Command6, &MainWindow::shell_mean_temperature);
    connect_action(Command7, &MainWindow::clear);
    connect_action(Command8, &MainWindow::tube_fill);
    connect_action(Command9, &MainWindow::shell_fill);
    connect_action(Command10, &MainWindow::choose_tube_fluid);
    connect_action(Command11, &MainWindow::choose_shell_fluid);
    for (const FillFields& side : {tube_fill_fields(), shell_fill_fields()}) {
        for (QLineEdit* field : side.properties) {
            connect(field, &QLineEdit::textChanged, this, &MainWindow::show_working);
        }
    }
    // Any edit of a field, however it came, is a change to the case.
    for (QLineEdit* field : all_fields()) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            set_changed(true);
            input_changed();
        });
        field->installEventFilter(this);  // a case file dropped on a field opens it
    }
    ask_to_save = [this](const QString& file_name) {
        return ask_whether_to_save(*this, file_name);
    };
    for (const QLineEdit* field : all_fields()) field_tooltips_[field] = field->toolTip();
    report_groups_ = report_groups();
    add_menus();
    setAcceptDrops(true);

    Command1->setFocus(Qt::OtherFocusReason);  // taken when the window first becomes active
}

#undef BIND

void MainWindow::connect_action(QPushButton* button, void (MainWindow::*action)()) {
    connect(button, &QPushButton::clicked, this,
            [this, action] { run_action([this, action] { (this->*action)(); }); });
}

void MainWindow::run_action(const std::function<void()>& action) {
    failure_.clear();
    std::optional<FaultMessage> failed;  // a calculation's, which the panel also tells
    try {
        action();
    } catch (const calc::Fault& fault) {
        failed = describe_fault(fault, *this);
    } catch (const FillFault& fault) {
        failed = describe_fault(fault, *this);
    } catch (const design::CondensingFault& fault) {
        failed = describe_fault(fault, *this);
    } catch (const SaveFault& fault) {
        report_fault(*this, fault);
    } catch (const casefile::CaseFault& fault) {
        report_fault(*this, fault);
    } catch (const std::exception&) {
        QMessageBox::critical(this, "程序内部错误", "操作未能完成，已输入的内容保持不变。");
    }
    if (failed) {
        status_line_->clear_notes();
        failure_ = failed->title + "：" + failed->text;
    }
    refresh_panel();  // before a message box waits for its answer
    if (failed) show_fault(*this, *failed);
}

}  // namespace window
