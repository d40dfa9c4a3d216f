// Renders the program's one icon drawing into what a desktop installs: hicolor PNGs at each
// size and a scalable SVG. Run at build time: render_icons <output dir> <icon name>.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "window/app_icon.hpp"

namespace {

constexpr int png_sizes[] = {16, 32, 48, 64, 128};
constexpr int svg_size = 128;

bool render_png(const QString& directory, const QString& name, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        window::draw_app_icon(painter, size);
    }
    const QString folder = QString("%1/%2x%2/apps").arg(directory).arg(size);
    return QDir().mkpath(folder) && image.save(folder + '/' + name + ".png");
}

bool render_svg(const QString& directory, const QString& name) {
    const QString folder = directory + "/scalable/apps";
    if (!QDir().mkpath(folder)) return false;
    QSvgGenerator svg;
    svg.setFileName(folder + '/' + name + ".svg");
    svg.setSize(QSize(svg_size, svg_size));
    svg.setViewBox(QRect(0, 0, svg_size, svg_size));
    svg.setTitle(QStringLiteral("管壳式换热器换热面积计算"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    window::draw_app_icon(painter, svg_size);
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: render_icons <output dir> <icon name>\n", stderr);
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool done = render_svg(directory, name);
    for (int size : png_sizes) done = render_png(directory, name, size) && done;
    if (!done) std::fputs("render_icons: could not write the icons\n", stderr);
    return done ? 0 : 1;
}
