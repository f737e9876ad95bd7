#include "shell/ApplicationSetup.h"

#include <QApplication>
#include <QStyleFactory>

namespace kelt {

void SetUpApplication()
{
    // The windows' coloured buttons and lists need a style that honours the palette.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Only EndProgram ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace kelt
