#pragma once

#include "ReadingCommand.h"

#include <QMessageBox>
#include <QString>

#include <functional>

namespace kelt {

// Every message of the program goes through here, with the application title as caption.
class MessageBox
{
public:
    struct Request
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    };
    using Handler = std::function<QMessageBox::StandardButton(const Request &)>;

    // OK only.
    static void inform(QWidget *parent, const QString &text, MessageIcon icon);
    // Yes and No, Yes the default, information icon.
    static QMessageBox::StandardButton ask(QWidget *parent, const QString &text);
    // Yes, No and Cancel, Yes the default, question icon.
    static QMessageBox::StandardButton choose(QWidget *parent, const QString &text);

    // Tests answer messages here instead of on screen; an empty handler restores the boxes.
    static void setHandler(Handler handler);

private:
    static QMessageBox::StandardButton show(QWidget *parent, const Request &request);
};

} // namespace kelt
