#pragma once

#include <QAccessibleWidget>

class QCheckBox;

namespace kelt {

// A check box as Qt presents it, which can also be heard as ticked for a moment after the
// program has already cleared the tick.
class CheckBoxAccessible : public QAccessibleWidget
{
public:
    explicit CheckBoxAccessible(QCheckBox *box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // For a box whose tick is cleared as soon as it is made: a screen reader reads the state
    // some time after the change, so the tick is reported now and held for it a little while,
    // then its clearing is reported. The eye sees only the cleared box.
    static void HoldTick(QCheckBox *box);

private:
    QCheckBox *box() const;
};

} // namespace kelt
