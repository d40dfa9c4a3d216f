// The one window, Form1: its controls bound by name and its nine button actions.
// The controls themselves come from form_builder; the numbers from calc/ and properties/.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "calc/design_checks.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"
#include "window/result_label.hpp"
#include "window/water_fill.hpp"
#include "window/working_text.hpp"

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

    // 复制计算过程 (Ctrl+Shift+C, and the menu of the results panel): the inputs, the working
    // and the results as plain text on the clipboard.
    void copy_report();

  private:
    calc::FluidSide read_tube_side(ConvertedInputs* converted = nullptr) const;
    calc::FluidSide read_shell_side(ConvertedInputs* converted = nullptr) const;
    WaterFields tube_water_fields() const;
    WaterFields shell_water_fields() const;

    // The working of the last results as tooltips, saying where a side's properties came from
    // while its fields hold what 水物性 wrote; again whenever one of those fields changes.
    void show_working();

    // A button's click runs its action through here: a fault ends the action, is reported,
    // and the window is idle again; no exception reaches Qt's event loop.
    void connect_action(QPushButton* button, void (MainWindow::*action)());
    void add_copy_report_action();

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
    std::optional<ResultWorking> computed_;
    std::optional<FilmResult> tube_film_, shell_film_;
    std::optional<WaterFill> tube_water_, shell_water_;
};

}  // namespace window
