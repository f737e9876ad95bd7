#include "signglyphs.h"

#include "drawkit.h"

#include <QPainter>
#include <QTransform>

namespace SignGlyphs {

namespace {

QPainterPath aries()
{
    QPainterPath half;
    half.moveTo(0, 0.95);
    half.lineTo(0, -0.3);
    half.cubicTo(0, -0.95, -0.85, -1.1, -0.9, -0.45);
    half.cubicTo(-0.92, -0.1, -0.72, 0.02, -0.55, -0.05);
    return half + DrawKit::mirrored(half);
}

QPainterPath taurus()
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0.38), 0.52, 0.52);
    path.moveTo(-0.95, -0.95);
    path.cubicTo(-0.7, -0.2, 0.7, -0.2, 0.95, -0.95);
    return path;
}

QPainterPath gemini()
{
    QPainterPath path;
    path.moveTo(-0.9, -0.95);
    path.quadTo(0, -0.55, 0.9, -0.95);
    path.moveTo(-0.9, 0.95);
    path.quadTo(0, 0.55, 0.9, 0.95);
    path.moveTo(-0.4, -0.72);
    path.lineTo(-0.4, 0.72);
    path.moveTo(0.4, -0.72);
    path.lineTo(0.4, 0.72);
    return path;
}

QPainterPath cancer()
{
    QPainterPath half;
    half.addEllipse(QPointF(-0.55, -0.3), 0.3, 0.3);
    half.moveTo(-0.55, -0.6);
    half.cubicTo(0.0, -0.9, 0.6, -0.75, 0.95, -0.4);
    return half + QTransform::fromScale(-1, -1).map(half);
}

QPainterPath leo()
{
    QPainterPath path;
    path.addEllipse(QPointF(-0.55, 0.35), 0.32, 0.32);
    path.moveTo(-0.3, 0.15);
    path.cubicTo(-0.55, -0.5, -0.2, -1.0, 0.25, -0.95);
    path.cubicTo(0.75, -0.9, 0.7, -0.35, 0.45, 0.05);
    path.cubicTo(0.2, 0.45, 0.3, 0.95, 0.65, 0.9);
    path.cubicTo(0.8, 0.88, 0.9, 0.8, 0.95, 0.7);
    return path;
}

// The shared "m" of Virgo and Scorpio.
QPainterPath emm()
{
    QPainterPath path;
    path.moveTo(-0.95, -0.65);
    path.quadTo(-0.75, -0.85, -0.7, -0.5);
    path.lineTo(-0.7, 0.7);
    path.moveTo(-0.7, -0.35);
    path.quadTo(-0.45, -0.95, -0.2, -0.4);
    path.lineTo(-0.2, 0.7);
    path.moveTo(-0.2, -0.35);
    path.quadTo(0.05, -0.95, 0.3, -0.4);
    return path;
}

QPainterPath virgo()
{
    QPainterPath path = emm();
    path.lineTo(0.3, 0.45);
    path.cubicTo(0.3, 0.9, 0.5, 1.0, 0.75, 0.9);
    path.moveTo(0.3, 0.25);
    path.cubicTo(0.45, -0.35, 1.0, -0.3, 0.9, 0.15);
    path.cubicTo(0.82, 0.5, 0.45, 0.7, 0.2, 0.95);
    return path;
}

QPainterPath libra()
{
    QPainterPath path;
    path.moveTo(-0.95, 0.7);
    path.lineTo(0.95, 0.7);
    path.moveTo(-0.95, 0.25);
    path.lineTo(-0.38, 0.25);
    path.cubicTo(-0.65, -0.1, -0.45, -0.75, 0, -0.75);
    path.cubicTo(0.45, -0.75, 0.65, -0.1, 0.38, 0.25);
    path.lineTo(0.95, 0.25);
    return path;
}

QPainterPath scorpio()
{
    QPainterPath path = emm();
    path.lineTo(0.3, 0.55);
    path.quadTo(0.3, 0.9, 0.6, 0.75);
    path.lineTo(0.95, 0.45);
    path.moveTo(0.55, 0.42);
    path.lineTo(0.95, 0.45);
    path.lineTo(0.9, 0.85);
    return path;
}

QPainterPath sagittarius()
{
    QPainterPath path;
    path.moveTo(-0.85, 0.85);
    path.lineTo(0.85, -0.85);
    path.moveTo(0.15, -0.85);
    path.lineTo(0.85, -0.85);
    path.lineTo(0.85, -0.15);
    path.moveTo(-0.6, -0.1);
    path.lineTo(0.1, 0.6);
    return path;
}

QPainterPath capricorn()
{
    QPainterPath path;
    path.moveTo(-0.95, -0.55);
    path.quadTo(-0.75, -0.8, -0.6, -0.45);
    path.lineTo(-0.3, 0.75);
    path.lineTo(-0.05, -0.45);
    path.quadTo(0.1, -0.85, 0.3, -0.45);
    path.lineTo(0.3, 0.35);
    path.cubicTo(0.3, 0.95, 0.95, 0.9, 0.92, 0.45);
    path.cubicTo(0.9, 0.1, 0.45, 0.1, 0.32, 0.45);
    path.cubicTo(0.22, 0.75, 0.05, 0.95, -0.15, 0.95);
    return path;
}

QPainterPath aquarius()
{
    QPainterPath path;
    for (const qreal y : {-0.3, 0.45}) {
        path.moveTo(-0.95, y + 0.15);
        for (int i = 0; i < 4; ++i) {
            const qreal x = -0.95 + i * 0.475;
            path.lineTo(x + 0.2375, y - 0.25);
            path.lineTo(x + 0.475, y + 0.15);
        }
    }
    return path;
}

QPainterPath pisces()
{
    QPainterPath path;
    path.moveTo(-0.75, -0.95);
    path.quadTo(-0.05, 0, -0.75, 0.95);
    path.moveTo(0.75, -0.95);
    path.quadTo(0.05, 0, 0.75, 0.95);
    path.moveTo(-0.75, 0);
    path.lineTo(0.75, 0);
    return path;
}

} // namespace

QPainterPath glyph(const QString &key)
{
    if (key == QLatin1String("aries"))
        return aries();
    if (key == QLatin1String("taurus"))
        return taurus();
    if (key == QLatin1String("gemini"))
        return gemini();
    if (key == QLatin1String("cancer"))
        return cancer();
    if (key == QLatin1String("leo"))
        return leo();
    if (key == QLatin1String("virgo"))
        return virgo();
    if (key == QLatin1String("libra"))
        return libra();
    if (key == QLatin1String("scorpio"))
        return scorpio();
    if (key == QLatin1String("sagittarius"))
        return sagittarius();
    if (key == QLatin1String("capricorn"))
        return capricorn();
    if (key == QLatin1String("aquarius"))
        return aquarius();
    if (key == QLatin1String("pisces"))
        return pisces();
    return {};
}

void draw(QPainter &p, const QString &key, QPointF centre, qreal halfSize, qreal penWidth)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(halfSize, halfSize);
    DrawKit::gold(p, DrawKit::stroked(t.map(glyph(key)), penWidth), 0);
}

} // namespace SignGlyphs
