#include "ApplicationSetup.h"
#include "CommandLine.h"
#include "DisplayGuard.h"
#include "Program.h"

#include <QApplication>

#include <optional>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = kelt::AnswerCommandLine(argc, argv))
        return *answered;

    std::optional<kelt::DisplayGuard> guard(std::in_place, argv[0]);
    QApplication app(argc, argv);
    guard.reset();
    kelt::SetUpApplication();

    kelt::Program program;
    if (!program.StartProgram())
        return 0;
    return QApplication::exec();
}
