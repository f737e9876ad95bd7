#include "ReferralBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace kelt {

ReferralBox::ReferralBox(QLineEdit *line, const char *placeholder, QString ReferralValues::*value)
    : m_line(line), m_placeholder(placeholder), m_value(value)
{
}

ReferralBox::ReferralBox(QPlainTextEdit *message, const char *placeholder,
                         QString ReferralValues::*value)
    : m_message(message), m_placeholder(placeholder), m_value(value)
{
}

QWidget *ReferralBox::widget() const
{
    return m_line ? static_cast<QWidget *>(m_line) : m_message;
}

QString ReferralBox::sent() const
{
    if (m_line)
        return m_line->text();
    // The message's own characters, no-break spaces and line separators included.
    return m_message->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                      QStringLiteral("\r\n"));
}

void ReferralBox::setText(const QString &text)
{
    if (m_line)
        m_line->setText(text);
    else
        m_message->setPlainText(text);
}

} // namespace kelt
