#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kelt::look {

// Window layouts are drawn in twips; 15 twips are one pixel at 96 dpi and Qt scales
// pixels for high-dpi screens.
inline int Tw(int twips)
{
    return qRound(twips / 15.0);
}
inline QRect TwRect(int left, int top, int width, int height)
{
    return QRect(Tw(left), Tw(top), Tw(width), Tw(height));
}
inline QRect TwRect(const QRect &twips)
{
    return TwRect(twips.x(), twips.y(), twips.width(), twips.height());
}

namespace colour {
inline const QColor LightGreen{128, 232, 133};
inline const QColor Maroon{103, 10, 35};
inline const QColor Peach{255, 224, 192};
inline const QColor Brown{128, 64, 0};
inline const QColor DarkRed{64, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Magenta{255, 0, 255};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
inline const QColor Teal{66, 174, 193};
inline const QColor Navy{0, 0, 128};
inline const QColor Yellow{255, 255, 0};
inline const QColor CheckBlue{0, 0, 192};
} // namespace colour

// Verdana where it is installed, otherwise a sans of close metrics.
QFont Verdana(qreal points, bool bold = false, bool underline = false);
// The classic dialog font, with the same fallback.
QFont SansSerif(qreal points, bool bold = false);

// The light palette the windows' fixed colours are chosen against, every role of every
// group set, so that no platform theme (dark, high contrast) can show its own text colours
// on them.
QPalette ProgramPalette();
// Puts it on the application and on each widget class a theme gives a palette of its own
// (the menu bar, menus, message boxes, labels, ...).
void FixApplicationPalette();

void SetBackground(QWidget *widget, const QColor &colour);
void SetTextColour(QWidget *widget, const QColor &colour);
// Fill colour of buttons, lists and text boxes.
void SetFace(QWidget *widget, const QColor &face, const QColor &text = Qt::black);

// A named label in the given font and text colour.
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  const QColor &colour);
// A named caption that sizes itself to its text, its top-left corner at (left, top) twips.
QLabel *MakeAutoLabel(QWidget *parent, const char *name, const char *text, const QFont &font,
                      const QColor &colour, int left, int top);
// A named push button with the windows' peach face, in bold Verdana.
QPushButton *MakeButton(QWidget *parent, const char *name, const char *caption,
                        const QRect &geometry);

// A named list that only offers its entries, in the windows' green and brown.
QComboBox *MakeList(QWidget *parent, const char *name, const QRect &geometry);
// The box for a sign's picture, named picSign: white, with a one-pixel black border.
QLabel *MakeSignPicture(QWidget *parent, const QRect &geometry);

// Grows a word-wrapped label downwards when the font on this system needs more lines than
// its box holds, so that no line is cut off.
void FitWrapped(QLabel *label);

// A caption's "&&" shows as one "&" on a label that has no access key.
QString LabelText(const QString &caption);

} // namespace kelt::look
