#pragma once

#include <QObject>

class QPushButton;
class QWidget;

namespace kelt {

// Enter and Escape in a window, the same way in all four: Enter presses the push button
// that has the focus, or else the default button; Escape presses the cancel button. Either
// button may be absent. Lives as long as the window.
class DefaultKeys : public QObject
{
    Q_OBJECT

public:
    DefaultKeys(QWidget *window, QPushButton *defaultButton, QPushButton *cancelButton);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPushButton *m_default;
    QPushButton *m_cancel;
};

} // namespace kelt
