#include "LineEditAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace kelt {

LineEditAccessible::LineEditAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *LineEditAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

int LineEditAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int LineEditAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QString ch = text(offset, offset + 1);
    if (ch.isEmpty())
        return {};
    // Where the box draws its text, as far as the public interface tells: unscrolled.
    const QFontMetrics metrics(box()->font());
    const QRect area = box()->contentsRect().marginsRemoved(box()->textMargins());
    const int x = area.x() + metrics.horizontalAdvance(box()->text().left(offset));
    const int y = area.y() + (area.height() - metrics.height()) / 2;
    return {box()->mapToGlobal(QPoint(x, y)),
            QSize(metrics.horizontalAdvance(ch), metrics.height())};
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    box()->setText(box()->text().insert(offset, text));
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace kelt
