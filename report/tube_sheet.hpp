// The tube sheet of a layout, drawn to scale with QPainter so that it stays a vector drawing
// in a PDF and on a printer: the shell circle of D, the N_T tubes at pitch t in their
// arrangement, the pass partitions, D and t dimensioned. Where it stands is page.cpp's.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "design/layout.hpp"
#include "report/faces.hpp"

namespace report {

// In metres from the shell's centre, y upwards.
struct TubeSheet {
    double shell_diameter, outer_diameter, pitch;
    std::vector<QPointF> tubes;      // each tube's centre, N_T of them
    std::vector<QLineF> partitions;  // across the shell, for 2 passes or more
    QPointF pitch_from, pitch_to;    // two neighbouring tubes, where t is dimensioned
};

// The N_T places of the arrangement's grid nearest the centre, clear of the partitions'
// lanes: for 2 passes one across, for 4 a cross, for 6 two across and one down.
TubeSheet tube_sheet(const design::Layout& layout, double outer_diameter);

// Draws it in `frame`, the largest square in it, its labels in the two faces.
void paint_tube_sheet(QPainter& painter, const TubeSheet& sheet, const QRectF& frame,
                      const LabelFonts& fonts);

}  // namespace report
