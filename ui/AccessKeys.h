#pragma once

#include <QHash>
#include <QObject>

class QAbstractButton;
class QWidget;

namespace kelt {

// Alt+letter presses the window's button with that access key, from any control of the
// window and ahead of the menu bar's entries, as the program's Windows original behaves.
class AccessKeys : public QObject
{
    Q_OBJECT

public:
    explicit AccessKeys(QWidget *window);

    // Takes the access key the "&" in the button's caption marks.
    void add(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QHash<QKeyCombination, QAbstractButton *> m_buttons;
};

} // namespace kelt
