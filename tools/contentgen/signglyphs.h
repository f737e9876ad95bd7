#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

// Astrological sign symbols built from paths, since fonts often lack them.
namespace SignGlyphs {

// Centre line of the symbol in a box from -1 to 1.
QPainterPath glyph(const QString &key);
void draw(QPainter &p, const QString &key, QPointF centre, qreal halfSize, qreal penWidth = 1.7);

} // namespace SignGlyphs
