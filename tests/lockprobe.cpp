// Takes the program's single-instance lock in a process of its own, for the tests:
// prints "acquired" or "refused". With "hold", keeps the lock until its standard input
// closes or gets a line, so a test decides when the lock is let go. Further arguments are
// the lock's places instead of the user's own: folders, and "@name" for the system's name.
#include "SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString name = args.value(1, QStringLiteral("KeltFreeDescendantAstrology"));
    const bool hold = args.value(2) == QLatin1String("hold");
    kelt::LockPlaces places = kelt::SingleInstance::DefaultPlaces();
    if (args.size() > 3) {
        places = {};
        for (const QString &place : args.mid(3)) {
            if (place.startsWith(QLatin1Char('@')))
                places.systemName = place.mid(1);
            else
                places.folders << place;
        }
    }

    kelt::SingleInstance instance(name, places);
    const bool acquired = instance.tryAcquire();
    std::printf("%s\n", acquired ? "acquired" : "refused");
    std::fflush(stdout);
    if (acquired && hold) {
        int c = std::getchar();
        while (c != EOF && c != '\n')
            c = std::getchar();
    }
    return acquired ? 0 : 1;
}
