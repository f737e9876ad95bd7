#include "ListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace kelt {

ListAccessible::ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox)
{
    // A closed list changed by a key moves its drop-down's current entry along, which tells a
    // screen reader of the entry as focused: Orca hears a closed list change no other way.
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int row) {
        if (row >= 0 && list->hasFocus() && !list->view()->isVisible())
            list->view()->setCurrentIndex(
                list->model()->index(row, list->modelColumn(), list->rootModelIndex()));
    });
}

QComboBox *ListAccessible::list() const
{
    return static_cast<QComboBox *>(widget());
}

QString ListAccessible::entry() const
{
    return list()->currentText();
}

QAccessibleInterface *ListAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int ListAccessible::childCount() const
{
    return 1;
}

int ListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

QString ListAccessible::text(QAccessible::Text t) const
{
    // As Qt names lists: on Linux by the entry, with the caption as the label; elsewhere by
    // the accessible name, which Windows readers take.
#ifdef Q_OS_UNIX
    if (t == QAccessible::Name)
        return entry();
#endif
    if (t == QAccessible::Value)
        return entry();
    return QAccessibleWidget::text(t);
}

QAccessible::State ListAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    state.readOnly = true;
    return state;
}

QStringList ListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ListAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (list()->view()->isVisible())
        list()->hidePopup();
    else
        list()->showPopup();
}

void *ListAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString ListAccessible::text(int startOffset, int endOffset) const
{
    return entry().mid(startOffset, endOffset - startOffset);
}

int ListAccessible::characterCount() const
{
    return static_cast<int>(entry().size());
}

int ListAccessible::cursorPosition() const
{
    return 0;
}

void ListAccessible::setCursorPosition(int) {}

void ListAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

int ListAccessible::selectionCount() const
{
    return 0;
}

void ListAccessible::addSelection(int, int) {}

void ListAccessible::removeSelection(int) {}

void ListAccessible::setSelection(int, int, int) {}

QRect ListAccessible::characterRect(int) const
{
    return {};
}

int ListAccessible::offsetAtPoint(const QPoint &) const
{
    return -1;
}

void ListAccessible::scrollToSubstring(int, int) {}

QString ListAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace kelt
