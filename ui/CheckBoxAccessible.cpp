#include "CheckBoxAccessible.h"

#include <QCheckBox>
#include <QRegularExpression>

namespace kelt {

CheckBoxAccessible::CheckBoxAccessible(QCheckBox *box)
    : QAccessibleWidget(box, QAccessible::CheckBox)
{
    addControllingSignal(QStringLiteral("toggled(bool)"));
}

QCheckBox *CheckBoxAccessible::box() const
{
    return static_cast<QCheckBox *>(widget());
}

QString CheckBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        QString name = box()->text();
        const qsizetype mark = name.indexOf(QRegularExpression(QStringLiteral("&(?!&)")));
        if (mark >= 0)
            name.remove(mark, 1);
        return name.replace(QLatin1String("&&"), QLatin1String("&"));
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State CheckBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = box()->isChecked();
    state.pressed = box()->isDown();
    return state;
}

QStringList CheckBoxAccessible::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << toggleAction();
    return names << QAccessibleWidget::actionNames();
}

void CheckBoxAccessible::doAction(const QString &actionName)
{
    if (!widget()->isEnabled())
        return;
    if (actionName == toggleAction())
        box()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

} // namespace kelt
