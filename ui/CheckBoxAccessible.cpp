#include "CheckBoxAccessible.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QTimer>

namespace kelt {

namespace {

constexpr char HeldTick[] = "kelt_heldTick";
// Long enough for a screen reader to read the state after the change, short enough to hear
// the clearing as part of the same press.
constexpr int HoldMs = 1000;

void ReportChecked(QCheckBox *box)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(box, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

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
    state.checked = box()->isChecked() || box()->property(HeldTick).toBool();
    state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
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
        box()->toggle();
    else
        QAccessibleWidget::doAction(actionName);
}

void CheckBoxAccessible::HoldTick(QCheckBox *box)
{
    if (!QAccessible::isActive())
        return;
    box->setProperty(HeldTick, true);
    ReportChecked(box);
    QTimer::singleShot(HoldMs, box, [box] {
        box->setProperty(HeldTick, false);
        ReportChecked(box);
    });
}

} // namespace kelt
