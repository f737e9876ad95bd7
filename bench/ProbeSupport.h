#pragma once

// Helpers shared by the probes and the bench runner. Qt only, so the floor probe carries
// nothing of the program.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <utility>

namespace kelt::bench {

// Notices the first paint of a top-level window found by object name, wherever in the
// program it is created.
class PaintWatcher : public QObject
{
public:
    PaintWatcher() { qApp->installEventFilter(this); }
    ~PaintWatcher() override { qApp->removeEventFilter(this); }

    // `then`, when given, runs from the event loop once the whole paint pass is done.
    void arm(const QString &windowName, std::function<void()> then = {})
    {
        m_name = windowName;
        m_painted = false;
        m_then = std::move(then);
    }
    bool painted() const { return m_painted; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->objectName() == m_name) {
                m_painted = true;
                if (m_then)
                    QMetaObject::invokeMethod(this, std::exchange(m_then, {}),
                                              Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    QString m_name;
    bool m_painted = false;
    std::function<void()> m_then;
};

inline QWidget *TopLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

// Processes events until the condition holds; false after the time limit.
template <typename Condition> bool ProcessUntil(Condition &&done, int limitMs = 10000)
{
    QElapsedTimer limit;
    limit.start();
    while (!done()) {
        if (limit.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Peak resident memory so far, in kB; 0 where /proc is missing.
inline long PeakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    // Files in /proc tell no size, so read them whole rather than up to atEnd().
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines)
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// One line to the runner, sent at once: the runner's clock stops when it arrives.
inline void Report(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Time until a window is visible, then until its first paint has been processed.
struct ShowTimes
{
    double shownMs = 0;
    double paintedMs = 0;
};

// Runs `open` (which creates or shows the window named `name`) and times it the same way
// for the program's windows and for the floor's bare widgets.
template <typename Open>
bool TimeShow(PaintWatcher &watcher, const QString &name, Open &&open, ShowTimes &times)
{
    watcher.arm(name);
    QElapsedTimer clock;
    clock.start();
    open();
    if (!ProcessUntil([&] {
            const QWidget *window = TopLevel(name);
            return window && window->isVisible();
        }))
        return false;
    times.shownMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!ProcessUntil([&] { return watcher.painted(); }))
        return false;
    times.paintedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return true;
}

} // namespace kelt::bench
