// The sweep of 操作型计算 drawn with QPainter, one drawing for the dialog and the page: both
// outlets (left axis, ℃) and Q (right axis, kW) against the swept input, the design's value of
// it marked by a dashed line; a refused point is left out.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "design/simulation.hpp"
#include "report/faces.hpp"

namespace report {

struct OperationPoint {
    double input;                      // the swept value
    double tube_outlet, shell_outlet;  // ℃
    double duty;                       // kW
};

struct OperationPlot {
    QString input_name;  // "管内质量流量 Wi / (kg/s)"
    std::vector<OperationPoint> points;
    double design_input = 0;  // the design's value, marked
};

// The points of a sweep, the state shown at each; `name` as the axis says it.
OperationPlot operation_plot(const std::vector<design::SweepPoint>& sweep, const QString& name,
                             double design_input);

void paint_operation_plot(QPainter& painter, const OperationPlot& plot, const QRectF& frame,
                          const LabelFonts& fonts);

}  // namespace report
