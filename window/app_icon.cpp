#include "window/app_icon.hpp"

#include <QPainter>
#include <QPixmap>

namespace window {

// A grey shell with a nozzle at each end and blue tubes running through it.
void draw_app_icon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, size >= 32);
    const double u = size / 16.0;

    painter.setPen(QPen(QColor(60, 60, 60), u));
    painter.setBrush(QColor(200, 200, 205));
    painter.drawRoundedRect(QRectF(1.5 * u, 4.5 * u, 13 * u, 7 * u), 2 * u, 2 * u);
    painter.drawRect(QRectF(4 * u, 2 * u, 2 * u, 2.5 * u));      // shell inlet
    painter.drawRect(QRectF(10 * u, 11.5 * u, 2 * u, 2.5 * u));  // shell outlet

    painter.setPen(QPen(QColor(0, 0, 255), u));
    for (double y : {6.5, 8.0, 9.5}) painter.drawLine(QPointF(0, y * u), QPointF(size, y * u));
    painter.restore();
}

namespace {

QPixmap exchanger(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw_app_icon(painter, size);
    return pixmap;
}

}  // namespace

QIcon app_icon() {
    QIcon icon;
    icon.addPixmap(exchanger(16));
    icon.addPixmap(exchanger(32));
    return icon;
}

}  // namespace window
