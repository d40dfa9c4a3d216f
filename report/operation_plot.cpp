#include "report/operation_plot.hpp"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "report/marks.hpp"

namespace report {
namespace {

const QColor tube_colour(0x1f, 0x5a, 0xa6), shell_colour(0xb3, 0x40, 0x0a),
    duty_colour(0x2e, 0x7d, 0x32), design_colour(0x70, 0x70, 0x70);

// Margins around the axes' box, in labels' line heights.
constexpr double left_margin = 3.4, right_margin = 3.6, top_margin = 2.4, bottom_margin = 2.8;

struct Axis {
    double low, high, step;
};

int ticks(const Axis& a) {
    return static_cast<int>(std::lround((a.high - a.low) / a.step));
}

// From a round step below the least to one above the most, at most `most` steps.
Axis axis_of(double least, double most, int ticks) {
    if (!(most > least)) {
        least -= 1.0;
        most += 1.0;
    }
    const double step = round_step(most - least, ticks);
    return {std::floor(least / step) * step, std::ceil(most / step) * step, step};
}

}  // namespace

OperationPlot operation_plot(const std::vector<design::SweepPoint>& sweep, const QString& name,
                             double design_input) {
    OperationPlot plot{name, {}, design_input};
    for (const design::SweepPoint& p : sweep) {
        if (!p.simulation) continue;
        const design::SimulatedState& s = p.simulation->states.front();
        plot.points.push_back({p.value, s.tube_outlet, s.shell_outlet, s.duty / 1000.0});
    }
    return plot;
}

void paint_operation_plot(QPainter& painter, const OperationPlot& plot, const QRectF& frame,
                          const LabelFonts& fonts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double em = QFontMetricsF(fonts.latin, painter.device()).height();
    const QRectF box =
        frame.adjusted(left_margin * em, top_margin * em, -right_margin * em, -bottom_margin * em);
    painter.setPen(QPen(Qt::black, 0.06 * em));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    if (plot.points.empty()) {
        place(painter, {{"没有可画的点"}}, fonts, box.center(), Qt::AlignHCenter);
        painter.restore();
        return;
    }
    double x_low = plot.design_input, x_high = plot.design_input;
    double t_low = plot.points.front().tube_outlet, t_high = t_low;
    double q_high = 0;
    for (const OperationPoint& p : plot.points) {
        x_low = std::min(x_low, p.input);
        x_high = std::max(x_high, p.input);
        t_low = std::min({t_low, p.tube_outlet, p.shell_outlet});
        t_high = std::max({t_high, p.tube_outlet, p.shell_outlet});
        q_high = std::max(q_high, p.duty);
    }
    const Axis x = axis_of(x_low, x_high, 6), t = axis_of(t_low, t_high, 5),
               q = axis_of(0.0, q_high > 0 ? q_high : 1.0, 5);
    const auto at_x = [&](double v) {
        return box.left() + box.width() * (v - x.low) / (x.high - x.low);
    };
    const auto at_t = [&](double v) {
        return box.bottom() - box.height() * (v - t.low) / (t.high - t.low);
    };
    const auto at_q = [&](double v) {
        return box.bottom() - box.height() * (v - q.low) / (q.high - q.low);
    };
    for (int k = 0; k <= ticks(x); ++k) {
        const double v = x.low + k * x.step;
        const QPointF p(at_x(v), box.bottom());
        painter.drawLine(p, p + QPointF(0, 0.25 * em));
        place(painter, {{tick_label(v)}}, fonts, p + QPointF(0, 0.8 * em), Qt::AlignHCenter);
    }
    for (int k = 0; k <= ticks(t); ++k) {
        const double v = t.low + k * t.step;
        const QPointF p(box.left(), at_t(v));
        painter.drawLine(p, p - QPointF(0.25 * em, 0));
        place(painter, {{tick_label(v)}}, fonts, p - QPointF(0.4 * em, 0), Qt::AlignRight);
    }
    for (int k = 0; k <= ticks(q); ++k) {
        const double v = q.low + k * q.step;
        const QPointF p(box.right(), at_q(v));
        painter.drawLine(p, p + QPointF(0.25 * em, 0));
        place(painter, {{tick_label(v)}}, fonts, p + QPointF(0.4 * em, 0), Qt::AlignLeft);
    }
    place(painter, {{"出口温度 / ℃"}}, fonts, QPointF(frame.left(), frame.top() + 0.6 * em),
          Qt::AlignLeft);
    place(painter, {{"Q", true}, {" / kW"}}, fonts, QPointF(frame.right(), frame.top() + 0.6 * em),
          Qt::AlignRight);
    place(painter, {{plot.input_name}}, fonts, QPointF(box.center().x(), box.bottom() + 2 * em),
          Qt::AlignHCenter);

    // The design's value of the input.
    painter.setPen(QPen(design_colour, 0.08 * em, Qt::DashLine));
    painter.drawLine(QPointF(at_x(plot.design_input), box.top()),
                     QPointF(at_x(plot.design_input), box.bottom()));
    place(painter, {{"设计点"}}, fonts,
          QPointF(at_x(plot.design_input) + 0.3 * em, box.top() + 0.7 * em), Qt::AlignLeft, true);

    const auto curve = [&](const QColor& colour, auto value, auto scale) {
        QPainterPath path;
        for (std::size_t i = 0; i < plot.points.size(); ++i) {
            const QPointF p(at_x(plot.points[i].input), scale(value(plot.points[i])));
            if (i == 0) {
                path.moveTo(p);
            } else {
                path.lineTo(p);
            }
        }
        painter.setPen(QPen(colour, 0.12 * em));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const OperationPoint& p : plot.points) {
            painter.drawEllipse(QPointF(at_x(p.input), scale(value(p))), 0.2 * em, 0.2 * em);
        }
    };
    curve(
        tube_colour, [](const OperationPoint& p) { return p.tube_outlet; }, at_t);
    curve(
        shell_colour, [](const OperationPoint& p) { return p.shell_outlet; }, at_t);
    curve(
        duty_colour, [](const OperationPoint& p) { return p.duty; }, at_q);

    // The legend along the top.
    QPointF key(box.left() + 0.5 * em, frame.top() + 1.6 * em);
    const std::array<std::pair<QColor, Label>, 3> legend{{
        {tube_colour, {{"管内出口 "}, {"t", true}, {"2", false, true}}},
        {shell_colour, {{"管外出口 "}, {"T", true}, {"2", false, true}}},
        {duty_colour, {{"传热量 "}, {"Q", true}}},
    }};
    for (const auto& [colour, label] : legend) {
        painter.setPen(QPen(colour, 0.12 * em));
        painter.drawLine(key, key + QPointF(1.2 * em, 0));
        painter.setPen(Qt::black);
        place(painter, label, fonts, key + QPointF(1.5 * em, 0), Qt::AlignLeft);
        key += QPointF(label_width(painter, label, fonts) + 3.0 * em, 0);
    }
    painter.restore();
}

}  // namespace report
