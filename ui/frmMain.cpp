#include "frmMain.h"

#include "Content.h"
#include "FocusBox.h"
#include "LinkLabel.h"
#include "Look.h"
#include "MessageBox.h"
#include "Texts.h"
#include "modRisingSign.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;
using look::MakeAutoLabel;
using look::MakeButton;
using look::MakeLabel;
using look::MakeList;

namespace {

const MainFrame::Design WindowDesign = {
    .objectName = "frmMain",
    .client = {7860, 5655},
    .background = colour::LightGreen,
    .Frame2 = {0, 0, 7860, 615},
    .Label61 = {120, 135, 7680, 585},
    .Frame5 = {0, 4800, 7860, 855},
    .lblCobrand = {120, 120, 6225, 615},
    .lblFullBrand = {120, 120, 6225, 615}, // exactly over it
    .cmdExit = {6480, 240, 1260, 465},
    .updateCaption = text::MenuUpdateOnMain,
    .separator1 = "mnuHelp1",
    .separator2 = "mnuHelp2",
};

} // namespace

frmMain::frmMain(ReadingState &state, QWidget *parent)
    : MainFrame(WindowDesign, parent), m_state(state)
{
    connect(addFileItem(text::FindSign, "mnuFindZodiacRisingSign"), &QAction::triggered, this,
            &frmMain::cmdProceed_Click);
    addExactDescendantItem();
    connect(addFileItem(text::MenuExit, "mnuExit"), &QAction::triggered, this,
            &frmMain::cmdExit_Click);
    buildBody();

    setTabOrder(txtName, cmbTime);
    setTabOrder(cmbTime, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, cmdExit);
    setTabOrder(cmdExit, cmdProceed);

    Form_Load();
    txtName->setFocus();
    // Find is both the default and the cancel button; its Alt+D comes before the menu
    // bar's "&Donate".
    finishFrame({cmdProceed, cmdExit}, cmdProceed, cmdProceed);
}

