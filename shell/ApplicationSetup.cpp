#include "ApplicationSetup.h"

#include "AccessibleControls.h"
#include "Look.h"
#include "ProgramStyle.h"

#include <QApplication>

namespace kelt {

void SetUpApplication()
{
    // The windows' coloured buttons and lists need a style that honours the palette.
    QApplication::setStyle(new ProgramStyle);
    // The windows' colours are fixed, so their text colours must not follow a dark theme.
    look::FixApplicationPalette();
    // Desktops match the windows to the menu entry by this, whichever command started it.
    QGuiApplication::setDesktopFileName(
        QStringLiteral("com.sarvelsoftwares.kelt_descendant_astrology"));
    // Only EndProgram ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the first window: Qt keeps the first interface it makes for each widget.
    InstallAccessibleControls();
}

} // namespace kelt
