#include "ApplicationSetup.h"

#include "ProgramStyle.h"

#include <QApplication>

namespace kelt {

void SetUpApplication()
{
    // The windows' coloured buttons and lists need a style that honours the palette.
    QApplication::setStyle(new ProgramStyle);
    // Only EndProgram ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace kelt
