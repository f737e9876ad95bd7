#include "DefaultKeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kelt {

DefaultKeys::DefaultKeys(QWidget *window, QPushButton *defaultButton, QPushButton *cancelButton)
    : QObject(window), m_window(window), m_default(defaultButton), m_cancel(cancelButton)
{
    // Buttons press themselves on Enter only through this, whatever kind of window they are in.
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    // Keys a control does not use reach the window, and this filter on their way.
    window->installEventFilter(this);
}

bool DefaultKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    QPushButton *target = nullptr;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        target = qobject_cast<QPushButton *>(m_window->focusWidget());
        if (!target)
            target = m_default;
        break;
    case Qt::Key_Escape:
        if (key->modifiers() != Qt::NoModifier)
            return false;
        target = m_cancel;
        break;
    default:
        return false;
    }
    if (!target)
        return false;
    target->click();
    return true;
}

} // namespace kelt
