#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

namespace kelt {

class LinkLabel;

// The Help menu, the "&Donate" and "Make Money &Online" entries and the three promotional
// labels that both main windows carry.
class SiteMenu : public QObject
{
    Q_OBJECT

public:
    struct HelpCaptions
    {
        const char *update;     // access key differs between the windows
        const char *separator1; // object names of the two separators
        const char *separator2;
    };

    SiteMenu(QMenuBar *menuBar, const HelpCaptions &captions, QObject *parent);

    // The promotional labels, parented but not yet placed.
    static LinkLabel *makeLabel61(QWidget *parent);
    static LinkLabel *makeCobrandLabel(QWidget *parent);
    static LinkLabel *makeFullBrandLabel(QWidget *parent);

Q_SIGNALS:
    void aboutRequested();

private:
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoneyOnline_Click();
};

} // namespace kelt
