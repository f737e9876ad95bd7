#include "links/Scramble.h"

namespace kelt {

namespace {
constexpr int Offset = 85;
}

QString ScrambleText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = (c.unicode() > 255 ? '?' : c.unicode()) + Offset;
        if (code <= 255)
            out.append(QChar(code));
    }
    return out;
}

QString UnscrambleText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = (c.unicode() > 255 ? '?' : c.unicode()) - Offset;
        if (code >= 0)
            out.append(QChar(code));
    }
    return out;
}

} // namespace kelt
