// The 自动设计 search drawn with QPainter, one drawing for the dialog and the page: every
// candidate tried, its area S against its tube-side drop ΔPt, the accepted in colour and the
// refused in grey, the allowable drop as a line, the best ringed and a chosen one marked; where
// shells in series were tried, each point's shape says how many.
#pragma once

#include <QPainter>
#include <QRectF>
#include <optional>
#include <vector>

#include "design/search.hpp"
#include "report/faces.hpp"

namespace report {

struct PlotPoint {
    double area, drop;  // S in m², ΔPt in kPa
    std::size_t index;  // of the candidate
    bool accepted;
    double shells = 1;  // N_s
};

struct SearchPlot {
    std::vector<PlotPoint> points;  // the refused first, so that the accepted lie on top
    double allowable;               // kPa
    std::optional<std::size_t> best, marked;
    bool series = false;  // more than one N_s tried: shapes and their legend
};

SearchPlot search_plot(const design::Search& search, std::optional<std::size_t> marked = {});

// The axes' box and the scales of a plot drawn in `frame`, `em` its labels' line height.
struct PlotGeometry {
    QRectF box;
    double area_high, drop_high;  // the axes' ends, from 0
    QPointF at(double area, double drop) const;
};
PlotGeometry plot_geometry(const SearchPlot& plot, const QRectF& frame, double em);

void paint_search_plot(QPainter& painter, const SearchPlot& plot, const QRectF& frame,
                       const LabelFonts& fonts);

// The candidate whose point lies nearest `point` within `reach`, an accepted one first, as a
// click chooses it.
std::optional<std::size_t> candidate_at(const SearchPlot& plot, const PlotGeometry& geometry,
                                        QPointF point, double reach);

}  // namespace report
