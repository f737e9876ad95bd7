#pragma once

#include <QAccessibleWidget>

class QCheckBox;

namespace kelt {

// A check box as Qt presents it, except that a screen reader's toggle presses it as a click
// does: the program's one check box answers presses, not changes of its state.
class CheckBoxAccessible : public QAccessibleWidget
{
public:
    explicit CheckBoxAccessible(QCheckBox *box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QCheckBox *box() const;
};

} // namespace kelt
