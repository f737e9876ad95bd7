#pragma once

#include <QString>

namespace kelt::site {

// The maker's web site; every address the program opens is on this host.
inline constexpr char Host[] = "www.sarvelsoftwares.com";
inline constexpr char ProductFolder[] = "/kelt-free-descendant-astrology/";
inline constexpr char Script[] = "ssd.php";

namespace PageKey {
inline constexpr char HomePage[] = "home-page";
inline constexpr char DownloadPage[] = "download-web-page";
inline constexpr char Donate[] = "donate";
inline constexpr char CoBrand[] = "co-brand";
inline constexpr char FullyBranded[] = "fully-branded";
inline constexpr char SarvelSoftwares[] = "sarvelsoftwares";
inline constexpr char ThankYou[] = "thankyou-for-using";
inline constexpr char ReferAFriend[] = "kelsar-refer-a-friend";
} // namespace PageKey

// "http://" and the host, as the about window shows it.
QString SiteAddress();
// The product folder, ending in "/", with no script and no query.
QString ProductFolderAddress();
// The site script with "?page=" and the key.
QString PageAddress(const QString &pageKey);

// A value ready to stand after "=" in a query: UTF-8, everything but letters, digits and
// "-._~" percent-encoded, so that "&", "=", "+", "#" and line breaks cannot break the query.
QString EncodeQueryValue(const QString &value);

} // namespace kelt::site
