#include "frmExactDescendant.h"

#include "AccessKeys.h"
#include "AccessibleControls.h"
#include "Content.h"
#include "DefaultKeys.h"
#include "Look.h"
#include "MessageBox.h"
#include "ScreenCentring.h"
#include "Texts.h"
#include "ZodiacSign.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;
using look::MakeAutoLabel;
using look::MakeLabel;

namespace {

constexpr int FirstYear = 1800;
constexpr int LastYear = 2100;

QComboBox *MakeList(QWidget *parent, const char *name, const char *accessibleName,
                    const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setFont(look::Verdana(9, true));
    look::SetFace(list, colour::LightGreen, colour::Brown);
    list->setGeometry(geometry);
    list->setMaxVisibleItems(12);
    // Windows readers take this name; on Linux a list is named by its entry.
    list->setAccessibleName(QLatin1String(accessibleName));
    return list;
}

QLineEdit *MakeBox(QWidget *parent, const char *name, const char *accessibleName,
                   const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(look::Verdana(9, true));
    look::SetFace(box, colour::LightGreen, colour::Brown);
    box->setGeometry(geometry);
    box->setAccessibleName(QLatin1String(accessibleName));
    return box;
}

} // namespace

frmExactDescendant::frmExactDescendant(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExactDescendant"));
    setWindowTitle(QLatin1String(text::WindowCaption));
    setWindowIcon(content::ProgramIcon());
    setFont(look::Verdana(8.25));
    look::SetBackground(this, colour::LightGreen);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(Tw(10455), Tw(9720));
    // Read after the title when the window opens, telling it from the other windows.
    setAccessibleDescription(QLatin1String(text::ExactIntro));

    QLabel *intro = MakeLabel(this, "Label1", QLatin1String(text::ExactIntro),
                              look::Verdana(8.25, true), colour::Blue);
    intro->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    intro->setWordWrap(true);
    intro->setGeometry(TwRect(240, 120, 9975, 435));
    look::FitWrapped(intro);

    buildDetails();

    cmdFind = look::MakeButton(this, "cmdFind", text::ButtonFindExact, TwRect(0, 3840, 10455, 585));
    connect(cmdFind, &QPushButton::clicked, this, &frmExactDescendant::cmdFind_Click);

    buildResult();

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(0, Tw(9120), Tw(10455), 1);
    cmdClose =
        look::MakeButton(this, "cmdClose", text::ButtonCloseExact, TwRect(9075, 9240, 1260, 375));
    connect(cmdClose, &QPushButton::clicked, this, &frmExactDescendant::cmdClose_Click);

    for (QLabel *label : findChildren<QLabel *>())
        label->setFocusPolicy(Qt::NoFocus);
    setTabOrder(cmbDay, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, cmbHour);
    setTabOrder(cmbHour, cmbMinute);
    setTabOrder(cmbMinute, txtPlace);
    setTabOrder(txtPlace, lstTowns);
    setTabOrder(lstTowns, txtLatitude);
    setTabOrder(txtLatitude, txtLongitude);
    setTabOrder(txtLongitude, cmbZone);
    setTabOrder(cmbZone, cmdFind);
    setTabOrder(cmdFind, lblDescendant);
    setTabOrder(lblDescendant, cmdClose);

    auto *keys = new AccessKeys(this);
    keys->add(cmdFind);
    keys->add(cmdClose);
    // Enter finds, Escape closes.
    new DefaultKeys(this, cmdFind, cmdClose);

    Form_Load();
    cmbDay->setFocus();
    ScreenCentring::Centre(this);
}

