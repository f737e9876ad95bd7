#include "ScreenCentring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kelt {

namespace {

// The frame of the last window the window manager framed; none until one was.
QMargins &KnownFrame()
{
    static QMargins frame;
    return frame;
}

QMargins FrameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

ScreenCentring::ScreenCentring(QWidget *window)
    : QObject(window), m_window(window), m_assumed(KnownFrame())
{
}

void ScreenCentring::Centre(QWidget *window)
{
    auto *centring = new ScreenCentring(window);
    window->adjustSize();
    centring->place();
    window->installEventFilter(centring);
}

QRect ScreenCentring::target() const
{
    const QScreen *screen =
        m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    QRect frame(QPoint(), m_window->size().grownBy(m_assumed));
    if (screen)
        frame.moveCenter(screen->availableGeometry().center());
    return frame;
}

void ScreenCentring::place()
{
    // A window's position is that of its frame.
    m_window->move(target().topLeft());
}

bool ScreenCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show: {
        if (!m_window->isVisible())
            break;
        const QMargins frame = FrameOf(m_window);
        // Not framed yet, or no window manager frames it at all.
        if (frame.isNull())
            break;
        KnownFrame() = frame;
        if (frame != m_assumed || m_window->frameGeometry().topLeft() != target().topLeft()) {
            m_assumed = frame;
            place();
        }
        m_window->removeEventFilter(this);
        deleteLater();
        break;
    }
    case QEvent::Hide:
        m_window->removeEventFilter(this);
        deleteLater();
        break;
    default:
        break;
    }
    return false;
}

} // namespace kelt
