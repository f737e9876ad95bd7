#include "Look.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <iterator>

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

QPalette ProgramPalette()
{
    // Qt's own light palette, what the windows show where no theme has a say. Every role
    // of every group is given, so none is left for a theme to fill in.
    struct Role
    {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    static constexpr Role Roles[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::NoRole, 0xff000000, 0xff000000},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    static_assert(std::size(Roles) == QPalette::NColorRoles);
    QPalette palette;
    for (const Role &r : Roles) {
        palette.setColor(QPalette::Active, r.role, QColor::fromRgba(r.normal));
        palette.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.normal));
        palette.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    return palette;
}

void FixApplicationPalette()
{
    const QPalette palette = ProgramPalette();
    QApplication::setPalette(palette);
    // The classes Qt gives a platform theme's own palette to.
    for (const char *widgetClass :
         {"QToolButton", "QAbstractButton", "QCheckBox", "QRadioButton", "QHeaderView",
          "QAbstractItemView", "QMessageBoxLabel", "QTabBar", "QLabel", "QGroupBox", "QMenu",
          "QMenuBar", "QTextEdit", "QTextControl", "QLineEdit", "QComboBoxListView"})
        QApplication::setPalette(palette, widgetClass);
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

QComboBox *MakeList(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setFont(Verdana(9, true));
    SetFace(list, colour::LightGreen, colour::Brown);
    list->setGeometry(geometry);
    list->setMaxVisibleItems(12);
    return list;
}

QLabel *MakeSignPicture(QWidget *parent, const QRect &geometry)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("picSign"));
    picture->setFrameShape(QFrame::Box);
    picture->setFrameShadow(QFrame::Plain);
    picture->setLineWidth(1);
    picture->setAlignment(Qt::AlignCenter);
    SetBackground(picture, colour::White);
    // A plain box draws its line in the text colour, which would be the frame caption's blue.
    SetTextColour(picture, colour::Black);
    picture->setGeometry(geometry);
    return picture;
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