void frmExactDescendant::buildDetails()
{
    auto *Frame1 = new QGroupBox(QLatin1String(text::ExactDetailsFrame), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwRect(120, 660, 10215, 3060));
    Frame1->setFont(look::Verdana(8.25, true));
    look::SetBackground(Frame1, colour::LightGreen);
    look::SetTextColour(Frame1, colour::DarkRed);

    const QFont caption = look::Verdana(8.25, true);
    const QFont heading = look::Verdana(8.25, false, true);
    const QFont hint = look::Verdana(8.25);
    const auto captionAt = [&](const char *name, const char *text, int left, int top) {
        return MakeAutoLabel(Frame1, name, text, caption, colour::Brown, left, top);
    };
    const auto headingAt = [&](const char *name, const char *text, int left) {
        return MakeAutoLabel(Frame1, name, text, heading, colour::Brown, left, 300);
    };

    QLabel *dateCaption = captionAt("Label2", text::ExactDateCaption, 240, 600);
    QLabel *dateHeading = headingAt("Label3", text::DateHeading, 2040);
    QLabel *monthHeading = headingAt("Label4", text::MonthHeading, 3240);
    QLabel *yearHeading = headingAt("Label5", text::YearHeading, 4760);
    QLabel *timeCaption = captionAt("Label6", text::ExactTimeCaption, 5760, 600);
    QLabel *hourHeading = headingAt("Label7", text::HourHeading, 7380);
    QLabel *minuteHeading = headingAt("Label8", text::MinuteHeading, 8130);

    cmbDay = MakeList(Frame1, "cmbDay", text::DayListName, TwRect(1920, 540, 735, 330));
    cmbMonth = MakeList(Frame1, "cmbMonth", text::MonthListName, TwRect(2760, 540, 1575, 330));
    cmbYear = MakeList(Frame1, "cmbYear", text::YearListName, TwRect(4440, 540, 1095, 330));
    cmbHour = MakeList(Frame1, "cmbHour", text::HourListName, TwRect(7320, 540, 735, 330));
    cmbMinute = MakeList(Frame1, "cmbMinute", text::MinuteListName, TwRect(8160, 540, 735, 330));

    QLabel *townCaption = captionAt("Label9", text::TownCaption, 240, 1140);
    QLabel *townHint =
        MakeLabel(Frame1, "Label10", QLatin1String(text::TownHint), hint, colour::Brown);
    townHint->setWordWrap(true);
    townHint->setGeometry(TwRect(240, 1440, 1560, 855));
    look::FitWrapped(townHint);
    txtPlace = MakeBox(Frame1, "txtPlace", text::TownBoxName, TwRect(1920, 1080, 3615, 375));
    // The list of towns follows every change of the letters, typed or pasted.
    connect(txtPlace, &QLineEdit::textChanged, this, &frmExactDescendant::txtPlace_Change);

    lstTowns = new QListWidget(Frame1);
    lstTowns->setObjectName(QStringLiteral("lstTowns"));
    lstTowns->setFont(look::Verdana(8.25, true));
    look::SetFace(lstTowns, colour::White, colour::Brown);
    lstTowns->setGeometry(TwRect(1920, 1500, 3615, 1380));
    lstTowns->setAccessibleName(QLatin1String(text::TownListName));
    lstTowns->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(lstTowns, &QListWidget::currentRowChanged, this, &frmExactDescendant::lstTowns_Click);

    QLabel *latitudeCaption = captionAt("Label11", text::LatitudeCaption, 5760, 1140);
    QLabel *longitudeCaption = captionAt("Label12", text::LongitudeCaption, 5760, 1620);
    QLabel *zoneCaption = captionAt("Label13", text::ZoneCaption, 5760, 2100);
    txtLatitude =
        MakeBox(Frame1, "txtLatitude", text::LatitudeBoxName, TwRect(7320, 1080, 1575, 375));
    txtLongitude =
        MakeBox(Frame1, "txtLongitude", text::LongitudeBoxName, TwRect(7320, 1560, 1575, 375));
    cmbZone = MakeList(Frame1, "cmbZone", text::ZoneListName, TwRect(7320, 2040, 2760, 330));
    connect(txtLatitude, &QLineEdit::textEdited, this, &frmExactDescendant::placeEdited);
    connect(txtLongitude, &QLineEdit::textEdited, this, &frmExactDescendant::placeEdited);
    connect(cmbZone, &QComboBox::activated, this, &frmExactDescendant::placeEdited);
    QLabel *placeHint =
        MakeLabel(Frame1, "Label14", QLatin1String(text::PlaceHint), hint, colour::Brown);
    placeHint->setWordWrap(true);
    placeHint->setGeometry(TwRect(5760, 2460, 4335, 435));
    look::FitWrapped(placeHint);

    for (QLineEdit *box : {txtPlace, txtLatitude, txtLongitude}) {
        // Every typed character goes to the box as it is; composed input is welcome here.
        box->installEventFilter(this);
    }

    // Each control is labelled by its caption, the lists also by their headings; the
    // captions' access keys reach the first control of their line.
    dateCaption->setBuddy(cmbDay);
    dateHeading->setBuddy(cmbDay);
    monthHeading->setBuddy(cmbMonth);
    yearHeading->setBuddy(cmbYear);
    timeCaption->setBuddy(cmbHour);
    hourHeading->setBuddy(cmbHour);
    minuteHeading->setBuddy(cmbMinute);
    townCaption->setBuddy(txtPlace);
    latitudeCaption->setBuddy(txtLatitude);
    longitudeCaption->setBuddy(txtLongitude);
    zoneCaption->setBuddy(cmbZone);
}

