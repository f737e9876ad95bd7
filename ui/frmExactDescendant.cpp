#include "frmExactDescendant.h"

#include "FocusBox.h"
#include "Look.h"
#include "MessageBox.h"
#include "PlaceData.h"
#include "Texts.h"
#include "WindowSetUp.h"
#include "ZodiacSign.h"

#include <QAccessible>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QTimeZone>
#include <QWindow>

#include <cmath>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;
using look::MakeAutoLabel;
using look::MakeLabel;

namespace {

constexpr int FirstYear = 1800;
constexpr int LastYear = 2100;
constexpr int Width = 11400;
// Enough for every town of one name; a few more letters find any other.
constexpr std::size_t MatchesShown = 40;

// The reading's box, which grows when the font needs more lines.
QRect ReadingBox()
{
    return TwRect(240, 2400, 7665, 2760);
}

QComboBox *MakeList(QWidget *parent, const char *name, const char *accessibleName,
                    const QRect &geometry)
{
    QComboBox *list = look::MakeList(parent, name, geometry);
    // Windows readers take this name; on Linux a list is named by its entry.
    list->setAccessibleName(QLatin1String(accessibleName));
    return list;
}

FocusBox<QLineEdit> *MakeBox(QWidget *parent, const char *name, const char *accessibleName,
                             const QRect &geometry)
{
    auto *box = new FocusBox<QLineEdit>(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(look::Verdana(9, true));
    look::SetFace(box, colour::LightGreen, colour::Brown);
    box->setGeometry(geometry);
    box->setAccessibleName(QLatin1String(accessibleName));
    return box;
}

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString DateText(int day, int month, int year)
{
    return QStringLiteral("%1 %2 %3")
        .arg(day)
        .arg(QLatin1String(text::MonthNames[month - 1]))
        .arg(year);
}

// The UT time and date of an instant, as hh:mm and "12 May 1990", by the calendar alone.
std::pair<QString, QString> UtTimeAndDate(UtSeconds ut)
{
    constexpr qint64 Day = 86400;
    constexpr qint64 JulianDayOf1970 = 2440588;
    const qint64 days = ut >= 0 ? ut / Day : -((-ut + Day - 1) / Day);
    const QDate date = QDate::fromJulianDay(JulianDayOf1970 + days);
    const QTime time = QTime(0, 0).addSecs(int(ut - days * Day));
    return {time.toString(QStringLiteral("HH:mm")),
            DateText(date.day(), date.month(), date.year())};
}

QString Offset(const ClockReading &reading)
{
    return Text(OffsetText(reading.offset.utcOffsetSeconds));
}

// Degrees from the text of a box, "48.85" or "48,85"; nothing for anything else.
std::optional<double> Degrees(const QString &typed)
{
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString Hemisphere(double degrees, char positive, char negative)
{
    return QStringLiteral("%1\u00b0 %2")
        .arg(std::fabs(degrees), 0, 'f', 4)
        .arg(QLatin1Char(degrees < 0 ? negative : positive));
}

QString Spoken(const EclipticPoint &point)
{
    return QLatin1String(text::PointSpoken)
        .arg(Text(point.sign))
        .arg(point.degree)
        .arg(point.minute);
}

} // namespace

frmExactDescendant::frmExactDescendant(QWidget *parent) : QDialog(parent)
{
    SetUpWindow(this, "frmExactDescendant", look::Verdana(8.25), colour::LightGreen);
    // Closing only hides it: the town and time stay for the next opening.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Tw(Width), Tw(9990));

    QLabel *intro = MakeLabel(this, "Label1", QLatin1String(text::ExactIntro),
                              look::Verdana(8.25, true), colour::Blue);
    intro->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    intro->setWordWrap(true);
    intro->setGeometry(TwRect(240, 120, Width - 480, 240));
    look::FitWrapped(intro);

    buildDetails();

    cmdFind = look::MakeButton(this, "cmdFind", text::ButtonFindExact, TwRect(0, 3450, Width, 585));
    connect(cmdFind, &QPushButton::clicked, this, &frmExactDescendant::cmdFind_Click);

    buildResult();

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(0, Tw(9420), Tw(Width), 1);
    cmdClose = look::MakeButton(this, "cmdClose", text::ButtonCloseExact,
                                TwRect(Width - 1380, 9510, 1260, 375));
    connect(cmdClose, &QPushButton::clicked, this, &frmExactDescendant::cmdClose_Click);

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

    Form_Load();
    cmbDay->setFocus();
    // Enter finds, Escape closes.
    FinishWindow(this, {cmdFind, cmdClose}, cmdFind, cmdClose);
}

void frmExactDescendant::buildDetails()
{
    auto *Frame1 = new QGroupBox(QLatin1String(text::ExactDetailsFrame), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwRect(120, 420, Width - 240, 2940));
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
    QLabel *timeCaption = captionAt("Label6", text::ExactTimeCaption, 6240, 600);
    QLabel *hourHeading = headingAt("Label7", text::HourHeading, 7860);
    QLabel *minuteHeading = headingAt("Label8", text::MinuteHeading, 8610);

    cmbDay = MakeList(Frame1, "cmbDay", text::DayListName, TwRect(1920, 540, 735, 330));
    cmbMonth = MakeList(Frame1, "cmbMonth", text::MonthListName, TwRect(2760, 540, 1575, 330));
    cmbYear = MakeList(Frame1, "cmbYear", text::YearListName, TwRect(4440, 540, 1095, 330));
    cmbHour = MakeList(Frame1, "cmbHour", text::HourListName, TwRect(7800, 540, 735, 330));
    cmbMinute = MakeList(Frame1, "cmbMinute", text::MinuteListName, TwRect(8640, 540, 735, 330));

    QLabel *townCaption = captionAt("Label9", text::TownCaption, 240, 1140);
    QLabel *townHint =
        MakeLabel(Frame1, "Label10", QLatin1String(text::TownHint), hint, colour::Brown);
    townHint->setWordWrap(true);
    townHint->setGeometry(TwRect(240, 1440, 1560, 855));
    look::FitWrapped(townHint);
    txtPlace = MakeBox(Frame1, "txtPlace", text::TownBoxName, TwRect(1920, 1080, 3975, 375));
    // The list of towns follows every change of the letters, typed or pasted.
    connect(txtPlace, &QLineEdit::textChanged, this, &frmExactDescendant::txtPlace_Change);

    auto *towns = new FocusBox<QListWidget>(Frame1);
    // The town that has the focus is said once the list's own focus is reported, which Qt
    // does after the list made its first town current.
    towns->arrived = [towns](Qt::FocusReason) {
        const int row = towns->currentRow();
        if (row < 0)
            return;
        QAccessibleEvent focus(towns, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    };
    lstTowns = towns;
    lstTowns->setObjectName(QStringLiteral("lstTowns"));
    lstTowns->setFont(look::Verdana(8.25, true));
    // A long name wraps, so that what tells two towns of one name apart is never cut off.
    lstTowns->setWordWrap(true);
    lstTowns->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    look::SetFace(lstTowns, colour::White, colour::Brown);
    lstTowns->setGeometry(TwRect(1920, 1500, 3975, 1320));
    lstTowns->setAccessibleName(QLatin1String(text::TownListName));
    lstTowns->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(lstTowns, &QListWidget::currentRowChanged, this, &frmExactDescendant::lstTowns_Click);

    QLabel *latitudeCaption = captionAt("Label11", text::LatitudeCaption, 6240, 1140);
    QLabel *longitudeCaption = captionAt("Label12", text::LongitudeCaption, 6240, 1620);
    QLabel *zoneCaption = captionAt("Label13", text::ZoneCaption, 6240, 2100);
    txtLatitude =
        MakeBox(Frame1, "txtLatitude", text::LatitudeBoxName, TwRect(7800, 1080, 1575, 375));
    txtLongitude =
        MakeBox(Frame1, "txtLongitude", text::LongitudeBoxName, TwRect(7800, 1560, 1575, 375));
    cmbZone = MakeList(Frame1, "cmbZone", text::ZoneListName, TwRect(7800, 2040, 3120, 330));
    connect(txtLatitude, &QLineEdit::textEdited, this, &frmExactDescendant::placeEdited);
    connect(txtLongitude, &QLineEdit::textEdited, this, &frmExactDescendant::placeEdited);
    connect(cmbZone, &QComboBox::activated, this, &frmExactDescendant::placeEdited);
    QLabel *placeHint =
        MakeLabel(Frame1, "Label14", QLatin1String(text::PlaceHint), hint, colour::Brown);
    placeHint->setWordWrap(true);
    placeHint->setGeometry(TwRect(6240, 2430, 4680, 435));
    look::FitWrapped(placeHint);

    txtPlace->installEventFilter(this);

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
    auto *Frame2 = new QGroupBox(QLatin1String(text::ExactResultFrame), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwRect(0, 4080, Width, 5280));
    Frame2->setFont(look::Verdana(9.75, true));
    look::SetBackground(Frame2, colour::LightGreen);
    look::SetTextColour(Frame2, colour::Blue);

    const QFont heading = look::Verdana(8.25, true, true);
    const auto headingAt = [&](const char *name, const char *text, int top) {
        return MakeAutoLabel(Frame2, name, text, heading, colour::Brown, 240, top);
    };
    const auto valueAt = [&](const char *name, int top, int height, const QFont &font) {
        QLabel *label = MakeLabel(Frame2, name, QString(), font, colour::DarkRed);
        label->setGeometry(TwRect(2640, top, 5325, height));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };

    QLabel *signHeading = headingAt("Label15", text::SignHeading, 420);
    QLabel *ascendantHeading = headingAt("Label16", text::AscendantHeading, 720);
    QLabel *placeHeading = headingAt("Label17", text::PlaceHeading, 1020);
    QLabel *clockHeading = headingAt("Label18", text::ClockHeading, 1440);
    QLabel *readingHeading = headingAt("Label19", text::ReadingHeading, 2160);

    lblDescendant = valueAt("lblDescendant", 390, 300, look::Verdana(9, true));
    lblAscendant = valueAt("lblAscendant", 690, 300, look::Verdana(9, true));
    // Each sign on one line, in a box that fits it, whose frame shows the focus; the margin
    // keeps the text in line with the values below.
    lblDescendant->move(lblDescendant->x() - 2, lblDescendant->y());
    lblAscendant->move(lblAscendant->x() - 2, lblAscendant->y());
    lblDescendant->setWordWrap(false);
    lblAscendant->setWordWrap(false);
    lblDescendant->setMargin(2);
    lblAscendant->setMargin(2);
    lblPlace = valueAt("lblPlace", 1020, 420, look::Verdana(8.25, true));
    lblClock = valueAt("lblClock", 1440, 645, look::Verdana(8.25, true));
    lblMoreAboutSign =
        MakeLabel(Frame2, "lblMoreAboutSign", QString(), look::Verdana(9, true), colour::DarkRed);
    lblMoreAboutSign->setGeometry(ReadingBox());
    lblMoreAboutSign->setWordWrap(true);
    lblMoreAboutSign->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    signHeading->setBuddy(lblDescendant);
    ascendantHeading->setBuddy(lblAscendant);
    placeHeading->setBuddy(lblPlace);
    clockHeading->setBuddy(lblClock);
    readingHeading->setBuddy(lblMoreAboutSign);

    picSign = look::MakeSignPicture(Frame2, TwRect(Width - 3255, 420, 3030, 3030));
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
        cmbHour->addItem(TwoDigits(hour));
    for (int minute = 0; minute < 60; ++minute)
        cmbMinute->addItem(TwoDigits(minute));
    // The place data loads here, when the window is first opened, so that the first letter
    // typed finds its towns at once.
    content::Towns();
    for (const std::string &zone : content::ZoneNames())
        cmbZone->addItem(Text(zone));
    // A place given by hand is most likely in this computer's own zone.
    const int own = cmbZone->findText(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
    cmbZone->setCurrentIndex(own >= 0 ? own : 0);
}

void frmExactDescendant::setBirthDate(int day, int month, int year)
{
    cmbDay->setCurrentIndex(day - 1);
    cmbMonth->setCurrentIndex(month - 1);
    cmbYear->setCurrentIndex(cmbYear->findText(QString::number(year)));
}

void frmExactDescendant::openFrom(QWidget *owner)
{
    // Each time with the focus on the date, which has just been filled in.
    cmbDay->setFocus();
    winId();
    if (owner && owner->windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    exec();
}

bool frmExactDescendant::eventFilter(QObject *watched, QEvent *event)
{
    // A label draws no focus of its own: the result, when it has the focus, gets a frame.
    if (watched == lblDescendant &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        lblDescendant->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box
                                                                      : QFrame::NoFrame);
        return false;
    }
    // Down from the town's letters goes on to the towns they match.
    if (watched == txtPlace && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && lstTowns->count() > 0) {
        lstTowns->setFocus(Qt::TabFocusReason);
        if (lstTowns->currentRow() < 0)
            lstTowns->setCurrentRow(0);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmExactDescendant::txtPlace_Change()
{
    const QByteArray typed = txtPlace->text().toUtf8();
    const TownList &towns = content::Towns();
    m_matches =
        towns.Search(std::string_view(typed.constData(), std::size_t(typed.size())), MatchesShown);
    // Clearing the list clears the town chosen, and the place it filled in.
    lstTowns->clear();
    for (std::size_t index : m_matches)
        lstTowns->addItem(Text(towns.Label(index)));
}

// The list's current town is the one chosen: where the keys or a click put it, which is what
// a screen reader reads out.
void frmExactDescendant::lstTowns_Click(int row)
{
    if (row < 0 || row >= int(m_matches.size())) {
        m_town.reset();
        if (m_placeFromTown) {
            txtLatitude->clear();
            txtLongitude->clear();
        }
        m_placeFromTown = false;
        return;
    }
    lstTowns->item(row)->setSelected(true);
    m_town = m_matches[std::size_t(row)];
    const Town town = content::Towns().At(*m_town);
    txtLatitude->setText(QString::number(town.latitudeDeg, 'f', 4));
    txtLongitude->setText(QString::number(town.longitudeDeg, 'f', 4));
    cmbZone->setCurrentIndex(cmbZone->findText(Text(town.zone)));
    m_placeFromTown = true;
}

// A latitude, longitude or zone of the user's own: the place is no longer the town's.
void frmExactDescendant::placeEdited()
{
    m_placeFromTown = false;
    lstTowns->setCurrentRow(-1);
    lstTowns->clearSelection();
}

std::optional<BirthPlace> frmExactDescendant::chosenPlace(QString *shown)
{
    if (m_town) {
        *shown = Text(content::Towns().Label(*m_town));
        return PlaceOfTown(content::Towns().At(*m_town));
    }
    const auto refuse = [this](const char *message, QWidget *box) {
        MessageBox::inform(this, QLatin1String(message), MessageIcon::Information);
        box->setFocus();
        return std::nullopt;
    };
    if (txtLatitude->text().trimmed().isEmpty() && txtLongitude->text().trimmed().isEmpty())
        return refuse(text::NoPlaceChosen, txtPlace);
    const auto latitude = Degrees(txtLatitude->text());
    if (!latitude || std::fabs(*latitude) > 90)
        return refuse(text::BadLatitude, txtLatitude);
    const auto longitude = Degrees(txtLongitude->text());
    if (!longitude || std::fabs(*longitude) > 180)
        return refuse(text::BadLongitude, txtLongitude);
    *shown = QLatin1String(text::PlaceByHand)
                 .arg(Hemisphere(*latitude, 'N', 'S'), Hemisphere(*longitude, 'E', 'W'));
    return BirthPlace{*latitude, *longitude, cmbZone->currentText().toStdString()};
}

BirthClock frmExactDescendant::enteredClock() const
{
    return {cmbYear->currentText().toInt(), cmbMonth->currentIndex() + 1,
            cmbDay->currentIndex() + 1, cmbHour->currentIndex(), cmbMinute->currentIndex()};
}

QString frmExactDescendant::clockQuestion(const ExactAnswer &answer, const BirthClock &clock,
                                          const QString &zone) const
{
    const char *question =
        answer.outcome == ExactAnswer::Outcome::Gap ? text::GapQuestion : text::RepeatQuestion;
    return QLatin1String(question).arg(
        TwoDigits(clock.hour) + QLatin1Char(':') + TwoDigits(clock.minute),
        DateText(clock.day, clock.month, clock.year), zone, Offset(answer.earlier),
        Offset(answer.later), UtTimeAndDate(answer.earlier.ut).first,
        UtTimeAndDate(answer.later.ut).first);
}

void frmExactDescendant::cmdFind_Click()
{
    QString place;
    const auto where = chosenPlace(&place);
    if (!where)
        return;
    const BirthClock clock = enteredClock();
    const QString zone = Text(where->zone);
    ExactAnswer answer = content::ExactDescendant(clock, *where);
    if (answer.outcome == ExactAnswer::Outcome::Gap ||
        answer.outcome == ExactAnswer::Outcome::Repeated) {
        const auto reply = MessageBox::choose(this, clockQuestion(answer, clock, zone));
        if (reply != QMessageBox::Yes && reply != QMessageBox::No)
            return;
        answer = content::ExactDescendant(
            clock, *where, reply == QMessageBox::Yes ? ClockChoice::Earlier : ClockChoice::Later);
    }
    if (answer.outcome != ExactAnswer::Outcome::Found) {
        MessageBox::inform(this, Text(answer.problem), MessageIcon::Information);
        return;
    }
    showAnswer(answer, clock, place, zone);
}

void frmExactDescendant::showAnswer(const ExactAnswer &answer, const BirthClock &clock,
                                    const QString &place, const QString &zone)
{
    const QString sign = Text(answer.descendant.sign);
    lblDescendant->setText(Text(answer.descendant.text));
    // Room for the frame of the focus around the text.
    lblDescendant->resize(lblDescendant->sizeHint() + QSize(6, 2));
    lblAscendant->setText(Text(answer.ascendant.text));
    lblAscendant->resize(lblAscendant->sizeHint() + QSize(6, 2));
    lblPlace->setText(place);

    const QString time = TwoDigits(clock.hour) + QLatin1Char(':') + TwoDigits(clock.minute);
    const QString date = DateText(clock.day, clock.month, clock.year);
    const auto [utTime, utDate] = UtTimeAndDate(answer.reading.ut);
    const ZoneOffset &offset = answer.reading.offset;
    const QString offsetText = Offset(answer.reading);
    if (offset.localMeanTime) {
        lblClock->setText(
            QLatin1String(text::ClockLocalMean).arg(time, date, zone, offsetText, utTime, utDate));
    } else {
        // Zones that have no letters for their time give its offset, which is said anyway.
        const QString abbreviation = Text(offset.abbreviation);
        const bool letters = !abbreviation.isEmpty() && abbreviation.front().isLetter();
        lblClock->setText(QLatin1String(offset.daylight ? text::ClockSummer : text::ClockStandard)
                              .arg(time, date, zone,
                                   letters ? abbreviation + QStringLiteral(", ") : QString(),
                                   offsetText, utTime, utDate));
    }

    const auto item = SignPictureItem(answer.descendant.sign);
    const QPixmap picture = item ? m_images.picture(*item) : QPixmap();
    picSign->setPixmap(picture);
    if (!picture.isNull())
        picSign->resize(picture.deviceIndependentSize().toSize() + QSize(2, 2));
    picSign->setAccessibleName(sign);
    picSign->setAccessibleDescription(QLatin1String(text::PictureDescription).arg(sign));
    picSign->show();
    const auto reading = DescendantReading(answer.descendant.sign);
    lblMoreAboutSign->setText(reading ? Text(*reading) : QString());
    lblMoreAboutSign->setGeometry(ReadingBox());
    look::FitWrapped(lblMoreAboutSign);

    // The result takes the focus, so that a screen reader says it whole, as the label's name
    // (readers pass over a label's description): the descendant in words, then the rest.
    lblAscendant->setAccessibleName(Spoken(answer.ascendant));
    const QString heard[] = {
        Spoken(answer.descendant),
        QLatin1String(text::AscendantHeading) + QLatin1Char(' ') + lblAscendant->accessibleName(),
        QLatin1String(text::PlaceHeading) + QLatin1Char(' ') + place,
        QLatin1String(text::ClockHeading) + QLatin1Char(' ') + lblClock->text().chopped(1),
        picSign->accessibleDescription(),
        QLatin1String(text::ReadingHeading),
        lblMoreAboutSign->text()};
    lblDescendant->setAccessibleName(
        QStringList(std::begin(heard), std::end(heard)).join(QStringLiteral(". ")));
    if (lblDescendant->focusPolicy() == Qt::NoFocus) {
        lblDescendant->setFocusPolicy(Qt::StrongFocus);
        lblDescendant->installEventFilter(this);
    }
    lblDescendant->setFocus(Qt::OtherFocusReason);
}

void frmExactDescendant::cmdClose_Click()
{
    reject();
}

} // namespace kelt
