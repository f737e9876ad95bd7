#include "ProgramStyle.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace kelt {

namespace {

const QColor RingColour{0, 0, 0};
const QColor BorderColour{96, 72, 48};
constexpr int RingWidth = 2;

bool HasOwnFace(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) &&
           widget->palette().isBrushSet(QPalette::Active, QPalette::Button);
}

// A solid dark ring just inside the given rectangle. Drawn over the control's own light
// face, it stands out whatever colour lies around the control.
void DrawRing(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(RingColour, RingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    // A pen of width 2 straddles the path; this keeps both pixels inside the rectangle.
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawFacedButton(const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    const bool pressed = button->state & (State_Sunken | State_On);
    const QRect r = button->rect;

    QColor face = button->palette.color(QPalette::Button);
    if (pressed)
        face = face.darker(115);
    painter->fillRect(r, face);
    painter->save();
    painter->setPen(BorderColour);
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    if (pressed) {
        // A pressed face looks pushed in: its top and left edges darker.
        painter->setPen(BorderColour.darker(130));
        painter->drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        painter->drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    }
    painter->restore();

    QStyleOptionButton label = *button;
    label.rect = subElementRect(SE_PushButtonContents, button, widget);
    if (pressed)
        label.rect.translate(1, 1);
    drawControl(CE_PushButtonLabel, &label, painter, widget);

    if (button->state & State_HasFocus)
        DrawRing(painter, r.adjusted(2, 2, -2, -2));
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    if (element == CE_PushButton && HasOwnFace(widget)) {
        drawFacedButton(option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
        // Check boxes and other buttons: the ring round the caption, with or without a key.
        if (qobject_cast<const QAbstractButton *>(widget)) {
            DrawRing(painter, option->rect);
            return;
        }
        break;
    case PE_FrameGroupBox: {
        // Fusion reads this frame from an image file, and a first image read loads every
        // image plugin before the first window shows; the same soft line, drawn.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(option->palette.color(QPalette::Window).darker(122));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->restore();
        return;
    }
    case PE_FrameLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if ((option->state & State_HasFocus) && qobject_cast<const QLineEdit *>(widget))
            DrawRing(painter, option->rect);
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    // Every menu bar asks for its overflow button's icon as it is built. Fusion reads it
    // from an image file, and a first image read loads all image plugins, which would
    // hold up the first window; a drawn chevron costs nothing. The menu bars never
    // overflow anyway.
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QPen(Qt::black, 1));
        if (icon == SP_ToolBarVerticalExtensionButton) {
            painter.translate(8, 0);
            painter.rotate(90);
        }
        for (int x : {1, 4}) {
            painter.drawLine(x, 1, x + 2, 4);
            painter.drawLine(x + 2, 4, x, 7);
        }
        return QIcon(pixmap);
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

QRect ProgramStyle::subElementRect(SubElement element, const QStyleOption *option,
                                   const QWidget *widget) const
{
    // Also what a screen reader reports as the box's extent.
    if (element == SE_CheckBoxClickRect)
        return option->rect;
    return QProxyStyle::subElementRect(element, option, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && (option->state & State_HasFocus) &&
        qobject_cast<const QComboBox *>(widget))
        DrawRing(painter, option->rect);
}

} // namespace kelt
