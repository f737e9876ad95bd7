// The floors: bare Qt Widgets programs with one window the size of the program's
// birth-details window, reporting to the bench runner the same way as the start-up probe.
//   (no argument)  an empty window: prints "painted" after its first paint, then exits.
//   text           the same with every text of the birth-details window in plain labels.
//   reading        then opens an empty window the size of the result window as its
//                  "reading", prints "reading <shown ms> <painted ms>", ends and prints
//                  "vmhwm <peak resident kB>".
#include "ProbeSupport.h"
#include "TextFloor.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Same style as the program, so only the program's own work differs.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    const bool reading = QCoreApplication::arguments().value(1) == QLatin1String("reading");

    kelt::bench::PaintWatcher watcher;
    std::unique_ptr<QWidget> display;
    watcher.arm(QStringLiteral("floorMain"), [&] {
        kelt::bench::Report("painted");
        if (!reading)
            std::_Exit(0);

        kelt::bench::ShowTimes times;
        const bool shown = kelt::bench::TimeShow(
            watcher, QStringLiteral("floorDisplay"),
            [&] {
                display = std::make_unique<QWidget>();
                display->setObjectName(QStringLiteral("floorDisplay"));
                display->setFixedSize(697, 368);
                display->show();
            },
            times);
        if (!shown) {
            kelt::bench::Report("failed");
            std::_Exit(1);
        }
        char line[96];
        std::snprintf(line, sizeof line, "reading %.3f %.3f", times.shownMs, times.paintedMs);
        kelt::bench::Report(line);
        QCoreApplication::exit(0);
    });

    QWidget window;
    window.setObjectName(QStringLiteral("floorMain"));
    std::unique_ptr<kelt::bench::TextFloor> texts;
    if (QCoreApplication::arguments().value(1) == QLatin1String("text"))
        texts = std::make_unique<kelt::bench::TextFloor>(&window);
    else
        window.setFixedSize(524, 377);
    window.show();

    const int code = QApplication::exec();
    display.reset();
    char line[64];
    std::snprintf(line, sizeof line, "vmhwm %ld", kelt::bench::PeakResidentKb());
    kelt::bench::Report(line);
    return code;
}
