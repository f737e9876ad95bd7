// The program's own start-up, as shell/main.cpp does it, reporting to the bench runner.
//   (no argument)  prints "painted" once the birth-details window is painted, then exits.
//   reading        then makes one reading, prints "reading <shown ms> <painted ms>", ends
//                  the program and prints "vmhwm <peak resident kB>".
#include "ApplicationSetup.h"
#include "MessageBox.h"
#include "ProbeSupport.h"
#include "Program.h"
#include "ReadingDriver.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kelt::SetUpApplication();
    const bool reading = QCoreApplication::arguments().value(1) == QLatin1String("reading");

    // A box would wait for a person; the fresh settings ask nothing, but never hang on one.
    kelt::MessageBox::setHandler([](const kelt::MessageBox::Request &) {
        kelt::bench::Report("message");
        return QMessageBox::No;
    });

    kelt::bench::PaintWatcher watcher;
    kelt::Program program;
    watcher.arm(QStringLiteral("frmMain"), [&] {
        kelt::bench::Report("painted");
        if (!reading)
            std::_Exit(0);

        kelt::bench::ShowTimes times;
        QString sign;
        if (!kelt::bench::TimeReading(program, watcher, 0, times, sign) || sign.isEmpty() ||
            !kelt::bench::GoBack(watcher)) {
            kelt::bench::Report("failed");
            std::_Exit(1);
        }
        char line[96];
        std::snprintf(line, sizeof line, "reading %.3f %.3f", times.shownMs, times.paintedMs);
        kelt::bench::Report(line);
        program.EndProgram();
    });

    if (!program.StartProgram() || program.hasEnded()) {
        kelt::bench::Report("refused");
        return 1;
    }

    const int code = QApplication::exec();
    char line[64];
    std::snprintf(line, sizeof line, "vmhwm %ld", kelt::bench::PeakResidentKb());
    kelt::bench::Report(line);
    return code;
}
