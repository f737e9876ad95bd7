#pragma once

#include <QBrush>
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPainterPath>

// Program icon: the sun setting on the western horizon (the descendant) in a gold medallion.
namespace AppIcon {

struct Layer
{
    QPainterPath path;
    QBrush brush;
};

// The one description of the icon, in pixel coordinates for a square of the given size.
QList<Layer> layers(qreal size);
QImage render(int size);
QByteArray svg(int size = 256);

} // namespace AppIcon
