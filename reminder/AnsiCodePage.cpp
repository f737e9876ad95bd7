#include "AnsiCodePage.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <array>
#endif

namespace kelt::ansi {

#ifdef Q_OS_WIN

unsigned char Encode(QChar c)
{
    const wchar_t wide = static_cast<wchar_t>(c.unicode());
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    // Without best fit, as the page's own table reads: Windows would otherwise write "A"
    // for U+0100 where every other platform writes "?".
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                            sizeof bytes, nullptr, &usedDefault);
    if (written != 1 || usedDefault || Decode(static_cast<unsigned char>(bytes[0])) != c)
        return '?';
    return static_cast<unsigned char>(bytes[0]);
}

QChar Decode(unsigned char code)
{
    const char byte = static_cast<char>(code);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) != 1)
        return QChar(code);
    return QChar(static_cast<char16_t>(wide));
}

#else

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the page is Latin-1. The five codes the page
// leaves undefined stand for the control characters of the same number, as on Windows.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

unsigned char Encode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < High.size(); ++i) {
        if (High[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

QChar Decode(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QChar(High[code - 0x80]);
    return QChar(code);
}

#endif

} // namespace kelt::ansi
