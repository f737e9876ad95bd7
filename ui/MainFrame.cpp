#include "MainFrame.h"

#include "LinkLabel.h"
#include "Look.h"
#include "SiteMenu.h"
#include "Texts.h"
#include "WindowSetUp.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelt {

using look::Tw;
namespace colour = look::colour;

namespace {

QFrame *MakeBanner(QWidget *parent, const char *name, const QRect &twips)
{
    auto *banner = new QFrame(parent);
    banner->setObjectName(QLatin1String(name));
    banner->setGeometry(look::TwRect(twips));
    look::SetBackground(banner, colour::Maroon);
    return banner;
}

} // namespace

MainFrame::MainFrame(const Design &design, QWidget *parent) : QWidget(parent)
{
    SetUpWindow(this, design.objectName, look::Verdana(8.25), design.background);

    m_client = new QWidget(this);
    m_client->setFixedSize(Tw(design.client.width()), Tw(design.client.height()));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);

    m_file = m_menuBar->addMenu(QLatin1String(text::MenuFile));
    m_file->setObjectName(QStringLiteral("mnuFile"));
    auto *site =
        new SiteMenu(m_menuBar, {design.updateCaption, design.separator1, design.separator2}, this);
    connect(site, &SiteMenu::aboutRequested, this, &MainFrame::aboutRequested);

    Frame2 = MakeBanner(m_client, "Frame2", design.Frame2);
    Label61 = SiteMenu::makeLabel61(Frame2);
    Label61->setGeometry(look::TwRect(design.Label61));

    Frame5 = MakeBanner(m_client, "Frame5", design.Frame5);
    lblCobrand = SiteMenu::makeCobrandLabel(Frame5);
    lblCobrand->setGeometry(look::TwRect(design.lblCobrand));
    lblFullBrand = SiteMenu::makeFullBrandLabel(Frame5);
    lblFullBrand->setGeometry(look::TwRect(design.lblFullBrand));
    lblFullBrand->raise();
    cmdExit = look::MakeButton(Frame5, "cmdExit", text::ButtonExit, look::TwRect(design.cmdExit));
    connect(cmdExit, &QPushButton::clicked, this, &MainFrame::cmdExit_Click);
}

QAction *MainFrame::addFileItem(const char *caption, const char *name)
{
    QAction *action = m_file->addAction(QLatin1String(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

void MainFrame::addExactDescendantItem()
{
    connect(addFileItem(text::MenuExactDescendant, "mnuExactDescendant"), &QAction::triggered, this,
            &MainFrame::exactDescendantRequested);
}

void MainFrame::finishFrame(const QList<QAbstractButton *> &accessButtons,
                            QPushButton *defaultButton, QPushButton *cancelButton)
{
    Frame5->raise();
    FinishWindow(this, accessButtons, defaultButton, cancelButton);
}

void MainFrame::cmdExit_Click()
{
    close();
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void MainFrame::Form_Unload()
{
    Q_EMIT unloaded();
}

} // namespace kelt
