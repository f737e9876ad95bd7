#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Sign pictures: the sign's figure on a gold-rimmed medallion over dark red.
namespace SignPicture {

const QStringList &signKeys();
QImage render(const QString &key, int size = 200);

} // namespace SignPicture
