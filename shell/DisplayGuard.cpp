#include "DisplayGuard.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kelt {

namespace {

struct Held
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<Held> &HeldMessages()
{
    static QList<Held> held;
    return held;
}
QByteArray &ProgramName()
{
    static QByteArray name;
    return name;
}

void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        HeldMessages().append({type, QByteArray(context.category), text});
        return;
    }
    // One line, in place of Qt's page of plugin messages.
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        std::fprintf(stderr,
                     "%s: cannot open a display; it needs a graphical session (neither DISPLAY "
                     "nor WAYLAND_DISPLAY is set).\n",
                     ProgramName().constData());
    else
        std::fprintf(stderr, "%s: cannot open a display%s%s%s; it needs a graphical session.\n",
                     ProgramName().constData(),
                     display.isEmpty() ? "" : " (DISPLAY=", display.constData(),
                     display.isEmpty() ? "" : ")");
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard(const char *programPath)
{
    ProgramName() = QByteArray(programPath);
    ProgramName() = ProgramName().mid(ProgramName().lastIndexOf('/') + 1);
    m_previous = qInstallMessageHandler(Hold);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(m_previous);
    const QList<Held> held = std::exchange(HeldMessages(), {});
    for (const Held &message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr
                                                                    : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace kelt
