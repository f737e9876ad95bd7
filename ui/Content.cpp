#include "Content.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace kelt::content {

QString Text(const QString &name)
{
    QFile file(QStringLiteral(":/text/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

namespace {

// Read as PNG outright: a reader left to guess the format first loads every image plugin
// to ask it, the JPEG library with them, before the first window can show.
QImage Png(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QIcon ProgramIcon()
{
    // Decoded once per run and shared by every window, every new result window included;
    // kept to the end of the process, so never released after the application object.
    static const QIcon *icon = [] {
        auto *i = new QIcon;
        i->addPixmap(QPixmap::fromImage(Png(QStringLiteral(":/icon/kelt-32.png"))));
        i->addPixmap(QPixmap::fromImage(Png(QStringLiteral(":/icon/kelt-64.png"))));
        return i;
    }();
    return *icon;
}

} // namespace kelt::content
