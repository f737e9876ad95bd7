#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

namespace kelt {

// Puts a window's frame, title bar included, in the middle of its screen when it first
// shows. The frame's size is known only once the window manager has framed the window, so
// a window is placed with the frame last measured on another one and put right, once, if
// its own frame turns out different. After its first hiding the window keeps its place.
class ScreenCentring : public QObject
{
    Q_OBJECT

public:
    // Call before the window is first shown.
    static void Centre(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScreenCentring(QWidget *window);
    // Where the frame belongs, with the frame as far as it is known.
    QRect target() const;
    void place();

    QWidget *m_window;
    QMargins m_assumed;
};

} // namespace kelt
