#include "SiteAddress.h"

#include <QUrl>

namespace kelt::site {

QString SiteAddress()
{
    return QStringLiteral("http://") + QLatin1String(Host);
}

QString ProductFolderAddress()
{
    return SiteAddress() + QLatin1String(ProductFolder);
}

QString PageAddress(const QString &pageKey)
{
    return ProductFolderAddress() + QLatin1String(Script) + QStringLiteral("?page=") + pageKey;
}

QString EncodeQueryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace kelt::site
