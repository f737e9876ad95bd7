#include "MessageBox.h"

#include "Content.h"
#include "Texts.h"

namespace kelt {

namespace {
MessageBox::Handler &CurrentHandler()
{
    static MessageBox::Handler handler;
    return handler;
}
} // namespace

void MessageBox::inform(QWidget *parent, const QString &text, MessageIcon icon)
{
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        shown = QMessageBox::Information;
        break;
    case MessageIcon::Error:
        shown = QMessageBox::Critical;
        break;
    }
    show(parent,
         {QLatin1String(text::ApplicationTitle), text, shown, QMessageBox::Ok, QMessageBox::Ok});
}

QMessageBox::StandardButton MessageBox::ask(QWidget *parent, const QString &text)
{
    return show(parent, {QLatin1String(text::ApplicationTitle), text, QMessageBox::Information,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
}

QMessageBox::StandardButton MessageBox::choose(QWidget *parent, const QString &text)
{
    return show(parent,
                {QLatin1String(text::ApplicationTitle), text, QMessageBox::Question,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes});
}

void MessageBox::setHandler(Handler handler)
{
    CurrentHandler() = std::move(handler);
}

QMessageBox::StandardButton MessageBox::show(QWidget *parent, const Request &request)
{
    if (CurrentHandler())
        return CurrentHandler()(request);

    // A lone carriage return separates lines in the program's texts; the label only breaks
    // lines at line feeds.
    QString shown = request.text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(request.icon, request.title, shown, request.buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(content::ProgramIcon());
    box.setDefaultButton(request.defaultButton);
    box.exec();
    const auto *clicked = box.clickedButton();
    if (!clicked && request.buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (!clicked)
        return request.buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    return box.standardButton(box.clickedButton());
}

} // namespace kelt
