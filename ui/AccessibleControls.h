#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace kelt {

class LinkLabel;

// Screen readers announce a link label as a link they can activate.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

// A list that says what it asks for (its accessible name), and its choice as the value.
// Qt's own interface on Linux speaks the current entry as the name instead.
class NamedListAccessible : public QAccessibleWidget
{
public:
    explicit NamedListAccessible(QComboBox *list);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

// Makes the interfaces above the ones Qt hands to assistive technology.
void InstallAccessibleControls();

} // namespace kelt
