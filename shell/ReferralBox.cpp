#include "ReferralBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace kelt {

namespace {

// A move between the window's own controls, not the window's coming or going.
bool WithinWindow(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ReferralBox::ReferralBox(FocusBox<QLineEdit> *line, const ReferralField &field)
    : m_line(line), m_field(&field)
{
    setText(QLatin1String(field.placeholder));
    line->arrived = [box = *this](Qt::FocusReason reason) { box.focusArrived(reason); };
    line->left = [box = *this](Qt::FocusReason reason) { box.focusLeft(reason); };
}

ReferralBox::ReferralBox(FocusBox<QPlainTextEdit> *message, const ReferralField &field)
    : m_message(message), m_field(&field)
{
    setText(QLatin1String(field.placeholder) + QStringLiteral("\r\n"));
    message->arrived = [box = *this](Qt::FocusReason reason) { box.focusArrived(reason); };
    message->left = [box = *this](Qt::FocusReason reason) { box.focusLeft(reason); };
}

QString ReferralBox::sent() const
{
    if (m_line)
        return m_line->text();
    // The message's own characters, no-break spaces and line separators included.
    return m_message->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                      QStringLiteral("\r\n"));
}

void ReferralBox::focusArrived(Qt::FocusReason reason) const
{
    if (WithinWindow(reason) && TrimSpaces(sent()) == QLatin1String(m_field->placeholder))
        setText(QString());
}

void ReferralBox::focusLeft(Qt::FocusReason reason) const
{
    if (WithinWindow(reason) && TrimSpaces(sent()).isEmpty())
        setText(QLatin1String(m_field->placeholder));
}

void ReferralBox::setText(const QString &text) const
{
    if (m_line)
        m_line->setText(text);
    else
        m_message->setPlainText(text);
}

} // namespace kelt
