#include "AccessibleControls.h"

#include "CheckBoxAccessible.h"
#include "LineEditAccessible.h"
#include "LinkLabel.h"
#include "LinkLabelAccessible.h"
#include "ListAccessible.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

namespace kelt {

namespace {

// Qt names these classes only once no subclass of theirs is known, so each rule below meets
// exactly the widgets it is written for.
QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("kelt::LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(widget));
    // A plain top-level widget is a window: screen readers take the outermost frame for the
    // window and hear focus changes only inside an active one.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    // A frame inside a window only groups controls; as a frame it would pass for a window
    // that is never active.
    if (className == QLatin1String("QFrame") && !widget->isWindow()) {
        const auto shape = static_cast<QFrame *>(widget)->frameShape();
        const bool line = shape == QFrame::HLine || shape == QFrame::VLine;
        return new QAccessibleWidget(widget, line ? QAccessible::Separator : QAccessible::Pane);
    }
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox *>(widget)->isEditable())
        return new ListAccessible(static_cast<QComboBox *>(widget));
    if (className == QLatin1String("QCheckBox"))
        return new CheckBoxAccessible(static_cast<QCheckBox *>(widget));
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit *>(widget));
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
