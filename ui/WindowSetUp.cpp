#include "WindowSetUp.h"

#include "AccessKeys.h"
#include "Content.h"
#include "DefaultKeys.h"
#include "Look.h"
#include "ScreenCentring.h"
#include "Texts.h"

#include <QWidget>

namespace kelt {

void SetUpWindow(QWidget *window, const char *name, const QFont &font, const QColor &background)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(QLatin1String(text::WindowCaption));
    window->setWindowIcon(content::ProgramIcon());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFont(font);
    look::SetBackground(window, background);
    const Qt::WindowType kind = window->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void FinishWindow(QWidget *window, const QList<QAbstractButton *> &accessButtons,
                  QPushButton *defaultButton, QPushButton *cancelButton)
{
    auto *keys = new AccessKeys(window);
    for (QAbstractButton *button : accessButtons)
        keys->add(button);
    new DefaultKeys(window, defaultButton, cancelButton);
    ScreenCentring::Centre(window);
}

} // namespace kelt
