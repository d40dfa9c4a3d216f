#include "report/marks.hpp"

#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace report {

// A label placed by `anchor`: its left, middle or right end there, as `horizontal` says, and
// its middle at the anchor's height; on a white ground where a line passes under it.
void place(QPainter& painter, const Label& label, const LabelFonts& fonts, QPointF anchor,
           Qt::Alignment horizontal, bool ground) {
    const QFontMetricsF metrics(fonts.latin, painter.device());
    const double width = label_width(painter, label, fonts);
    double left = anchor.x();
    if (horizontal & Qt::AlignHCenter) left -= width / 2;
    if (horizontal & Qt::AlignRight) left -= width;
    if (ground) {
        painter.fillRect(QRectF(left - metrics.height() * 0.15, anchor.y() - metrics.height() / 2,
                                width + metrics.height() * 0.3, metrics.height()),
                         Qt::white);
    }
    draw_label(painter, label, fonts, left,
               anchor.y() + (metrics.ascent() - metrics.descent()) / 2);
}

// A filled arrowhead with its tip at `tip`, pointing along `direction`.
void arrowhead(QPainter& painter, QPointF tip, QPointF direction, double size) {
    const double length = std::hypot(direction.x(), direction.y());
    if (length == 0) return;
    const QPointF d = direction / length, n(-d.y(), d.x());
    painter.drawPolygon(
        QPolygonF{tip, tip - size * d + 0.35 * size * n, tip - size * d - 0.35 * size * n});
}

void dimension(QPainter& painter, QPointF a, QPointF b, double head) {
    painter.drawLine(a, b);
    const double size = std::min(head, std::hypot(b.x() - a.x(), b.y() - a.y()) / 3);
    arrowhead(painter, a, a - b, size);
    arrowhead(painter, b, b - a, size);
}

double round_step(double span, int most) {
    const double rough = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= rough * (1 - 1e-12)) return m * power;
    }
    return 10 * power;
}

QString tick_label(double value) {
    return QString::number(value, 'g', 12);
}

}  // namespace report
