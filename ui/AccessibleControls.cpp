#include "ui/AccessibleControls.h"

#include "ui/LinkLabel.h"

#include <QComboBox>

namespace kelt {

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

QStringList LinkLabelAccessible::actionNames() const
{
    return {pressAction()};
}

void LinkLabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        Q_EMIT static_cast<LinkLabel *>(widget())->clicked();
}

NamedListAccessible::NamedListAccessible(QComboBox *list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

QString NamedListAccessible::text(QAccessible::Text t) const
{
    const auto *list = static_cast<QComboBox *>(widget());
    switch (t) {
    case QAccessible::Name:
        return list->accessibleName();
    case QAccessible::Value:
        return list->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList NamedListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void NamedListAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        static_cast<QComboBox *>(widget())->showPopup();
}

namespace {

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("kelt::LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    if (className == QLatin1String("QComboBox") &&
        !static_cast<QComboBox *>(object)->accessibleName().isEmpty())
        return new NamedListAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace kelt
