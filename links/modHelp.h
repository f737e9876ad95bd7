#pragma once

#include <QString>

namespace kelt::modHelp {

// The longest address the desktop is sure to hand to the browser whole. Linux passes it on
// as one argument, of at most 131,071 bytes, with room left for the launchers in between.
// Windows' shell takes 2,083 characters; Wine's builds the browser's command in 1,024, and
// from 985 cuts an address to "http://", loses it or crashes inside the program.
#ifdef Q_OS_WIN
inline constexpr qsizetype MaxAddressLength = 900;
#else
inline constexpr qsizetype MaxAddressLength = 100000;
#endif

// Hands the address to the desktop and returns at once; whether a browser could open
// it is neither awaited nor reported. The address is at most MaxAddressLength long.
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
