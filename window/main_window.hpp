// The one window, Form1: its controls bound by name and its nine button actions.
// The controls themselves come from form_builder; the numbers from calc/ and properties/.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "calc/design_checks.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"
#include "report/page.hpp"
#include "report/report.hpp"
#include "report/working_text.hpp"
#include "window/result_label.hpp"
#include "window/water_fill.hpp"

namespace window {

class MainWindow : public QWidget {
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The actions, one per button. Each reads all its fields and does all its
    // arithmetic before it writes anything, so a fault leaves the window as it was.
    void compute_result();          // Command1 计算结果
    void tube_mean_temperature();   // Command3 计算平均温度, tube side
    void shell_mean_temperature();  // Command6 计算平均温度, shell side
    void tube_film_coefficient();   // Command4 计算传热系数, tube side (hidden mode)
    void shell_film_coefficient();  // Command5 计算传热系数, shell side (hidden mode)
    void clear();                   // Command7 清空
    void exit();                    // Command2 退出
    void tube_water();              // Command8 水物性, tube side
    void shell_water();             // Command9 水物性, shell side

    // The report of the last result, from the results panel's menu, the result labels' menus
    // and anywhere in the window by its shortcut:
    void copy_report();      // 复制计算过程 (Ctrl+Shift+C): as plain text on the clipboard
    void save_report_pdf();  // 保存计算书为 PDF… (Ctrl+S): asks where, then save_report_to
    void print_report();     // 打印计算书… (Ctrl+P): Qt's print dialog, then print_report_to
    void save_report_to(const QString& path);  // SaveFault where the file cannot be written
    void save_report_as(const QString& path);  // the same as an action: a fault is reported
    void print_report_to(QPagedPaintDevice& printer) const;
    report::Report current_report() const;

  private:
    calc::FluidSide read_tube_side(ConvertedInputs* converted = nullptr) const;
    calc::FluidSide read_shell_side(ConvertedInputs* converted = nullptr) const;
    std::array<QLineEdit*, 20> all_fields() const;  // Text1 … Text20, in order
    WaterFields tube_water_fields() const;
    WaterFields shell_water_fields() const;

    // The working of the last results as tooltips, saying where a side's properties came from
    // while its fields hold what 水物性 wrote; again whenever one of those fields changes.
    void show_working();

    // A button's click runs its action through here: a fault ends the action, is reported,
    // and the window is idle again; no exception reaches Qt's event loop.
    void connect_action(QPushButton* button, void (MainWindow::*action)());
    void run_action(const std::function<void()>& action);
    void add_report_actions();

    // clang-format off
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10,
              *Text11, *Text12, *Text13, *Text14, *Text15, *Text16, *Text17, *Text18, *Text19,
              *Text20;
    ResultLabel *Label9, *Label14, *Label23, *Label24, *Label26, *Label27, *Label48, *Label49,
                *Label50, *Label51;
    QGroupBox* Frame4;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7,
                *Command8, *Command9;
    // clang-format on

    // The last successful results, and the last fill of each side.
    std::optional<report::ResultWorking> computed_;
    std::optional<report::FilmResult> tube_film_, shell_film_;
    std::optional<WaterFill> tube_water_, shell_water_;
};

}  // namespace window
