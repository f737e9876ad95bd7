#include "frmAbout.h"

#include "Content.h"
#include "LinkLabel.h"
#include "Look.h"
#include "SiteAddress.h"
#include "Texts.h"
#include "WindowSetUp.h"
#include "modHelp.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kelt {

using look::Tw;
using look::TwRect;
namespace colour = look::colour;

namespace {

LinkLabel *MakeLink(QWidget *parent, const char *name, const QString &text, int left, int top)
{
    auto *link = new LinkLabel(parent);
    link->setObjectName(QLatin1String(name));
    link->setText(text);
    link->setFont(look::Verdana(8.25, true, true));
    look::SetTextColour(link, colour::Brown);
    link->move(Tw(left), Tw(top));
    link->adjustSize();
    return link;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    SetUpWindow(this, "frmAbout", look::Verdana(8.25), colour::LightGreen);
    setFixedSize(Tw(6345), Tw(4005));

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QLatin1String(text::IconName));
    picIcon->setPixmap(content::ProgramIcon().pixmap(32, 32));
    picIcon->move(Tw(150), Tw(150));
    picIcon->adjustSize();

    auto *label2 = new QLabel(QLatin1String(text::WindowCaption), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(look::Verdana(9.75, true));
    label2->move(Tw(960), Tw(300));
    label2->adjustSize();

    auto *label1 = new QLabel(content::Text(QStringLiteral("about/label1.txt")), this);
    label1->setObjectName(QStringLiteral("Label1"));
    look::SetTextColour(label1, colour::DarkRed);
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1->setGeometry(TwRect(240, 960, 5985, 855));
    look::FitWrapped(label1);

    LinkLabel *home = MakeLink(this, "lblHomePage",
                               QLatin1String(text::VisitSite) + site::SiteAddress(), 1560, 2040);
    connect(home, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    auto *label6 = new QLabel(content::Text(QStringLiteral("about/label6.txt")), this);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setFont(look::Verdana(8.25, true));
    look::SetTextColour(label6, colour::DarkRed);
    label6->setWordWrap(true);
    label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label6->setGeometry(TwRect(240, 2500, 6015, 555));
    look::FitWrapped(label6);

    LinkLabel *more = MakeLink(this, "Label5", QLatin1String(text::MoreDetails), 3600, 3120);
    connect(more, &LinkLabel::clicked, this, &frmAbout::Label5_Click);

    auto *line2 = new QFrame(this);
    line2->setObjectName(QStringLiteral("Line2"));
    line2->setFrameShape(QFrame::HLine);
    line2->setFrameShadow(QFrame::Plain);
    line2->setGeometry(Tw(-60), Tw(3480), Tw(6420), 1);

    cmdOK = look::MakeButton(this, "cmdOK", text::ButtonOK, TwRect(4950, 3600, 1260, 345));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    // Enter and Escape both press OK, wherever the focus is; the window is centred on the
    // screen, not on the window that opened it.
    FinishWindow(this, {cmdOK}, cmdOK, cmdOK);
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    modHelp::OpenHomePage();
}

void frmAbout::Label5_Click()
{
    modHelp::OpenFullyBrandedPage();
}

} // namespace kelt
