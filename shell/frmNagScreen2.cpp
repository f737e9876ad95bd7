#include "frmNagScreen2.h"

#include "Content.h"
#include "LinkLabel.h"
#include "Look.h"
#include "MessageBox.h"
#include "ProgramRandom.h"
#include "Texts.h"
#include "WindowSetUp.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;

namespace {

constexpr int SupportTextCount = 4;

QGroupBox *MakeNavyFrame(QWidget *parent, const char *name, const char *caption,
                         const QRect &geometry)
{
    auto *frame = new QGroupBox(QLatin1String(caption), parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(look::Verdana(9.75, true));
    look::SetBackground(frame, colour::Navy);
    look::SetTextColour(frame, colour::White);
    frame->setGeometry(geometry);
    return frame;
}

// A line takes no more than an address can carry, and what it cannot take is no loss: the
// address would be refused anyway.
FocusBox<QLineEdit> *MakeBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = new FocusBox<QLineEdit>(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(look::SansSerif(8.25));
    box->setGeometry(geometry);
    box->setMaxLength(static_cast<int>(modHelp::MaxAddressLength));
    return box;
}

} // namespace

frmNagScreen2::frmNagScreen2(modTellAFriend &referral, QWidget *parent)
    : QWidget(parent), m_referral(referral)
{
    SetUpWindow(this, "frmNagScreen2", look::SansSerif(8.25), colour::White);
    setFixedSize(Tw(11115), Tw(4725));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    picNagscreen2Icon = new QLabel(this);
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setAccessibleName(QLatin1String(text::IconName));
    picNagscreen2Icon->setGeometry(TwRect(360, 120, 540, 540));
    picNagscreen2Icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblNagScreen2Caption = new QLabel(this);
    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    lblNagScreen2Caption->setFont(look::SansSerif(18));
    lblNagScreen2Caption->move(Tw(1080), Tw(240));

    Label2 = new QLabel(content::Text(QStringLiteral("exit/support1.txt")), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(look::Verdana(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(TwRect(120, 840, 6975, 1095));

    Check1 = new QCheckBox(content::Text(QStringLiteral("exit/check1.txt")), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(look::Verdana(14.25));
    look::SetTextColour(Check1, colour::CheckBlue);
    Check1->setCursor(Qt::PointingHandCursor);
    Check1->setGeometry(TwRect(30, 2040, 7185, 555));
    // The tick lasts as long as a press: held down, the box shows it, and let go over it, the
    // box opens the forum and the tick goes, for the eye and a screen reader alike. A click,
    // the space key and a screen reader's toggle all press it.
    connect(Check1, &QCheckBox::pressed, this, [this] { Check1->setChecked(true); });
    connect(Check1, &QCheckBox::released, this, [this] { Check1->setChecked(false); });
    connect(Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);

    cmdClose = look::MakeButton(this, "cmdClose", text::ButtonClose, TwRect(6000, 2760, 1245, 375));
    // In the window's own font, unlike the other windows' buttons.
    cmdClose->setFont(font());
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);

    buildReferFrame();
    buildDownloadFrame();

    // No default or cancel button: Enter presses whichever button has the focus.
    FinishWindow(this, {cmdClose, cmdSubmit}, nullptr, nullptr);

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    cmdClose->setFocus();
}

void frmNagScreen2::buildReferFrame()
{
    Frame2 = MakeNavyFrame(this, "Frame2", text::ReferFrame, TwRect(120, 3240, 7065, 1455));

    txtName = MakeBox(Frame2, "txtName", TwRect(85, 360, 3375, 285));
    cmdSubmit =
        look::MakeButton(Frame2, "cmdSubmit", text::ButtonRefer, TwRect(1920, 1080, 3375, 285));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    txtEmail = MakeBox(Frame2, "txtEmail", TwRect(3600, 360, 3375, 285));
    txtFriendEmail = MakeBox(Frame2, "txtFriendEmail", TwRect(3600, 720, 3375, 285));
    txtFriendName = MakeBox(Frame2, "txtFriendName", TwRect(85, 720, 3375, 285));
    // A space typed into an address is refused.
    txtEmail->installEventFilter(this);
    txtFriendEmail->installEventFilter(this);

    // Lies below the frame's edge, out of sight, yet it is tabbed to and submitted.
    txtMessage = new FocusBox<QPlainTextEdit>(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setFont(look::SansSerif(8.25));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setGeometry(TwRect(4800, 3600, 1815, 495));

    // The placeholders vanish while typing, so the boxes carry their meaning as names too.
    txtName->setAccessibleName(QLatin1String(text::ReferrerNameBox));
    txtEmail->setAccessibleName(QLatin1String(text::ReferrerEmailBox));
    txtFriendName->setAccessibleName(QLatin1String(text::FriendNameBox));
    txtFriendEmail->setAccessibleName(QLatin1String(text::FriendEmailBox));
    txtMessage->setAccessibleName(QLatin1String(text::ReferralMessageBox));

    // In the order of the fields.
    m_boxes = {{txtName, ReferralFields[0]},
               {txtEmail, ReferralFields[1]},
               {txtMessage, ReferralFields[2]},
               {txtFriendName, ReferralFields[3]},
               {txtFriendEmail, ReferralFields[4]}};
}

ReferralValues frmNagScreen2::typed() const
{
    ReferralValues values;
    for (const ReferralBox &box : m_boxes)
        values.*box.field().value = box.sent();
    return values;
}

void frmNagScreen2::buildDownloadFrame()
{
    Frame6 = MakeNavyFrame(this, "Frame6", text::DownloadFrame, TwRect(7320, 120, 3735, 4575));

    Label3 = new QLabel(content::Text(QStringLiteral("exit/label3.txt")), Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(look::Verdana(9));
    look::SetTextColour(Label3, colour::White);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(TwRect(120, 360, 3495, 3855));
    look::FitWrapped(Label3);

    lblGoToHome = new LinkLabel(Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setText(QLatin1String(text::VisitSarvel));
    lblGoToHome->setFont(look::Verdana(9, true, true));
    look::SetTextColour(lblGoToHome, colour::Yellow);
    lblGoToHome->move(Tw(75), Tw(4250));
    lblGoToHome->adjustSize();
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

int frmNagScreen2::SupportTextIndex(double r)
{
    return static_cast<int>(SupportTextCount * r);
}

void frmNagScreen2::Form_Load()
{
    lblNagScreen2Caption->setText(QLatin1String(text::WindowCaption));
    lblNagScreen2Caption->adjustSize();

    picNagscreen2Icon->setPixmap(content::ProgramIcon().pixmap(32, 32));

    ProgramRandom::seedFromClock();
    m_supportText = SupportTextIndex(ProgramRandom::next());
    Label2->setText(content::Text(QStringLiteral("exit/support%1.txt").arg(m_supportText)));
    look::FitWrapped(Label2);
    // Read after the title when the window opens, so that a screen reader says why it shows.
    setAccessibleDescription(Label2->text());
}

void frmNagScreen2::showInFront()
{
    show();
    raise();
    activateWindow();
    cmdClose->setFocus();
}

void frmNagScreen2::cmdClose_Click()
{
    Q_EMIT exitClicked();
}

void frmNagScreen2::Check1_Click()
{
    modHelp::OpenHomePage();
}

void frmNagScreen2::lblGoToHome_Click()
{
    modHelp::OpenSarvelSoftwaresPage();
}

void frmNagScreen2::cmdSubmit_Click()
{
    if (const auto message = m_referral.Refer(typed()))
        MessageBox::inform(this, *message, MessageIcon::Error);
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == txtEmail || watched == txtFriendEmail) && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->text() == QLatin1String(" ")) {
        MessageBox::inform(this, QLatin1String(text::NoSpaceInEmail), MessageIcon::Error);
        static_cast<QWidget *>(watched)->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT unloaded();
}

} // namespace kelt
