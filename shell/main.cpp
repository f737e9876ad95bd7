#include "shell/Program.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The windows' coloured buttons and lists need a style that honours the palette.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Only EndProgram ends the program, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    kelt::Program program;
    if (!program.StartProgram() || program.hasEnded())
        return 0;
    return QApplication::exec();
}
