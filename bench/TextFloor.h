#pragma once

// The text floor: a window the size of the birth-details window holding every text that
// window shows (banner, description, hint, captions, the list entries shown, button, link
// and menu texts) in plain labels, in the same fonts and colours and places. It pays for
// the font database, text shaping and glyph rasterising as the program must, and for
// nothing else. Qt and the program's data only: no code of the program.

#include "Texts.h"

#include <QFile>
#include <QFont>
#include <QLabel>
#include <QWidget>

namespace kelt::bench {

class TextFloor
{
public:
    explicit TextFloor(QWidget *window) : m_window(window)
    {
        const QColor green(128, 232, 133), maroon(103, 10, 35), peach(255, 224, 192);
        const QColor brown(128, 64, 0), darkRed(64, 0, 0), blue(0, 0, 255);
        const QColor magenta(255, 0, 255);
        window->setFixedSize(524, 395);
        fill(window, green);

        // The menu bar's entries, in the window's default font.
        int x = 6;
        for (const char *entry : {"File", "Help", "Donate", "Make Money Online"}) {
            QLabel *label = add(QLatin1String(entry), QFont(), Qt::black, {x, 2, 0, 0});
            x += label->width() + 10;
        }
        const int top = 18; // below the menu bar

        fill(add({}, QFont(), Qt::black, {0, top, 524, 41}), maroon);
        QLabel *banner =
            add(file(":/text/label61.txt"), verdana(9, true, true), peach, {8, top + 9, 512, 39});
        banner->setWordWrap(true);
        banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

        QLabel *description =
            add(file(":/text/label8.txt"), verdana(8.25, true), blue, {14, top + 51, 497, 57});
        description->setWordWrap(true);
        description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        add(QLatin1String(text::Hint), verdana(9, true), magenta, {126, top + 112, 0, 0});
        add(QLatin1String(text::DetailsFrame), verdana(8.25, true), darkRed, {8, top + 128, 0, 0});

        const QFont caption = verdana(8.25, true);
        const QFont heading = verdana(8.25, false, true);
        add(QLatin1String(text::NameCaption), caption, brown, {72, top + 152, 0, 0});
        add(QLatin1String(text::TimeCaption), caption, brown, {72, top + 189, 0, 0});
        add(QLatin1String(text::DateHeading), heading, brown, {184, top + 216, 0, 0});
        add(QLatin1String(text::MonthHeading), heading, brown, {264, top + 216, 0, 0});
        add(QLatin1String(text::YearHeading), heading, brown, {368, top + 216, 0, 0});
        add(QLatin1String(text::BirthDateCaption), caption, brown, {72, top + 240, 0, 0});

        // The entries the four lists show at start.
        const QFont entry = verdana(9, true);
        add(QStringLiteral("4am-6am"), entry, brown, {176, top + 184, 0, 0});
        add(QStringLiteral("1"), entry, brown, {176, top + 232, 0, 0});
        add(QStringLiteral("January"), entry, brown, {232, top + 232, 0, 0});
        add(QStringLiteral("1900"), entry, brown, {344, top + 232, 0, 0});

        add(QStringLiteral("Find My Descendant Astrology Sign"), verdana(8.25, true), Qt::black,
            {150, top + 287, 0, 0});
        fill(add({}, QFont(), Qt::black, {0, top + 320, 524, 57}), maroon);
        QLabel *link = add(file(":/text/fullbrand.txt"), verdana(8.25, true, true), peach,
                           {8, top + 328, 415, 41});
        link->setWordWrap(true);
        add(QStringLiteral("Exit"), verdana(8.25, true), Qt::black, {460, top + 344, 0, 0});
    }

private:
    static QFont verdana(qreal points, bool bold = false, bool underline = false)
    {
        QFont font;
        font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
        font.setPointSizeF(points);
        font.setBold(bold);
        font.setUnderline(underline);
        return font;
    }

    static QString file(const char *name)
    {
        QFile f{QLatin1String(name)};
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    static void fill(QWidget *widget, const QColor &colour)
    {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, colour);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }

    // A label at the rectangle; one of width 0 sizes itself to its text.
    QLabel *add(const QString &text, const QFont &font, const QColor &colour, const QRect &place)
    {
        auto *label = new QLabel(text, m_window);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
        if (place.width() > 0) {
            label->setGeometry(place);
        } else {
            label->move(place.topLeft());
            label->adjustSize();
        }
        return label;
    }

    QWidget *m_window;
};

} // namespace kelt::bench
