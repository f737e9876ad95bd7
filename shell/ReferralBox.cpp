#include "ReferralBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
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

QString ReferralBox::raw() const
{
    // The message's own characters, no-break spaces and line separators included.
    return m_line ? m_line->text() : m_message->document()->toRawText();
}

QString ReferralBox::sent(const QString &raw) const
{
    return m_line ? raw : QString(raw).replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

void ReferralBox::setText(const QString &text)
{
    if (m_line)
        m_line->setText(text);
    else
        m_message->setPlainText(text);
}

qsizetype ReferralBox::cursorPosition() const
{
    return m_line ? m_line->cursorPosition() : m_message->textCursor().position();
}

void ReferralBox::setCursorPosition(qsizetype position)
{
    const int at = static_cast<int>(position);
    if (m_line) {
        m_line->setCursorPosition(at);
        return;
    }
    QTextCursor cursor = m_message->textCursor();
    cursor.setPosition(at);
    m_message->setTextCursor(cursor);
}

} // namespace kelt
