#include "ApplicationStart.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kelt {

namespace {

struct Message
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<Message> platformMessages;

// Qt's own lines on a failed platform say the same at length; they are kept back and
// passed on only if the start goes on.
void OnStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs("KeltFreeDescendantAstrology: no display could be opened; "
                   "start it from a graphical session.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0) {
        platformMessages.push_back({type, context.category, text});
        return;
    }
    previousHandler(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> CreateApplicationOrExit(int &argc, char **argv)
{
    previousHandler = qInstallMessageHandler(OnStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const Message &m : platformMessages)
        previousHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()),
                        m.text);
    platformMessages.clear();
    return app;
}

} // namespace kelt
