#include "ui/AccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace kelt {

AccessKeys::AccessKeys(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

void AccessKeys::add(QAbstractButton *button)
{
    const QString text = button->text();
    for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2)) {
        if (text.at(i + 1) != QLatin1Char('&')) {
            m_buttons.insert(Qt::Key_A + (text.at(i + 1).toUpper().unicode() - u'A'), button);
            return;
        }
    }
}

bool AccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() != Qt::AltModifier || !m_buttons.contains(key->key()))
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    // The key went to one of this window's controls, so this window has the keyboard.
    if (!widget || widget->window() != m_window)
        return false;
    QAbstractButton *button = m_buttons.value(key->key());
    if (!button->isVisible() || !button->isEnabled())
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress)
        button->click();
    return true;
}

} // namespace kelt
