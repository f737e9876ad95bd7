#include "AccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace kelt {

AccessKeys::AccessKeys(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

void AccessKeys::add(QAbstractButton *button)
{
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (!key.isEmpty())
        m_buttons.insert(key[0], button);
}

bool AccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!m_buttons.contains(key->keyCombination()))
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    // The key went to one of this window's controls, so this window has the keyboard.
    if (!widget || widget->window() != m_window)
        return false;
    QAbstractButton *button = m_buttons.value(key->keyCombination());
    if (!button->isVisible() || !button->isEnabled())
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress)
        button->click();
    return true;
}

} // namespace kelt
