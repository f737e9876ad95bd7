#include "modHelp.h"

#include "SiteAddress.h"
#include "modRedirect.h"

#include <QDesktopServices>
#include <QUrl>

namespace kelt::modHelp {

namespace {
void Silent(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

void OpenInBrowser(const QString &address)
{
    // When no browser starts, Qt reports it with the whole address, typed e-mail addresses
    // and all; the program logs nothing, and least of all those.
    const QtMessageHandler previous = qInstallMessageHandler(&Silent);
    QDesktopServices::openUrl(QUrl(address));
    qInstallMessageHandler(previous);
}

void OpenSitePage(const QString &pageKey)
{
    OpenInBrowser(site::PageAddress(pageKey));
}

void OpenHomePage()
{
    OpenSitePage(QLatin1String(site::PageKey::HomePage));
}

void OpenDownloadPage()
{
    OpenSitePage(QLatin1String(site::PageKey::DownloadPage));
}

void OpenDonatePage()
{
    OpenSitePage(QLatin1String(site::PageKey::Donate));
}

void OpenCoBrandPage()
{
    OpenSitePage(QLatin1String(site::PageKey::CoBrand));
}

void OpenFullyBrandedPage()
{
    OpenSitePage(QLatin1String(site::PageKey::FullyBranded));
}

void OpenSarvelSoftwaresPage()
{
    OpenSitePage(QLatin1String(site::PageKey::SarvelSoftwares));
}

void OpenTrackedVisit()
{
    OpenInBrowser(modRedirect::TrackedVisit());
}

} // namespace kelt::modHelp
