#include "Content.h"

#include <QFile>

namespace kelt::content {

QString Text(const QString &name)
{
    QFile file(QStringLiteral(":/text/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QIcon ProgramIcon()
{
    // Decoded once per run and shared by every window, every new result window included;
    // kept to the end of the process, so never released after the application object.
    static const QIcon *icon = [] {
        auto *i = new QIcon;
        i->addFile(QStringLiteral(":/icon/kelt-32.png"), QSize(32, 32));
        i->addFile(QStringLiteral(":/icon/kelt-64.png"), QSize(64, 64));
        return i;
    }();
    return *icon;
}

} // namespace kelt::content
