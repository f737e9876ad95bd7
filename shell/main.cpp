#include "ApplicationSetup.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kelt::SetUpApplication();

    kelt::Program program;
    if (!program.StartProgram())
        return 0;
    return QApplication::exec();
}