void frmExactDescendant::buildResult()
{
    Frame2 = new QGroupBox(QLatin1String(text::ExactResultFrame), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwRect(0, 4500, 10455, 4560));
    Frame2->setFont(look::Verdana(9.75, true));
    look::SetBackground(Frame2, colour::LightGreen);
    look::SetTextColour(Frame2, colour::Blue);

    const QFont heading = look::Verdana(8.25, true, true);
    const QFont value = look::Verdana(9, true);
    const auto headingAt = [&](const char *name, const char *text, int top) {
        return MakeAutoLabel(Frame2, name, text, heading, colour::Brown, 240, top);
    };
    const auto valueAt = [&](const char *name, int top, int width, int height) {
        QLabel *label = MakeLabel(Frame2, name, QString(), value, colour::DarkRed);
        label->setGeometry(TwRect(2640, top, width, height));
        return label;
    };

    QLabel *signHeading = headingAt("Label15", text::SignHeading, 420);
    QLabel *ascendantHeading = headingAt("Label16", text::AscendantHeading, 720);
    QLabel *clockHeading = headingAt("Label17", text::ClockHeading, 1020);
    QLabel *readingHeading = headingAt("Label18", text::ReadingHeading, 1740);

    lblDescendant = valueAt("lblDescendant", 420, 4335, 225);
    lblAscendant = valueAt("lblAscendant", 720, 4335, 225);
    lblClock = valueAt("lblClock", 1020, 4335, 645);
    lblClock->setFont(look::Verdana(8.25, true));
    lblClock->setWordWrap(true);
    lblClock->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMoreAboutSign = MakeLabel(Frame2, "lblMoreAboutSign", QString(), value, colour::DarkRed);
    lblMoreAboutSign->setGeometry(TwRect(240, 1980, 6735, 2520));
    lblMoreAboutSign->setWordWrap(true);
    lblMoreAboutSign->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    signHeading->setBuddy(lblDescendant);
    ascendantHeading->setBuddy(lblAscendant);
    clockHeading->setBuddy(lblClock);
    readingHeading->setBuddy(lblMoreAboutSign);

    picSign = new QLabel(Frame2);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setFrameShape(QFrame::Box);
    picSign->setFrameShadow(QFrame::Plain);
    picSign->setLineWidth(1);
    picSign->setAlignment(Qt::AlignCenter);
    look::SetBackground(picSign, colour::White);
    look::SetTextColour(picSign, colour::Black);
    picSign->setGeometry(TwRect(7200, 420, 3030, 3030));
    // Shown with the first result.
    picSign->hide();
}

void frmExactDescendant::Form_Load()
{
    for (int day = 1; day <= 31; ++day)
        cmbDay->addItem(QString::number(day));
    for (const char *month : text::MonthNames)
        cmbMonth->addItem(QLatin1String(month));
    for (int year = FirstYear; year <= LastYear; ++year)
        cmbYear->addItem(QString::number(year));
    for (int hour = 0; hour < 24; ++hour)
        cmbHour->addItem(QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    for (int minute = 0; minute < 60; ++minute)
        cmbMinute->addItem(QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')));
}

void frmExactDescendant::setBirthDate(int day, int month, int year)
{
    cmbDay->setCurrentIndex(day - 1);
    cmbMonth->setCurrentIndex(month - 1);
    cmbYear->setCurrentIndex(cmbYear->findText(QString::number(year)));
}

void frmExactDescendant::openFrom(QWidget *owner)
{
    winId();
    if (owner && owner->windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    exec();
}

bool frmExactDescendant::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box)
        return QDialog::eventFilter(watched, event);
    // Tabbing in selects the whole text, once the box is announced.
    if (event->type() == QEvent::FocusIn)
        return ChangeAfterFocus(box, event, [box](bool tabbed) {
            if (tabbed)
                box->selectAll();
        });
    // Down from the town's letters goes on to the towns they match.
    if (box == txtPlace && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && lstTowns->count() > 0) {
        lstTowns->setFocus(Qt::TabFocusReason);
        if (lstTowns->currentRow() < 0)
            lstTowns->setCurrentRow(0);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmExactDescendant::txtPlace_Change() {}

void frmExactDescendant::lstTowns_Click() {}

void frmExactDescendant::placeEdited() {}

void frmExactDescendant::cmdFind_Click() {}

void frmExactDescendant::cmdClose_Click()
{
    reject();
}

} // namespace kelt
