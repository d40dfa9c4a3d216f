// The marks the sheet's drawings share: a label placed by an anchor, an arrowhead, a dimension
// line, an axis's round steps. What each drawing shows is its own.
#pragma once

#include <QPainter>
#include <QPointF>

#include "report/faces.hpp"

namespace report {

// A label placed by `anchor`: its left, middle or right end there, as `horizontal` says, and
// its middle at the anchor's height; on a white ground where a line passes under it.
void place(QPainter& painter, const Label& label, const LabelFonts& fonts, QPointF anchor,
           Qt::Alignment horizontal, bool ground = false);

// A filled arrowhead with its tip at `tip`, pointing along `direction`.
void arrowhead(QPainter& painter, QPointF tip, QPointF direction, double size);

// A line from `a` to `b` with an arrowhead at each end, no larger than a third of it.
void dimension(QPainter& painter, QPointF a, QPointF b, double head);

// The round step, 1, 2 or 5 × 10ⁿ, that cuts `span` into at most `most` pieces.
double round_step(double span, int most);
// A multiple of a round step as a tick shows it: 0.6, not 0.6000000000000001.
QString tick_label(double value);

}  // namespace report
