#include "SiteMenu.h"

#include "Content.h"
#include "LinkLabel.h"
#include "Look.h"
#include "Texts.h"
#include "modHelp.h"

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
    QMenu *mnuHelp = menuBar->addMenu(QLatin1String(text::MenuHelp));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddItem(mnuHelp, QLatin1String(text::MenuOnlineHelp), "mnuOnline"), &QAction::triggered,
            this, &SiteMenu::mnuOnline_Click);
    connect(AddItem(mnuHelp, QLatin1String(text::MenuVisit), "mnuVisit"), &QAction::triggered, this,
            &SiteMenu::mnuVisit_Click);
    AddSeparator(mnuHelp, captions.separator1);
    connect(AddItem(mnuHelp, QLatin1String(captions.update), "mnuUpdate"), &QAction::triggered,
            this, &SiteMenu::mnuUpdate_Click);
    AddSeparator(mnuHelp, captions.separator2);
    connect(AddItem(mnuHelp, QLatin1String(text::MenuAbout), "mnuAbout"), &QAction::triggered, this,
            &SiteMenu::aboutRequested);

    // Top-level entries without items act on a click of the entry itself.
    QAction *mnuDonate = menuBar->addAction(QLatin1String(text::MenuDonate));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &SiteMenu::mnuDonate_Click);
    QAction *mnuMakeMoneyOnline = menuBar->addAction(QLatin1String(text::MenuMakeMoney));
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

LinkLabel *MakeBannerLabel(QWidget *parent, const char *name, const QString &textFile)
{
    auto *label = new LinkLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(look::LabelText(content::Text(textFile)));
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
    LinkLabel *label = MakeBannerLabel(parent, "lblCobrand", QStringLiteral("cobrand.txt"));
    QObject::connect(label, &LinkLabel::clicked, label, &modHelp::OpenCoBrandPage);
    return label;
}

LinkLabel *SiteMenu::makeFullBrandLabel(QWidget *parent)
{
    LinkLabel *label = MakeBannerLabel(parent, "lblFullBrand", QStringLiteral("fullbrand.txt"));
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
