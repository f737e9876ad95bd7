#pragma once

#include <QAccessibleWidget>

namespace kelt {

class LinkLabel;

// Screen readers announce a link label as a link they can activate. Of two labels stacked
// in one place only the one in front counts as showing.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

} // namespace kelt
