#pragma once

#include "modTellAFriend.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kelt {

// One box of the refer-a-friend form, a line or the message's text area, with its
// placeholder and the value it fills; the form treats all five alike through it.
class ReferralBox
{
public:
    ReferralBox(QLineEdit *line, const char *placeholder, QString ReferralValues::*value);
    ReferralBox(QPlainTextEdit *message, const char *placeholder, QString ReferralValues::*value);

    QWidget *widget() const;
    QString placeholder() const { return QLatin1String(m_placeholder); }
    QString ReferralValues::*value() const { return m_value; }

    // The text as it goes out: a line break typed in the message as CR LF.
    QString sent() const;
    void setText(const QString &text);

private:
    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_message = nullptr;
    const char *m_placeholder;
    QString ReferralValues::*m_value;
};

} // namespace kelt
