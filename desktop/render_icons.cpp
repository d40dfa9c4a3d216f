// Renders the program's one icon drawing into what a desktop installs: hicolor PNGs at each
// size and a scalable SVG, for the program (apps) and for its case files (mimetypes: the same
// drawing on a page). Run at build time: render_icons <output dir> <icon name> <mime icon>.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>
#include <functional>

#include "window/app_icon.hpp"

namespace {

constexpr int png_sizes[] = {16, 32, 48, 64, 128, 256};
constexpr int svg_size = 128;

using Drawing = std::function<void(QPainter&, int)>;

// A case file: a sheet of paper with its corner folded, the program's drawing on it.
void draw_case_icon(QPainter& painter, int size) {
    const double s = size;
    const double left = s * 0.12, right = s * 0.88, top = s * 0.04, bottom = s * 0.96;
    const double fold = s * 0.22;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), std::max(1.0, s / 48)));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setBrush(QColor(220, 220, 220));
    painter.drawPolygon(QPolygonF({QPointF(right - fold, top), QPointF(right - fold, top + fold),
                                   QPointF(right, top + fold)}));
    painter.save();
    const double inner = s * 0.62;
    painter.translate((s - inner) / 2, s * 0.30);
    window::draw_app_icon(painter, int(inner));
    painter.restore();
}

bool render_png(const QString& directory, const QString& kind, const QString& name, int size,
                const Drawing& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        draw(painter, size);
    }
    const QString folder = QString("%1/%2x%2/%3").arg(directory).arg(size).arg(kind);
    return QDir().mkpath(folder) && image.save(folder + '/' + name + ".png");
}

bool render_svg(const QString& directory, const QString& kind, const QString& name,
                const Drawing& draw) {
    const QString folder = directory + "/scalable/" + kind;
    if (!QDir().mkpath(folder)) return false;
    QSvgGenerator svg;
    svg.setFileName(folder + '/' + name + ".svg");
    svg.setSize(QSize(svg_size, svg_size));
    svg.setViewBox(QRect(0, 0, svg_size, svg_size));
    svg.setTitle(QStringLiteral("管壳式换热器换热面积计算"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    draw(painter, svg_size);
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("usage: render_icons <output dir> <icon name> <mime icon name>\n", stderr);
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const std::pair<QString, Drawing> icons[] = {
        {"apps", window::draw_app_icon},
        {"mimetypes", draw_case_icon},
    };
    bool done = true;
    for (int i = 0; i < 2; ++i) {
        const auto& [kind, draw] = icons[i];
        const QString name = QString::fromLocal8Bit(argv[2 + i]);
        done = render_svg(directory, kind, name, draw) && done;
        for (int size : png_sizes) done = render_png(directory, kind, name, size, draw) && done;
    }
    if (!done) std::fputs("render_icons: could not write the icons\n", stderr);
    return done ? 0 : 1;
}
