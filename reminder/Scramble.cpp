#include "Scramble.h"

#include "AnsiCodePage.h"

namespace kelt {

namespace {
constexpr int Offset = 85;
}

QString ScrambleText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = ansi::Encode(c) + Offset;
        if (code <= 255)
            out.append(ansi::Decode(static_cast<unsigned char>(code)));
    }
    return out;
}

QString UnscrambleText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = ansi::Encode(c) - Offset;
        if (code >= 0)
            out.append(ansi::Decode(static_cast<unsigned char>(code)));
    }
    return out;
}

} // namespace kelt
