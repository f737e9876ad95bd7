#pragma once

#include "FocusBox.h"
#include "modTellAFriend.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace kelt {

// One box of the refer-a-friend form, a line or the message, and the field it fills: it
// starts at the field's placeholder, empties when the focus moves to it while it holds just
// that, and takes the placeholder back when it is left empty. Focus that comes or goes with
// the window, as a message box or another window takes it, changes nothing.
class ReferralBox
{
public:
    ReferralBox(FocusBox<QLineEdit> *line, const ReferralField &field);
    // The message starts at its placeholder and a line break, so its first visit keeps it.
    ReferralBox(FocusBox<QPlainTextEdit> *message, const ReferralField &field);

    const ReferralField &field() const { return *m_field; }
    // The text as it goes out: a line break typed in the message as CR LF.
    QString sent() const;

private:
    void focusArrived(Qt::FocusReason reason) const;
    void focusLeft(Qt::FocusReason reason) const;
    void setText(const QString &text) const;

    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_message = nullptr;
    const ReferralField *m_field;
};

} // namespace kelt
