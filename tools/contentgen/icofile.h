#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Windows .ico writer. Qt's own ico plugin only writes 32-bit entries, and no PNG ones.
namespace IcoFile {

struct Entry
{
    enum Kind
    {
        Indexed, // at most 256 colours and a 1-bit transparency mask
        Argb,    // 32-bit colour with alpha, and the mask for readers without alpha
        Png,     // 32-bit colour with alpha, stored as PNG (how 256 x 256 is kept)
    };
    QImage image;
    Kind kind;
};

// Pixels with alpha below 128 become transparent; the rest is reduced to at most 256 colours.
QImage toIndexed(const QImage &image);
// One file holding every entry, in the given order; each at most 256 x 256.
bool write(const QList<Entry> &entries, const QString &fileName);

} // namespace IcoFile
