#include "frmDisplay.h"

#include "Look.h"
#include "Texts.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;
using look::MakeButton;
using look::MakeLabel;

namespace {

// Where the reading starts before it grows to hold a long paragraph.
const QRect ReadingBox = look::TwRect(240, 1080, 6735, 2850);

const MainFrame::Design WindowDesign = {
    .objectName = "frmDisplay",
    .client = {10455, 5520},
    .background = colour::Teal,
    .Frame2 = {0, 0, 10455, 735},
    .Label61 = {0, 160, 10440, 585},
    .Frame5 = {0, 4680, 10455, 855},
    .lblCobrand = {120, 165, 6945, 615},
    .lblFullBrand = {120, 160, 6945, 615}, // drawn over it
    .cmdExit = {7680, 240, 1260, 465},
    .updateCaption = text::MenuUpdateOnResult,
    .separator1 = "mnuFileSep1",
    .separator2 = "mnuFileSep2",
};

} // namespace

frmDisplay::frmDisplay(QWidget *parent) : MainFrame(WindowDesign, parent)
{
    connect(addFileItem(text::MenuBack, "mnuFileBack"), &QAction::triggered, this,
            &frmDisplay::cmdBack_Click);
    addExactDescendantItem();
    connect(addFileItem(text::MenuExit, "mnuExit"), &QAction::triggered, this,
            &frmDisplay::cmdExit_Click);
    buildResult();
    cmdBack = MakeButton(bottomBanner(), "cmdBack", text::ButtonBack, TwRect(9080, 240, 1260, 465));
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);

    setTabOrder(cmdBack, cmdExit);
    cmdBack->setFocus();
    // Exit is both the default and the cancel button.
    finishFrame({cmdBack, cmdExit}, cmdExit, cmdExit);
}

void frmDisplay::buildResult()
{
    auto *Frame1 = new QGroupBox(QLatin1String(text::ResultFrame), client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwRect(0, 720, 10455, 3975));
    Frame1->setFont(look::Verdana(9.75, true));
    look::SetBackground(Frame1, colour::LightGreen);
    look::SetTextColour(Frame1, colour::Blue);

    const QFont heading = look::Verdana(8.25, true, true);
    QLabel *label18 =
        look::MakeAutoLabel(Frame1, "Label18", text::SignHeading, heading, colour::Brown, 240, 480);
    QLabel *label2 = look::MakeAutoLabel(Frame1, "Label2", text::ReadingHeading, heading,
                                         colour::Brown, 240, 840);

    lblYourDescendantSign = MakeLabel(Frame1, "lblYourDescendantSign", QString(),
                                      look::Verdana(9, true), colour::DarkRed);
    lblYourDescendantSign->move(Tw(2640), Tw(480));
    lblYourDescendantSign->resize(Tw(2310), Tw(210));

    lblMoreAboutSign =
        MakeLabel(Frame1, "lblMoreAboutSign", QString(), look::Verdana(9, true), colour::DarkRed);
    lblMoreAboutSign->setGeometry(ReadingBox);
    lblMoreAboutSign->setWordWrap(true);
    lblMoreAboutSign->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The captions label the result fields for a screen reader.
    label18->setBuddy(lblYourDescendantSign);
    label2->setBuddy(lblMoreAboutSign);

    // The picture's 200 x 200 and its one-pixel border.
    picSign = look::MakeSignPicture(Frame1, TwRect(7200, 600, 3030, 3030));
}

void frmDisplay::setResult(const ShownReading &reading)
{
    const QString &sign = reading.sign;
    lblYourDescendantSign->setText(sign);
    lblYourDescendantSign->adjustSize();
    picSign->setPixmap(reading.picture);
    picSign->setAccessibleName(sign);
    picSign->setAccessibleDescription(QLatin1String(text::PictureDescription).arg(sign));
    lblMoreAboutSign->setText(reading.text);
    // Read after the title when the window opens: the reading arrives for a screen reader
    // too, picture and all, which tells this window from the birth-details one of that title.
    setAccessibleDescription(QStringLiteral("%1 %2. %3. %4. %5")
                                 .arg(QLatin1String(text::SignHeading), sign,
                                      picSign->accessibleDescription(),
                                      QLatin1String(text::ReadingHeading), reading.text));
    lblMoreAboutSign->setGeometry(ReadingBox);
    look::FitWrapped(lblMoreAboutSign);
}

void frmDisplay::cmdBack_Click()
{
    Q_EMIT backClicked();
}

} // namespace kelt
