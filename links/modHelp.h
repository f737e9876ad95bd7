#pragma once

#include <QString>

namespace kelt::modHelp {

// Hands the address to the desktop and returns at once; whether a browser could open
// it is neither awaited nor reported.
void OpenInBrowser(const QString &address);

void OpenSitePage(const QString &pageKey);

void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullyBrandedPage();
void OpenSarvelSoftwaresPage();

void OpenTrackedVisit();

} // namespace kelt::modHelp
