#include "drawkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace DrawKit {

namespace {

QPointF unitNormal(const QPainterPath &spine, qreal t)
{
    const qreal eps = 0.004;
    const QPointF a = spine.pointAtPercent(std::max<qreal>(0, t - eps));
    const QPointF b = spine.pointAtPercent(std::min<qreal>(1, t + eps));
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    if (len < 1e-9)
        return {0, 0};
    return {-d.y() / len, d.x() / len};
}

} // namespace

QPainterPath ribbon(const QPainterPath &spine, const WidthFn &width, int steps)
{
    QPolygonF left;
    QPolygonF right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF c = spine.pointAtPercent(t);
        const QPointF n = unitNormal(spine, t) * (width(t) / 2);
        left << c + n;
        right << c - n;
    }
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(left.first());
    for (int i = 1; i < left.size(); ++i)
        path.lineTo(left[i]);
    for (int i = right.size() - 1; i >= 0; --i)
        path.lineTo(right[i]);
    path.closeSubpath();
    return path;
}

QPainterPath ribbon(const QPainterPath &spine, qreal startWidth, qreal endWidth, int steps)
{
    return ribbon(
        spine, [=](qreal t) { return startWidth + (endWidth - startWidth) * t; }, steps);
}

QPainterPath crossLines(const QPainterPath &spine, const WidthFn &width, qreal from, qreal to,
                        int count, qreal fraction)
{
    QPainterPath lines;
    for (int i = 0; i < count; ++i) {
        const qreal t = count == 1 ? from : from + (to - from) * i / (count - 1);
        const QPointF c = spine.pointAtPercent(t);
        const QPointF n = unitNormal(spine, t) * (width(t) * fraction / 2);
        lines.moveTo(c + n);
        lines.lineTo(c - n);
    }
    return lines;
}

QPainterPath stroked(const QPainterPath &path, qreal width, bool roundCaps)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(roundCaps ? Qt::RoundCap : Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    // Merge the overlapping pieces the stroker emits so carved outlines only follow the rim.
    QPainterPath out = stroker.createStroke(path);
    out.setFillRule(Qt::WindingFill);
    return out.simplified();
}

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform::fromScale(-1, 1).map(path);
}

QPainterPath moved(const QPainterPath &path, QPointF offset, qreal angleDeg, qreal scale)
{
    QTransform t;
    t.translate(offset.x(), offset.y());
    t.rotate(angleDeg);
    t.scale(scale, scale);
    return t.map(path);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal angleDeg)
{
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), rx, ry);
    return moved(e, centre, angleDeg);
}

QPainterPath circle(QPointF centre, qreal r)
{
    return ellipse(centre, r, r);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const qreal r = (i % 2) ? inner : outer;
        poly << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QBrush goldBrush(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(255, 244, 196));
    g.setColorAt(0.35, QColor(246, 214, 128));
    g.setColorAt(0.7, QColor(222, 170, 72));
    g.setColorAt(1.0, QColor(176, 122, 38));
    return QBrush(g);
}

void gold(QPainter &p, const QPainterPath &path, qreal outline)
{
    p.fillPath(path, goldBrush(QPointF(-50, -70), QPointF(45, 70)));
    if (outline > 0)
        carve(p, path, outline);
}

void carve(QPainter &p, const QPainterPath &path, qreal width)
{
    // Erasing instead of painting dark lets the red field show through the gaps.
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
}

void hole(QPainter &p, const QPainterPath &path)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.fillPath(path, Qt::black);
    p.restore();
}

} // namespace DrawKit
