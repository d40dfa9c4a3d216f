// The counter-flow temperature diagram of a result, drawn with QPainter onto any device so
// that it stays a vector drawing in a PDF and on a printer: both streams along the area,
// arrows for their directions, ΔT1 and ΔT2 at the ends, axis ticks in round numbers. Where on
// the page it stands is page.cpp's.
#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "calc/temperature_profile.hpp"
#include "report/faces.hpp"

namespace report {

struct Diagram {
    std::vector<calc::ProfilePoint> profile;  // from the shell inlet to its outlet
    QString dT1, dT2;                         // as the working shows them: "50", "40"
    QString shell_label = "管外";             // "管外 冷凝 ts = 120.21 ℃" for a vapour
};

// A tick of an axis: its value, its label, and where it stands on the device.
struct Tick {
    double value;
    QString label;
    double at;
};

// Where everything goes in a frame of device units, `em` being the labels' line height.
struct DiagramGeometry {
    QRectF plot;                          // the axes' box
    QList<Tick> fractions, temperatures;  // along x from 0 to 1, along y upwards
    QPolygonF shell, tube;                // each stream from x = 0 to x = 1
};

DiagramGeometry diagram_geometry(const Diagram& diagram, const QRectF& frame, double em);

// Draws it in `frame`, its labels in the two faces.
void paint_diagram(QPainter& painter, const Diagram& diagram, const QRectF& frame,
                   const LabelFonts& fonts);

}  // namespace report