void frmMain::buildBody()
{
    auto *Frame1 = new QFrame(client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwRect(0, 600, 7860, 3495));
    look::SetBackground(Frame1, colour::LightGreen);

    QLabel *Label8 = MakeLabel(Frame1, "Label8", content::Text(QStringLiteral("label8.txt")),
                               look::Verdana(8.25, true), colour::Blue);
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label8->setWordWrap(true);
    Label8->setGeometry(TwRect(210, 160, 7455, 855));
    look::FitWrapped(Label8);

    MakeAutoLabel(Frame1, "Label9", text::Hint, look::Verdana(9, true), colour::Magenta, 1883,
                  1080);

    auto *Frame3 = new QGroupBox(QLatin1String(text::DetailsFrame), Frame1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(TwRect(120, 1320, 7600, 2055));
    Frame3->setFont(look::Verdana(8.25, true));
    look::SetBackground(Frame3, colour::LightGreen);
    look::SetTextColour(Frame3, colour::DarkRed);

    const QFont caption = look::Verdana(8.25, true);
    const QFont heading = look::Verdana(8.25, false, true);
    QLabel *label1 =
        MakeAutoLabel(Frame3, "Label1", text::NameCaption, caption, colour::Brown, 960, 360);
    QLabel *label7 =
        MakeAutoLabel(Frame3, "Label7", text::TimeCaption, caption, colour::Brown, 960, 915);
    QLabel *label4 =
        MakeAutoLabel(Frame3, "Label4", text::DateHeading, heading, colour::Brown, 2640, 1320);
    QLabel *label5 =
        MakeAutoLabel(Frame3, "Label5", text::MonthHeading, heading, colour::Brown, 3840, 1320);
    QLabel *label6 =
        MakeAutoLabel(Frame3, "Label6", text::YearHeading, heading, colour::Brown, 5400, 1320);
    MakeAutoLabel(Frame3, "Label3", text::BirthDateCaption, caption, colour::Brown, 960, 1680);

    // Tabbed to, it selects the name once the focus has been reported.
    txtName = new FocusBox<QLineEdit>(Frame3);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(look::Verdana(9, true));
    look::SetFace(txtName, colour::LightGreen, colour::Brown);
    txtName->setGeometry(TwRect(2520, 240, 3615, 375));
    // Every typed character goes through the key filter; composed input would bypass it.
    txtName->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtName->installEventFilter(this);

    cmbTime = MakeList(Frame3, "cmbTime", TwRect(2520, 840, 2175, 330));
    cmbDate = MakeList(Frame3, "cmbDate", TwRect(2520, 1560, 735, 330));
    cmbMonth = MakeList(Frame3, "cmbMonth", TwRect(3360, 1560, 1575, 330));
    cmbYear = MakeList(Frame3, "cmbYear", TwRect(5040, 1560, 1095, 330));

    // A screen reader hears each list's caption as its label and the chosen entry as its
    // name, the way Qt presents lists on Linux; Windows readers take these names.
    label1->setBuddy(txtName);
    label7->setBuddy(cmbTime);
    label4->setBuddy(cmbDate);
    label5->setBuddy(cmbMonth);
    label6->setBuddy(cmbYear);
    txtName->setAccessibleName(QLatin1String(text::NameBoxName));
    cmbDate->setAccessibleName(QLatin1String(text::DayListName));
    cmbMonth->setAccessibleName(QLatin1String(text::MonthListName));
    cmbYear->setAccessibleName(QLatin1String(text::YearListName));
    cmbTime->setAccessibleName(QLatin1String(text::TimeListName));

    cmdProceed = MakeButton(client(), "cmdProceed", text::FindSign, TwRect(0, 4160, 7860, 585));
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
}

void frmMain::Form_Load()
{
    cmbMonth->clear();
    cmbDate->clear();
    cmbYear->clear();
    cmbTime->clear();
    for (const char *month : text::MonthNames)
        cmbMonth->addItem(QLatin1String(month));
    for (int day = 1; day <= 31; ++day)
        cmbDate->addItem(QString::number(day));
    for (int year = 1900; year <= 2050; ++year)
        cmbYear->addItem(QString::number(year));
    for (const auto slot : modRisingSign::TimeSlots)
        cmbTime->addItem(QString::fromLatin1(slot.data(), static_cast<qsizetype>(slot.size())));
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
    cmbTime->setCurrentIndex(0);
}

void frmMain::bringCobrandToFront()
{
    lblCobrand->raise();
}

void frmMain::bringFullBrandToFront()
{
    lblFullBrand->raise();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtName && event->type() == QEvent::KeyPress)
        return txtName_KeyPress(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// Capitals, space, Backspace and Enter reach the name; lower-case letters become capitals;
// every other typed character is refused with a message. Returns true when the key is
// consumed here.
bool frmMain::txtName_KeyPress(QKeyEvent *event)
{
    const QString text = event->text();
    // Alt+letter is an access key, never a typed letter.
    if (event->modifiers().testFlag(Qt::AltModifier))
        return !text.isEmpty();
    // Keys that type nothing, focus keys, Escape and Delete are not typed characters, though
    // X11 gives Delete the text "\x7f".
    if (text.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
        event->key() == Qt::Key_Escape || event->key() == Qt::Key_Delete)
        return false;

    const char16_t k = text.at(0).unicode();
    if (k >= u'a' && k <= u'z') {
        txtName->insert(QString(QChar(k - 32)));
        return true;
    }
    if ((k >= u'A' && k <= u'Z') || k == 8 || k == 13 || k == 32)
        return false;

    MessageBox::inform(this, QLatin1String(text::OnlyAlphabet), MessageIcon::Information);
    return true;
}

BirthDetails frmMain::enteredDetails() const
{
    BirthDetails details;
    details.name = txtName->text().toStdString();
    details.day = cmbDate->currentIndex() + 1;
    details.month = cmbMonth->currentIndex() + 1;
    details.yearText = cmbYear->currentText().toStdString();
    details.timeSlot = cmbTime->currentText().toStdString();
    return details;
}

bool frmMain::ValidateBirthDetails()
{
    const auto message = kelt::ValidateBirthDetails(enteredDetails());
    if (!message)
        return true;
    MessageBox::inform(
        this,
        QString::fromLatin1(message->text.data(), static_cast<qsizetype>(message->text.size())),
        message->icon);
    if (message->problem == DetailsProblem::NoName)
        txtName->setFocus();
    return false;
}

void frmMain::cmdProceed_Click()
{
    if (!ValidateBirthDetails())
        return;
    const auto result = RunReading(m_state, enteredDetails());
    if (!result) {
        Q_EMIT readingPassed(std::nullopt);
        return;
    }
    const auto text = [](std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    };
    Q_EMIT readingPassed(ShownReading{text(result->sign), m_images.picture(result->pictureItem),
                                      text(result->readingText)});
}

} // namespace kelt
