#pragma once

#include <QPixmap>
#include <QString>

namespace kelt {

// A reading as the result window shows it: the descendant sign, its picture and its
// paragraph.
struct ShownReading
{
    QString sign;
    QPixmap picture;
    QString text;
};

} // namespace kelt
