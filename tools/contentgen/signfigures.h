#pragma once

#include <QString>

class QPainter;

// The figure of each sign in gold, drawn around the origin within a radius of about 72.
namespace SignFigures {

void draw(QPainter &p, const QString &key);

} // namespace SignFigures
