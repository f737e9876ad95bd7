#pragma once

#include <QImage>
#include <QString>

// Windows .ico writer for a single 256-colour image with a 1-bit transparency mask.
// Qt's own ico plugin only writes 32-bit entries.
namespace IcoFile {

// Pixels with alpha below 128 become transparent; the rest is reduced to at most 256 colours.
QImage toIndexed(const QImage &image);
bool writeIndexed(const QImage &image, const QString &fileName);

} // namespace IcoFile
