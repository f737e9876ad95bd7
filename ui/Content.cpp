#include "ui/Content.h"

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
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/kelt-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icon/kelt-256.png"), QSize(256, 256));
    return icon;
}

} // namespace kelt::content
