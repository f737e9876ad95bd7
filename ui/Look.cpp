#include "Look.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QWidget>

namespace kelt::look {

namespace {

QFont MakeFont(const QStringList &families, qreal points, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

QFont Verdana(qreal points, bool bold, bool underline)
{
    return MakeFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, points, bold,
                    underline);
}

QFont SansSerif(qreal points, bool bold)
{
    return MakeFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                     QStringLiteral("DejaVu Sans")},
                    points, bold, false);
}

void SetBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void SetFace(QWidget *widget, const QColor &face, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Base, face);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

void MakeFixedWindow(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    SetTextColour(label, colour);
    return label;
}

QLabel *MakeAutoLabel(QWidget *parent, const char *name, const char *text, const QFont &font,
                      const QColor &colour, int left, int top)
{
    QLabel *label = MakeLabel(parent, name, QLatin1String(text), font, colour);
    label->move(Tw(left), Tw(top));
    label->adjustSize();
    return label;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const char *caption,
                        const QRect &geometry)
{
    auto *button = new QPushButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Verdana(8.25, true));
    SetFace(button, colour::Peach);
    button->setGeometry(geometry);
    return button;
}

void FitWrapped(QLabel *label)
{
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

QString LabelText(const QString &caption)
{
    QString text = caption;
    text.replace(QLatin1String("&&"), QLatin1String("&"));
    return text;
}

} // namespace kelt::look
