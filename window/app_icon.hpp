// The program's icon: one drawing of a shell-and-tube exchanger, painted at any size.
// The window paints it at 16 and 32 pixels; the build renders the installed PNGs and SVG
// from the same drawing (desktop/render_icons.cpp).
#pragma once

#include <QIcon>

class QPainter;

namespace window {

// Paints the icon into the square (0, 0, size, size) of `painter`'s device.
void draw_app_icon(QPainter& painter, int size);

QIcon app_icon();

}  // namespace window
