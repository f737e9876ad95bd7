#pragma once

#include <QBrush>
#include <QPainterPath>
#include <QPointF>

#include <functional>
#include <initializer_list>

class QPainter;

// Small path toolbox shared by the sign figures, glyphs and medallion.
namespace DrawKit {

using WidthFn = std::function<qreal(qreal)>;

// Filled band of varying width following a single-subpath spine.
QPainterPath ribbon(const QPainterPath &spine, const WidthFn &width, int steps = 96);
QPainterPath ribbon(const QPainterPath &spine, qreal startWidth, qreal endWidth, int steps = 96);
// Short strokes across a ribbon, used for horn ridges and scales.
QPainterPath crossLines(const QPainterPath &spine, const WidthFn &width, qreal from, qreal to,
                        int count, qreal fraction = 0.8);
QPainterPath stroked(const QPainterPath &path, qreal width, bool roundCaps = true);
QPainterPath mirrored(const QPainterPath &path);
QPainterPath moved(const QPainterPath &path, QPointF offset, qreal angleDeg = 0, qreal scale = 1);
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal angleDeg = 0);
QPainterPath circle(QPointF centre, qreal r);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath polyline(std::initializer_list<QPointF> points);
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points);

QBrush goldBrush(QPointF from, QPointF to);

// Figure layer operations: gold fills with a carved outline, carved lines and holes.
void gold(QPainter &p, const QPainterPath &path, qreal outline = 1.5);
void carve(QPainter &p, const QPainterPath &path, qreal width);
void hole(QPainter &p, const QPainterPath &path);

} // namespace DrawKit
