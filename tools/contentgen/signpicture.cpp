#include "signpicture.h"

#include "ZodiacSign.h"

#include "drawkit.h"
#include "signfigures.h"
#include "signglyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace SignPicture {

namespace {

constexpr qreal kRimOuter = 95;
constexpr qreal kRimInner = 84;
constexpr qreal kInnerRing = 79.5;

// Alpha of the figure layer, slightly blurred, as a black shadow. Each pass is a 3 x 3 box;
// a picture drawn larger takes more passes so the shadow stays as soft.
QImage shadowOf(const QImage &layer, int opacity, int passes)
{
    const int w = layer.width();
    const int h = layer.height();
    std::vector<int> a(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x)
            a[size_t(y) * w + x] = qAlpha(line[x]);
    }
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<int> b(a.size());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                int n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int xx = x + dx;
                        const int yy = y + dy;
                        if (xx < 0 || yy < 0 || xx >= w || yy >= h)
                            continue;
                        sum += a[size_t(yy) * w + xx];
                        ++n;
                    }
                }
                b[size_t(y) * w + x] = sum / n;
            }
        }
        a.swap(b);
    }
    QImage shadow(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgba(0, 0, 0, a[size_t(y) * w + x] * opacity / 255);
    }
    return shadow;
}

QPainterPath ring(qreal outer, qreal inner)
{
    QPainterPath path;
    path.addEllipse(QPointF(100, 100), outer, outer);
    path.addEllipse(QPointF(100, 100), inner, inner);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void paintMedallion(QPainter &p)
{
    QRadialGradient ground(QPointF(100, 92), 150);
    ground.setColorAt(0.0, QColor(140, 22, 34));
    ground.setColorAt(0.5, QColor(110, 10, 20));
    ground.setColorAt(1.0, QColor(58, 4, 10));
    p.fillRect(QRectF(0, 0, 200, 200), ground);

    // Soft cast shadow so the medallion lifts off the ground.
    for (int i = 0; i < 5; ++i) {
        QPainterPath s;
        s.addEllipse(QPointF(101.5, 103), kRimOuter + 1.5 - i * 0.6, kRimOuter + 1.5 - i * 0.6);
        p.fillPath(s, QColor(0, 0, 0, 22));
    }

    QLinearGradient rim(QPointF(28, 18), QPointF(172, 182));
    rim.setColorAt(0.0, QColor(255, 242, 186));
    rim.setColorAt(0.28, QColor(232, 186, 88));
    rim.setColorAt(0.5, QColor(160, 106, 30));
    rim.setColorAt(0.72, QColor(238, 198, 106));
    rim.setColorAt(1.0, QColor(120, 76, 20));
    p.fillPath(ring(kRimOuter, kRimInner), rim);

    // Bevel: light on the upper left of the outer edge, dark on the inner edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 52, 12), 0.9));
    p.drawEllipse(QPointF(100, 100), kRimOuter - 0.45, kRimOuter - 0.45);
    QLinearGradient bevel(QPointF(30, 30), QPointF(170, 170));
    bevel.setColorAt(0.0, QColor(110, 66, 16));
    bevel.setColorAt(1.0, QColor(255, 236, 170));
    p.setPen(QPen(QBrush(bevel), 1.2));
    p.drawEllipse(QPointF(100, 100), kRimInner + 0.6, kRimInner + 0.6);

    // Beads along the rim, like a struck coin.
    for (int i = 0; i < 48; ++i) {
        const qreal a = i * 2 * std::numbers::pi / 48;
        const QPointF c(100 + 89.5 * std::cos(a), 100 + 89.5 * std::sin(a));
        QRadialGradient bead(c - QPointF(0.5, 0.5), 1.8);
        bead.setColorAt(0.0, QColor(255, 248, 210));
        bead.setColorAt(1.0, QColor(150, 98, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(bead);
        p.drawEllipse(c, 1.35, 1.35);
    }

    QRadialGradient field(QPointF(100, 86), 92);
    field.setColorAt(0.0, QColor(132, 18, 28));
    field.setColorAt(0.6, QColor(104, 9, 18));
    field.setColorAt(1.0, QColor(70, 4, 11));
    QPainterPath inner;
    inner.addEllipse(QPointF(100, 100), kRimInner, kRimInner);
    p.fillPath(inner, field);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(DrawKit::goldBrush(QPointF(30, 30), QPointF(170, 170)), 1.1));
    p.drawEllipse(QPointF(100, 100), kInnerRing, kInnerRing);
}

} // namespace

const QStringList &signKeys()
{
    // The program's own sign list, each name in lower case as the picture files are named.
    static const QStringList keys = [] {
        QStringList list;
        for (const std::string_view sign : kelt::ZodiacSigns)
            list << QString::fromLatin1(sign.data(), static_cast<qsizetype>(sign.size())).toLower();
        return list;
    }();
    return keys;
}

QImage render(const QString &key, int size)
{
    const qreal scale = size / 200.0;
    QImage image(size, size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paintMedallion(p);

    QImage layer(size, size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.scale(scale, scale);
        lp.translate(100, 100);
        SignFigures::draw(lp, key);
    }
    // Anything reaching the inner ring would look cramped; report it and trim it.
    int stray = 0;
    int crowding = 0;
    const qreal limit = (kInnerRing - 2) * scale;
    const QRectF glyphZone(QPointF(88 * scale, 157 * scale), QPointF(112 * scale, 175 * scale));
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(layer.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const qreal dx = x + 0.5 - size / 2.0;
            const qreal dy = y + 0.5 - size / 2.0;
            if (qAlpha(line[x]) > 0 && dx * dx + dy * dy > limit * limit) {
                line[x] = 0;
                ++stray;
            }
            if (qAlpha(line[x]) > 0 && glyphZone.contains(x + 0.5, y + 0.5))
                ++crowding;
        }
    }
    if (stray > 0)
        qWarning("figure %s reaches the rim (%d pixels trimmed)", qPrintable(key), stray);
    if (crowding > 0)
        qWarning("figure %s crowds the sign symbol (%d pixels)", qPrintable(key), crowding);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.scale(scale, scale);
        lp.translate(100, 100);
        SignGlyphs::draw(lp, key, QPointF(0, 66), 6.5);
    }

    p.resetTransform();
    // Box passes add up in variance, so the same softness takes scale squared times as many.
    const int passes = std::max(1, int(std::lround(2 * scale * scale)));
    p.drawImage(QPointF(1.2 * scale, 1.8 * scale), shadowOf(layer, 150, passes));
    p.drawImage(QPointF(0, 0), layer);
    return image;
}

} // namespace SignPicture
