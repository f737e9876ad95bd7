#include "LinkLabelAccessible.h"

#include "LinkLabel.h"

namespace kelt {

namespace {

// True when a visible sibling stacked above the widget hides all of it.
bool IsCovered(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent)
        return false;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(widget)) + 1; i < siblings.size();
         ++i) {
        const auto *above = qobject_cast<const QWidget *>(siblings.at(i));
        if (above && !above->isWindow() && above->isVisible() &&
            above->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

} // namespace

LinkLabelAccessible::LinkLabelAccessible(LinkLabel *label)
    : QAccessibleWidget(label, QAccessible::Link)
{
}

QString LinkLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? static_cast<LinkLabel *>(widget())->text() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State LinkLabelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (IsCovered(widget()))
        state.invisible = true;
    return state;
}

QStringList LinkLabelAccessible::actionNames() const
{
    return {pressAction()};
}

void LinkLabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        Q_EMIT static_cast<LinkLabel *>(widget())->clicked();
}

} // namespace kelt
