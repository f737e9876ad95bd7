#include "ApplicationSetup.h"
#include "ApplicationStart.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = kelt::CreateApplicationOrExit(argc, argv);
    kelt::SetUpApplication();

    kelt::Program program;
    if (!program.StartProgram())
        return 0;
    return QApplication::exec();
}
