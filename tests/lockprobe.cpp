// Takes the program's single-instance lock in a process of its own, for the tests:
// prints "acquired" or "refused", then holds the lock for the given milliseconds.
#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString name = args.value(1, QStringLiteral("KeltFreeDescendantAstrology"));
    const int holdMs = args.value(2, QStringLiteral("0")).toInt();

    kelt::SingleInstance instance(name);
    const bool acquired = instance.tryAcquire();
    std::printf("%s\n", acquired ? "acquired" : "refused");
    std::fflush(stdout);
    if (acquired && holdMs > 0)
        QThread::msleep(static_cast<unsigned long>(holdMs));
    return acquired ? 0 : 1;
}
