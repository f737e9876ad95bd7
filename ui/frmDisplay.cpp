#include "ui/frmDisplay.h"

#include "ui/AccessKeys.h"
#include "ui/Content.h"
#include "ui/DefaultKeys.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/ScreenCentring.h"
#include "ui/SiteMenu.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;
using look::MakeButton;
using look::MakeLabel;

frmDisplay::frmDisplay(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QLatin1String(WindowCaption));
    setWindowIcon(content::ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(look::Verdana(8.25));
    look::SetBackground(this, colour::Teal);

    m_client = new QWidget(this);
    m_client->setFixedSize(Tw(10455), Tw(5520));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);

    buildMenus();

    Frame2 = new QFrame(m_client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwRect(0, 0, 10455, 735));
    look::SetBackground(Frame2, colour::Maroon);
    Label61 = SiteMenu::makeLabel61(Frame2);
    Label61->setGeometry(TwRect(0, 160, 10440, 585));

    buildResult();
    buildBottom();
    look::MakeFixedWindow(this);

    auto *keys = new AccessKeys(this);
    keys->add(cmdBack);
    keys->add(cmdExit);

    setTabOrder(cmdBack, cmdExit);
    cmdBack->setFocus();
    ScreenCentring::Centre(this);
}

void frmDisplay::buildMenus()
{
    QMenu *mnuFile = m_menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuFileBack = mnuFile->addAction(QStringLiteral("&Back"));
    mnuFileBack->setObjectName(QStringLiteral("mnuFileBack"));
    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::cmdBack_Click);
    QAction *mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::cmdExit_Click);

    auto *site =
        new SiteMenu(m_menuBar, {"&Check for Software Update", "mnuFileSep1", "mnuFileSep2"}, this);
    connect(site, &SiteMenu::aboutRequested, this, &frmDisplay::aboutRequested);
}

void frmDisplay::buildResult()
{
    Frame1 = new QGroupBox(QStringLiteral("Kelt Descendant Astrology Result"), m_client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwRect(0, 720, 10455, 3975));
    Frame1->setFont(look::Verdana(9.75, true));
    look::SetBackground(Frame1, colour::LightGreen);
    look::SetTextColour(Frame1, colour::Blue);

    const QFont heading = look::Verdana(8.25, true, true);
    QLabel *label18 = MakeLabel(Frame1, "Label18", QStringLiteral("Your Descendant Sign"), heading,
                                colour::Brown);
    label18->move(Tw(240), Tw(480));
    label18->adjustSize();
    QLabel *label2 =
        MakeLabel(Frame1, "Label2", QStringLiteral("More About Your Sign"), heading, colour::Brown);
    label2->move(Tw(240), Tw(840));
    label2->adjustSize();

    lblYourDescendantSign = MakeLabel(Frame1, "lblYourDescendantSign", QString(),
                                      look::Verdana(9, true), colour::DarkRed);
    lblYourDescendantSign->move(Tw(2640), Tw(480));
    lblYourDescendantSign->resize(Tw(2310), Tw(210));

    lblMoreAboutSign =
        MakeLabel(Frame1, "lblMoreAboutSign", QString(), look::Verdana(9, true), colour::DarkRed);
    lblMoreAboutSign->setGeometry(TwRect(240, 1080, 6735, 2850));
    lblMoreAboutSign->setWordWrap(true);
    lblMoreAboutSign->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The captions label the result fields for a screen reader.
    label18->setBuddy(lblYourDescendantSign);
    label2->setBuddy(lblMoreAboutSign);

    picSign = new QLabel(Frame1);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setFrameShape(QFrame::Box);
    picSign->setFrameShadow(QFrame::Plain);
    picSign->setLineWidth(1);
    picSign->setAlignment(Qt::AlignCenter);
    look::SetBackground(picSign, colour::White);
    // A plain box draws its line in the text colour, which would be the frame caption's blue.
    look::SetTextColour(picSign, colour::Black);
    picSign->setGeometry(TwRect(7200, 600, 3030, 3030));

    for (QLabel *label : Frame1->findChildren<QLabel *>())
        label->setFocusPolicy(Qt::NoFocus);
}

void frmDisplay::buildBottom()
{
    Frame5 = new QFrame(m_client);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Frame5->setGeometry(TwRect(0, 4680, 10455, 855));
    look::SetBackground(Frame5, colour::Maroon);

    lblCobrand = SiteMenu::makeCobrandLabel(Frame5);
    lblCobrand->setGeometry(TwRect(120, 165, 6945, 615));
    lblFullBrand = SiteMenu::makeFullBrandLabel(Frame5);
    lblFullBrand->setGeometry(TwRect(120, 160, 6945, 615));
    lblFullBrand->raise();

    cmdExit = MakeButton(Frame5, "cmdExit", "&Exit", TwRect(7680, 240, 1260, 465));
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    cmdBack = MakeButton(Frame5, "cmdBack", "&Back", TwRect(9080, 240, 1260, 465));
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
}

void frmDisplay::setResult(const QString &sign, const QPixmap &picture, const QString &reading)
{
    lblYourDescendantSign->setText(sign);
    lblYourDescendantSign->adjustSize();
    picSign->setPixmap(picture);
    picSign->setAccessibleName(sign);
    picSign->setAccessibleDescription(
        QStringLiteral("The figure of %1 in a round gold-rimmed medallion on a dark red ground")
            .arg(sign));
    // The box fits the picture and its one-pixel border.
    if (!picture.isNull())
        picSign->resize(picture.deviceIndependentSize().toSize() + QSize(2, 2));
    lblMoreAboutSign->setText(reading);
    lblMoreAboutSign->setGeometry(TwRect(240, 1080, 6735, 2850));
    look::FitWrapped(lblMoreAboutSign);
}

void frmDisplay::cmdBack_Click()
{
    close();
    Q_EMIT backClicked();
}

void frmDisplay::cmdExit_Click()
{
    close();
}

void frmDisplay::keyPressEvent(QKeyEvent *event)
{
    // Exit is both the default and the cancel button.
    if (!PressDefaultButtons(this, event, cmdExit, cmdExit))
        QWidget::keyPressEvent(event);
}

void frmDisplay::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmDisplay::Form_Unload()
{
    Q_EMIT unloaded();
}

} // namespace kelt
