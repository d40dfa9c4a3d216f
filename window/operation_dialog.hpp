// The 操作型计算 dialog: the exchanger as it stands on top, each side's inlet and flow (empty:
// the design's), 计算 with the state beside the design, and a sweep of one input with its table,
// which copies as tab-separated text, and its plot. What a simulation is is design/'s, its words
// report/'s; taking the texts into the case is the window's.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "casefile/case.hpp"
#include "design/simulation.hpp"
#include "report/operation_plot.hpp"
#include "report/report.hpp"
#include "report/simulation_text.hpp"
#include "window/operation_choices.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTextBrowser;

namespace window {

// "管内质量流量 / (kg/s)": the swept input as the plot's axis and the table's column name it.
QString swept_axis_name(design::SweptInput input);

// The plot of a sweep.
class OperationPlotView : public QWidget {
  public:
    explicit OperationPlotView(QWidget* parent);
    void show_plot(const report::OperationPlot& plot);
    const report::OperationPlot& plot() const { return plot_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    report::OperationPlot plot_{};
};

// What the dialog simulates: the exchanger at the design's inlets and flows, and the design's
// outlets and duty to set the results beside.
struct OperationStart {
    design::SimulationInput input;
    report::DesignPoint design;
};

class OperationDialog : public QDialog {
  public:
    // `taken` gets the texts each time 计算 or 扫描 reads them soundly.
    OperationDialog(QWidget* parent, std::function<void(const casefile::OperationTexts&)> taken);

    void open_with(const casefile::OperationTexts& texts, const OperationStart& start);
    casefile::OperationTexts texts() const;

    void simulate();          // 计算
    void sweep();             // 扫描
    void copy_sweep() const;  // 复制表格: the table as tab-separated text
    const std::vector<design::SweepPoint>& last_sweep() const { return sweep_; }

  private:
    // The texts read, or the fault shown and its field focused.
    std::optional<OperationChoice> read();

    std::function<void(const casefile::OperationTexts&)> taken_;
    std::optional<OperationStart> start_;
    QLabel* exchanger_ = nullptr;
    std::array<QLineEdit*, 4> inputs_{};
    QComboBox* swept_ = nullptr;
    std::array<QLineEdit*, 3> sweep_fields_{};  // from, to, points
    QTextBrowser* result_ = nullptr;
    QTableWidget* table_ = nullptr;
    OperationPlotView* plot_ = nullptr;
    std::vector<design::SweepPoint> sweep_;
};

}  // namespace window
