#pragma once

#include <QString>

namespace kelt {

// The stored form of setting keys and values: each Latin-1 code plus 85. A character that
// would leave 0..255 is dropped; characters outside Latin-1 count as "?".
QString ScrambleText(const QString &text);
// The inverse: each code minus 85, characters below 85 dropped.
QString UnscrambleText(const QString &text);

} // namespace kelt
