#include "modRedirect.h"

#include "SiteAddress.h"

#include <QCryptographicHash>
#include <QSysInfo>

namespace kelt::modRedirect {

namespace {
constexpr char Salt[] = "kelt-descendant-astrology/system-id/1";
}

QString ComputerIdentifier()
{
    QByteArray source = QSysInfo::machineUniqueId();
    if (source.isEmpty())
        source = QSysInfo::machineHostName().toUtf8();
    if (source.isEmpty())
        source = "unknown-computer";
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(Salt));
    hash.addData(source);
    return QString::fromLatin1(hash.result().toHex().left(32));
}

QString TrackedVisitAddress(const QString &systemId, const QString &userName,
                            const QString &userEmail)
{
    using site::EncodeQueryValue;
    return site::PageAddress(QLatin1String(site::PageKey::ThankYou)) +
           QStringLiteral("&software_id=") + EncodeQueryValue(QLatin1String(SoftwareId)) +
           QStringLiteral("&system_id=") + EncodeQueryValue(systemId) +
           QStringLiteral("&user_name=") + EncodeQueryValue(userName) +
           QStringLiteral("&user_email=") + EncodeQueryValue(userEmail);
}

QString TrackedVisit()
{
    return TrackedVisitAddress(ComputerIdentifier(), QString(), QString());
}

} // namespace kelt::modRedirect
