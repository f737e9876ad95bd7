#pragma once

#include <QString>

namespace kelt {

// The stored form of setting keys and values: each character's ANSI code plus 85. A
// character that would leave 0..255 is dropped; characters the code page lacks count as "?".
QString ScrambleText(const QString &text);
// The inverse: each code minus 85, characters below 85 dropped.
QString UnscrambleText(const QString &text);

} // namespace kelt
