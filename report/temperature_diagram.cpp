#include "report/temperature_diagram.hpp"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "report/faces.hpp"
#include "report/marks.hpp"

namespace report {
namespace {

// Margins around the axes' box, in labels' line heights.
constexpr double left_margin = 2.8, right_margin = 0.6, top_margin = 1.5, bottom_margin = 2.8;

const QColor shell_colour(0xb3, 0x40, 0x0a), tube_colour(0x1f, 0x5a, 0xa6);

// The stream's arrow a little past its middle, pointing the way it flows.
void flow_arrow(QPainter& painter, const QPolygonF& line, bool forwards, double size) {
    const qsizetype i = line.size() * 55 / 100;
    if (i < 1) return;
    const QPointF along = line[i] - line[i - 1];
    arrowhead(painter, forwards ? line[i] : line[i - 1], forwards ? along : -along, size);
}

// A vertical dimension line between two ends, with its label beside it.
void end_difference(QPainter& painter, double x, double y1, double y2, const Label& label,
                    const LabelFonts& fonts, bool label_right, double em) {
    dimension(painter, QPointF(x, y1), QPointF(x, y2), 0.45 * em);
    place(painter, label, fonts, QPointF(label_right ? x + 0.3 * em : x - 0.3 * em, (y1 + y2) / 2),
          label_right ? Qt::AlignLeft : Qt::AlignRight, true);
}

Label difference_label(const QString& end, const QString& value) {
    return {{"Δ"}, {"T", true}, {end, false, true}, {" = " + value + " ℃"}};
}

}  // namespace

DiagramGeometry diagram_geometry(const Diagram& diagram, const QRectF& frame, double em) {
    DiagramGeometry g;
    g.plot =
        frame.adjusted(left_margin * em, top_margin * em, -right_margin * em, -bottom_margin * em);
    if (diagram.profile.empty()) return g;

    const calc::ProfilePoint &first = diagram.profile.front(), &last = diagram.profile.back();
    const double low = std::min({first.shell, first.tube, last.shell, last.tube});
    const double high = std::max({first.shell, first.tube, last.shell, last.tube});
    const double step = round_step(high > low ? high - low : 1.0, 6);
    // The axis from the round number below the lowest end to the one above the highest.
    const double bottom = std::floor(low / step);  // in steps, a whole number
    const double top = std::max(std::ceil(high / step), bottom + 1);
    const double from = bottom * step, to = top * step;

    const auto x_of = [&](double fraction) { return g.plot.left() + fraction * g.plot.width(); };
    const auto y_of = [&](double celsius) {
        return g.plot.bottom() - (celsius - from) / (to - from) * g.plot.height();
    };
    for (int k = 0; k <= 5; ++k) g.fractions << Tick{k / 5.0, tick_label(k / 5.0), x_of(k / 5.0)};
    const auto ticks = static_cast<int>(top - bottom);
    for (int k = 0; k <= ticks; ++k) {
        const double value = (bottom + k) * step;
        g.temperatures << Tick{value, tick_label(value), y_of(value)};
    }
    for (const calc::ProfilePoint& p : diagram.profile) {
        g.shell << QPointF(x_of(p.fraction), y_of(p.shell));
        g.tube << QPointF(x_of(p.fraction), y_of(p.tube));
    }
    return g;
}

void paint_diagram(QPainter& painter, const Diagram& diagram, const QRectF& frame,
                   const LabelFonts& fonts) {
    if (diagram.profile.empty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(fonts.latin);
    const double em = QFontMetricsF(fonts.latin, painter.device()).height();
    const DiagramGeometry g = diagram_geometry(diagram, frame, em);

    painter.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 0.04 * em));
    for (const Tick& t : g.temperatures) {
        painter.drawLine(QPointF(g.plot.left(), t.at), QPointF(g.plot.right(), t.at));
    }
    for (const Tick& t : g.fractions) {
        painter.drawLine(QPointF(t.at, g.plot.top()), QPointF(t.at, g.plot.bottom()));
    }
    painter.setPen(QPen(Qt::black, 0.06 * em));
    painter.drawRect(g.plot);
    for (const Tick& t : g.temperatures) {
        painter.drawLine(QPointF(g.plot.left() - 0.25 * em, t.at), QPointF(g.plot.left(), t.at));
        place(painter, {{t.label}}, fonts, QPointF(g.plot.left() - 0.4 * em, t.at), Qt::AlignRight);
    }
    for (const Tick& t : g.fractions) {
        painter.drawLine(QPointF(t.at, g.plot.bottom()),
                         QPointF(t.at, g.plot.bottom() + 0.25 * em));
        place(painter, {{t.label}}, fonts, QPointF(t.at, g.plot.bottom() + 0.8 * em),
              Qt::AlignHCenter);
    }
    place(painter, {{"温度 / ℃"}}, fonts, QPointF(frame.left(), frame.top() + 0.5 * em),
          Qt::AlignLeft);
    place(painter, {{"换热面积分数 "}, {"A", true}, {"("}, {"x", true}, {")/"}, {"A", true}}, fonts,
          QPointF(g.plot.center().x(), g.plot.bottom() + 2 * em), Qt::AlignHCenter);

    // The streams, each with its arrow; the one above labelled above it, the other below.
    const bool shell_above = diagram.profile.front().shell >= diagram.profile.front().tube;
    const qsizetype at = g.shell.size() * 3 / 10;
    for (const bool shell : {true, false}) {
        const QColor colour = shell ? shell_colour : tube_colour;
        const QPolygonF& line = shell ? g.shell : g.tube;
        painter.setPen(QPen(colour, 0.12 * em, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        painter.setBrush(colour);
        painter.setPen(QPen(colour, 0.04 * em));
        flow_arrow(painter, line, shell, 0.7 * em);  // the shell stream runs from x = 0
        const bool above = shell == shell_above;
        place(painter, {{shell ? diagram.shell_label : QString("管内")}}, fonts,
              line[at] + QPointF(0, (above ? -0.9 : 0.9) * em), Qt::AlignHCenter);
    }

    painter.setPen(QPen(Qt::black, 0.05 * em));
    painter.setBrush(Qt::black);
    end_difference(painter, g.plot.left() + 0.9 * em, g.shell.front().y(), g.tube.front().y(),
                   difference_label("1", diagram.dT1), fonts, true, em);
    end_difference(painter, g.plot.right() - 0.9 * em, g.shell.back().y(), g.tube.back().y(),
                   difference_label("2", diagram.dT2), fonts, false, em);
    painter.restore();
}

}  // namespace report
