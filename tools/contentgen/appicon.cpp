#include "appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace AppIcon {

namespace {

QPainterPath disc(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QBrush goldLinear(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(255, 242, 186));
    g.setColorAt(0.3, QColor(236, 192, 96));
    g.setColorAt(0.55, QColor(168, 112, 34));
    g.setColorAt(0.75, QColor(240, 202, 110));
    g.setColorAt(1.0, QColor(124, 78, 20));
    return QBrush(g);
}

QString num(qreal v)
{
    QString s = QString::number(v, 'f', 3);
    while (s.contains(QLatin1Char('.')) &&
           (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString colour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString pathData(const QPainterPath &path)
{
    QStringList parts;
    QPointF subpathStart;
    QPointF last;
    bool open = false;
    auto closeIfLooped = [&]() {
        if (open && last == subpathStart)
            parts << QStringLiteral("Z");
        open = false;
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            closeIfLooped();
            parts << QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
            subpathStart = last = QPointF(e.x, e.y);
            open = true;
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
            last = QPointF(e.x, e.y);
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            parts << QStringLiteral("C%1 %2 %3 %4 %5 %6")
                         .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            last = QPointF(end.x, end.y);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    closeIfLooped();
    return parts.join(QLatin1Char(' '));
}

QString gradientStops(const QGradient &g)
{
    QString out;
    for (const auto &[pos, c] : g.stops()) {
        out += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"%3/>")
                   .arg(num(pos), colour(c),
                        c.alpha() == 255
                            ? QString()
                            : QStringLiteral(" stop-opacity=\"%1\"").arg(num(c.alphaF())));
    }
    return out;
}

} // namespace

QList<Layer> layers(qreal size)
{
    const QPointF c(size / 2, size / 2);
    const qreal r = size / 2 - std::max<qreal>(0.5, size * 0.01);
    QList<Layer> out;

    out.append({disc(c, r), goldLinear(c - QPointF(r, r) * 0.75, c + QPointF(r, r) * 0.75)});
    out.append({disc(c, r * 0.82), QColor(58, 6, 12)});

    const qreal fieldR = r * 0.78;
    const QPainterPath field = disc(c, fieldR);
    QRadialGradient ground(c - QPointF(0, r * 0.15), r);
    ground.setColorAt(0.0, QColor(156, 26, 38));
    ground.setColorAt(0.6, QColor(108, 10, 20));
    ground.setColorAt(1.0, QColor(70, 4, 11));
    out.append({field, QBrush(ground)});

    // Everything on the field is clipped to it. Small sizes drop the finer parts and keep
    // the horizontal edges on whole pixels so they stay sharp.
    const bool small = size < 24;
    const bool medium = !small && size < 40;
    const bool snap = size < 64;
    auto px = [&](qreal v) { return snap ? std::round(v) : v; };
    const qreal horizon = px(c.y() + r * (small ? 0.12 : 0.16));
    const qreal line = snap ? std::max<qreal>(1, std::round(r * 0.08)) : r * 0.07;
    const QBrush gold = goldLinear(c - QPointF(r, r) * 0.9, c + QPointF(r, r) * 0.9);

    if (!small) {
        QPainterPath rays;
        const int rayCount = medium ? 5 : 7;
        const qreal half = medium ? 0.13 : 0.075;
        const QPointF base(c.x(), horizon);
        auto polar = [&](qreal rr, qreal aa) {
            return base + QPointF(rr * std::cos(aa), rr * std::sin(aa));
        };
        for (int i = 0; i < rayCount; ++i) {
            const qreal a = std::numbers::pi * (1 + (i + 1.0) / (rayCount + 1));
            QPolygonF wedge;
            wedge << polar(r * 0.46, a - half) << polar(r * 0.68, a) << polar(r * 0.46, a + half);
            rays.addPolygon(wedge);
            rays.closeSubpath();
        }
        out.append({rays.intersected(field), gold});
    }

    QPainterPath upper;
    upper.addRect(QRectF(c.x() - r, c.y() - r, 2 * r, horizon - (c.y() - r)));
    const qreal sunR = r * (small ? 0.44 : 0.36);
    QRadialGradient sunGlow(QPointF(c.x(), horizon - sunR * 0.35), sunR);
    sunGlow.setColorAt(0.0, QColor(255, 250, 214));
    sunGlow.setColorAt(0.7, QColor(250, 210, 110));
    sunGlow.setColorAt(1.0, QColor(232, 168, 60));
    out.append({disc(QPointF(c.x(), horizon), sunR).intersected(upper), QBrush(sunGlow)});

    // The horizon and the sun's reflection on the water below it.
    QPainterPath below;
    const qreal gap = snap ? 1 : line * 0.4;
    below.addRect(QRectF(c.x() - r, horizon + gap, 2 * r, line));
    const qreal widths[] = {0.6, 0.36, 0.16};
    const int bars = small ? 1 : medium ? 2 : 3;
    for (int i = 0; i < bars; ++i) {
        const qreal y = horizon + gap + (line + gap + (snap ? 0 : line * 0.6)) * (i + 1);
        const qreal w = r * widths[i];
        below.addRect(QRectF(px(c.x() - w), y, 2 * (c.x() - px(c.x() - w)), line));
    }
    out.append({below.intersected(field), gold});

    if (small || medium)
        return out;
    // The evening star over the western sky.
    QPainterPath star;
    const QPointF sc = c + QPointF(-r * 0.4, -r * 0.42);
    const qreal so = r * 0.15;
    const qreal si = so * 0.3;
    star.moveTo(sc + QPointF(0, -so));
    star.lineTo(sc + QPointF(si, -si));
    star.lineTo(sc + QPointF(so, 0));
    star.lineTo(sc + QPointF(si, si));
    star.lineTo(sc + QPointF(0, so));
    star.lineTo(sc + QPointF(-si, si));
    star.lineTo(sc + QPointF(-so, 0));
    star.lineTo(sc + QPointF(-si, -si));
    star.closeSubpath();
    out.append({star, QColor(255, 240, 196)});
    return out;
}

QImage render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Layer &layer : layers(size))
        p.fillPath(layer.path, layer.brush);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray svg(int size)
{
    QString defs;
    QString body;
    int gradientId = 0;
    for (const Layer &layer : layers(size)) {
        QString fill;
        const QGradient *g = layer.brush.gradient();
        if (g && g->type() == QGradient::LinearGradient) {
            const auto *lg = static_cast<const QLinearGradient *>(g);
            const QString id = QStringLiteral("g%1").arg(++gradientId);
            defs += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">%6</linearGradient>\n")
                        .arg(id, num(lg->start().x()), num(lg->start().y()),
                             num(lg->finalStop().x()), num(lg->finalStop().y()), gradientStops(*g));
            fill = QStringLiteral("url(#%1)").arg(id);
        } else if (g && g->type() == QGradient::RadialGradient) {
            const auto *rg = static_cast<const QRadialGradient *>(g);
            const QString id = QStringLiteral("g%1").arg(++gradientId);
            defs +=
                QStringLiteral("<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                               "cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">%7"
                               "</radialGradient>\n")
                    .arg(id, num(rg->center().x()), num(rg->center().y()), num(rg->radius()),
                         num(rg->focalPoint().x()), num(rg->focalPoint().y()), gradientStops(*g));
            fill = QStringLiteral("url(#%1)").arg(id);
        } else {
            fill = colour(layer.brush.color());
        }
        body += QStringLiteral("<path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
                    .arg(fill,
                         layer.path.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd")
                                                                  : QStringLiteral("nonzero"),
                         pathData(layer.path));
    }
    const QString doc = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                       "height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                                       "<title>Kelt Descendant Astrology</title>\n"
                                       "<defs>\n%2</defs>\n%3</svg>\n")
                            .arg(QString::number(size), defs, body);
    return doc.toUtf8();
}

} // namespace AppIcon
