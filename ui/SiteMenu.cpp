#include "ui/SiteMenu.h"

#include "links/modHelp.h"
#include "ui/Captions.h"
#include "ui/Content.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kelt {

namespace {

QAction *AddItem(QMenu *menu, const QString &caption, const char *name)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void AddSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

SiteMenu::SiteMenu(QMenuBar *menuBar, const HelpCaptions &captions, QObject *parent)
    : QObject(parent)
{
    QMenu *mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddItem(mnuHelp, QStringLiteral("&Online Help"), "mnuOnline"), &QAction::triggered,
            this, &SiteMenu::mnuOnline_Click);
    connect(AddItem(mnuHelp, QStringLiteral("&Visit Us Online"), "mnuVisit"), &QAction::triggered,
            this, &SiteMenu::mnuVisit_Click);
    AddSeparator(mnuHelp, captions.separator1);
    connect(AddItem(mnuHelp, QLatin1String(captions.update), "mnuUpdate"), &QAction::triggered,
            this, &SiteMenu::mnuUpdate_Click);
    AddSeparator(mnuHelp, captions.separator2);
    connect(AddItem(mnuHelp, QStringLiteral("&About Software"), "mnuAbout"), &QAction::triggered,
            this, &SiteMenu::aboutRequested);

    // Top-level entries without items act on a click of the entry itself.
    QAction *mnuDonate = menuBar->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &SiteMenu::mnuDonate_Click);
    QAction *mnuMakeMoneyOnline = menuBar->addAction(QStringLiteral("Make Money &Online"));
    mnuMakeMoneyOnline->setObjectName(QStringLiteral("mnuMakeMoneyOnline"));
    connect(mnuMakeMoneyOnline, &QAction::triggered, this, &SiteMenu::mnuMakeMoneyOnline_Click);
}

LinkLabel *SiteMenu::makeLabel61(QWidget *parent)
{
    auto *label = new LinkLabel(parent);
    label->setObjectName(QStringLiteral("Label61"));
    label->setText(content::Text(QStringLiteral("label61.txt")));
    label->setFont(look::Verdana(9, true, true));
    look::SetTextColour(label, look::colour::Peach);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QObject::connect(label, &LinkLabel::clicked, label, &modHelp::OpenHomePage);
    return label;
}

namespace {

LinkLabel *MakeBannerLabel(QWidget *parent, const char *name, const char *caption)
{
    auto *label = new LinkLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(look::LabelText(QLatin1String(caption)));
    label->setFont(look::Verdana(8.25, true, true));
    look::SetTextColour(label, look::colour::Peach);
    look::SetBackground(label, look::colour::Maroon);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

LinkLabel *SiteMenu::makeCobrandLabel(QWidget *parent)
{
    LinkLabel *label = MakeBannerLabel(parent, "lblCobrand", captions::Cobrand);
    QObject::connect(label, &LinkLabel::clicked, label, &modHelp::OpenCoBrandPage);
    return label;
}

LinkLabel *SiteMenu::makeFullBrandLabel(QWidget *parent)
{
    LinkLabel *label = MakeBannerLabel(parent, "lblFullBrand", captions::FullBrand);
    QObject::connect(label, &LinkLabel::clicked, label, &modHelp::OpenFullyBrandedPage);
    return label;
}

void SiteMenu::mnuOnline_Click()
{
    modHelp::OpenTrackedVisit();
}

void SiteMenu::mnuVisit_Click()
{
    modHelp::OpenHomePage();
}

void SiteMenu::mnuUpdate_Click()
{
    modHelp::OpenDownloadPage();
}

void SiteMenu::mnuDonate_Click()
{
    modHelp::OpenDonatePage();
}

void SiteMenu::mnuMakeMoneyOnline_Click()
{
    modHelp::OpenFullyBrandedPage();
}

} // namespace kelt
