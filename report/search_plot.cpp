#include "report/search_plot.hpp"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "report/marks.hpp"

namespace report {
namespace {

const QColor accepted_colour(0x1f, 0x5a, 0xa6), refused_colour(0xb4, 0xb4, 0xb4),
    limit_colour(0xb3, 0x40, 0x0a);

// Margins around the axes' box, in labels' line heights.
constexpr double left_margin = 3.2, right_margin = 0.8, top_margin = 1.6, bottom_margin = 2.8;

// Drops far above the allowable one would squeeze the rest into the bottom: the axis ends at
// three times it, and points above are drawn on the top edge.
constexpr double drop_axis_allowables = 3.0;

// A point of N_s shells: a disc for one, a square for two, a triangle for three, a diamond for
// four, each about as large as the disc.
void draw_point(QPainter& painter, QPointF at, double r, double shells) {
    const int n = static_cast<int>(shells);
    if (n <= 1) {
        painter.drawEllipse(at, r, r);
        return;
    }
    if (n == 2) {
        painter.drawRect(QRectF(at - QPointF(0.9 * r, 0.9 * r), QSizeF(1.8 * r, 1.8 * r)));
        return;
    }
    const double s = 1.25 * r;
    const QPolygonF shape = n == 3
                                ? QPolygonF{{at + QPointF(0, -s), at + QPointF(0.87 * s, 0.5 * s),
                                             at + QPointF(-0.87 * s, 0.5 * s)}}
                                : QPolygonF{{at + QPointF(0, -s), at + QPointF(s, 0),
                                             at + QPointF(0, s), at + QPointF(-s, 0)}};
    painter.drawPolygon(shape);
}

}  // namespace

SearchPlot search_plot(const design::Search& s, std::optional<std::size_t> marked) {
    SearchPlot plot{{}, s.allowable_tube_drop / 1000.0, {}, marked};
    for (const bool accepted : {false, true}) {
        for (std::size_t i = 0; i < s.candidates.size(); ++i) {
            const design::Candidate& c = s.candidates[i];
            if (c.accepted() != accepted) continue;
            plot.points.push_back({c.area, c.tube_drop / 1000.0, i, accepted, c.shells});
        }
    }
    plot.series = s.shells.high > s.shells.low;
    if (!s.ranking.empty()) plot.best = s.ranking.front();
    return plot;
}

QPointF PlotGeometry::at(double area, double drop) const {
    return {box.left() + box.width() * area / area_high,
            box.bottom() - box.height() * std::min(drop, drop_high) / drop_high};
}

PlotGeometry plot_geometry(const SearchPlot& plot, const QRectF& frame, double em) {
    double area = 0, drop = plot.allowable;
    for (const PlotPoint& p : plot.points) {
        area = std::max(area, p.area);
        drop = std::max(drop, std::min(p.drop, drop_axis_allowables * plot.allowable));
    }
    const double area_step = round_step(area > 0 ? area : 1.0, 6);
    const double drop_step = round_step(drop > 0 ? drop : 1.0, 5);
    return {
        frame.adjusted(left_margin * em, top_margin * em, -right_margin * em, -bottom_margin * em),
        std::max(1.0, std::ceil(area / area_step)) * area_step,
        std::max(1.0, std::ceil(drop / drop_step)) * drop_step};
}

void paint_search_plot(QPainter& painter, const SearchPlot& plot, const QRectF& frame,
                       const LabelFonts& fonts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double em = QFontMetricsF(fonts.latin, painter.device()).height();
    const PlotGeometry g = plot_geometry(plot, frame, em);
    painter.setPen(QPen(Qt::black, 0.06 * em));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.box);
    const double area_step = round_step(g.area_high, 6), drop_step = round_step(g.drop_high, 5);
    const auto ticks = [](double high, double step) {
        return static_cast<int>(std::lround(high / step));
    };
    for (int k = 0; k <= ticks(g.area_high, area_step); ++k) {
        const double a = k * area_step;
        const QPointF p = g.at(a, 0);
        painter.drawLine(p, p + QPointF(0, 0.25 * em));
        place(painter, {{tick_label(a)}}, fonts, p + QPointF(0, 0.8 * em), Qt::AlignHCenter);
    }
    for (int k = 0; k <= ticks(g.drop_high, drop_step); ++k) {
        const double d = k * drop_step;
        const QPointF p = g.at(0, d);
        painter.drawLine(p, p - QPointF(0.25 * em, 0));
        place(painter, {{tick_label(d)}}, fonts, p - QPointF(0.4 * em, 0), Qt::AlignRight);
    }
    place(painter, {{"Δ"}, {"P", true}, {"t", false, true}, {" / kPa"}}, fonts,
          QPointF(frame.left(), frame.top() + 0.5 * em), Qt::AlignLeft);
    place(painter, {{"实际面积 "}, {"S", true}, {" / ㎡"}}, fonts,
          QPointF(g.box.center().x(), g.box.bottom() + 2 * em), Qt::AlignHCenter);

    // The allowable drop across the box.
    painter.setPen(QPen(limit_colour, 0.08 * em, Qt::DashLine));
    const QPointF limit = g.at(0, plot.allowable);
    painter.drawLine(limit, QPointF(g.box.right(), limit.y()));
    place(painter, {{"允许 "}, {"Δ"}, {"P", true}, {"t", false, true}}, fonts,
          QPointF(g.box.right() - 0.3 * em, limit.y() - 0.7 * em), Qt::AlignRight, true);

    const double dot = 0.22 * em;
    painter.setPen(Qt::NoPen);
    for (const PlotPoint& p : plot.points) {
        painter.setBrush(p.accepted ? accepted_colour : refused_colour);
        draw_point(painter, g.at(p.area, p.drop), dot, plot.series ? p.shells : 1.0);
    }
    if (plot.series) {
        // The shapes' legend along the top, right of the drop axis's name.
        QPointF at(g.box.left() + 6 * em, frame.top() + 0.5 * em);
        for (const double n : design::shell_counts) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(accepted_colour);
            draw_point(painter, at + QPointF(0, 0.05 * em), 1.4 * dot, n);
            painter.setPen(Qt::black);
            place(painter, {{"N", true}, {"s", false, true}, {" = " + QString::number(n)}}, fonts,
                  at + QPointF(0.5 * em, 0), Qt::AlignLeft);
            at += QPointF(4.5 * em, 0);
        }
    }
    const auto ring = [&](std::optional<std::size_t> index, const QColor& colour, double r) {
        if (!index) return;
        for (const PlotPoint& p : plot.points) {
            if (p.index != *index) continue;
            painter.setPen(QPen(colour, 0.1 * em));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(g.at(p.area, p.drop), r, r);
        }
    };
    ring(plot.best, Qt::black, 0.6 * em);
    ring(plot.marked, limit_colour, 0.9 * em);
    painter.restore();
}

std::optional<std::size_t> candidate_at(const SearchPlot& plot, const PlotGeometry& g,
                                        QPointF point, double reach) {
    // An accepted point within reach before any refused one, which may lie on or beside it.
    std::optional<std::size_t> nearest;
    std::pair<bool, double> best{true, reach};
    for (const PlotPoint& p : plot.points) {
        const QPointF d = g.at(p.area, p.drop) - point;
        const std::pair<bool, double> here{!p.accepted, std::hypot(d.x(), d.y())};
        if (here.second <= reach && here <= best) {
            best = here;
            nearest = p.index;
        }
    }
    return nearest;
}

}  // namespace report
