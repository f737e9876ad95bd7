#include "links/modHelp.h"

#include "links/SiteAddress.h"
#include "links/modRedirect.h"

#include <QDesktopServices>
#include <QUrl>

namespace kelt::modHelp {

void OpenInBrowser(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
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
    modRedirect::OpenTrackedVisit();
}

} // namespace kelt::modHelp
