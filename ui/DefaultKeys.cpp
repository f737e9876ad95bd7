#include "ui/DefaultKeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kelt {

bool PressDefaultButtons(QWidget *window, QKeyEvent *event, QPushButton *defaultButton,
                         QPushButton *cancelButton)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (event->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto *focused = qobject_cast<QPushButton *>(window->focusWidget());
        (focused ? focused : defaultButton)->click();
        return true;
    }
    case Qt::Key_Escape:
        if (event->modifiers() != Qt::NoModifier)
            return false;
        cancelButton->click();
        return true;
    default:
        return false;
    }
}

} // namespace kelt
