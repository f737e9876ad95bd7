#pragma once

#include <QChar>

namespace kelt::ansi {

// Character codes of the system's ANSI code page, as the Windows original reads them:
// that page itself on Windows, Windows-1252 elsewhere. A character the page lacks
// counts as "?", as Windows converts it.
unsigned char Encode(QChar c);
QChar Decode(unsigned char code);

} // namespace kelt::ansi
