#pragma once

#include <QRect>
#include <QWidget>

class QAbstractButton;
class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kelt {

class LinkLabel;

// The frame both main windows share: caption, icon and fixed size, a menu bar with File and
// the site's menus, the maroon top banner with its link, and the maroon bottom banner with
// its two stacked links and the Exit button. Closing it, by any route, runs Form_Unload.
// Each window adds its own body, File items and buttons, then calls finishFrame.
class MainFrame : public QWidget
{
    Q_OBJECT

public:
    // What differs between the two windows; places and sizes in twips, each named after
    // the control it places.
    struct Design
    {
        const char *objectName;
        QSize client;
        QColor background;
        QRect Frame2;     // the top banner
        QRect Label61;    // its link
        QRect Frame5;     // the bottom banner
        QRect lblCobrand; // its two links, one stacked over the other
        QRect lblFullBrand;
        QRect cmdExit;
        const char *updateCaption; // the Help menu's update item
        const char *separator1;    // the Help menu's separators
        const char *separator2;
    };

    // Closes the window, which runs the exit flow.
    void cmdExit_Click();

Q_SIGNALS:
    void aboutRequested();
    void exactDescendantRequested();
    void unloaded();

protected:
    MainFrame(const Design &design, QWidget *parent);

    // The area below the menu bar that the window's controls go into.
    QWidget *client() const { return m_client; }
    // A named item at the end of the File menu.
    QAction *addFileItem(const char *caption, const char *name);
    // The File item both windows carry that opens the exact descendant window.
    void addExactDescendantItem();
    QFrame *bottomBanner() const { return Frame5; }
    // After the window's own controls: the bottom banner stays on top of them, the buttons'
    // access keys come ahead of the menu bar's, Enter and Escape press the given buttons,
    // and the window is centred on the screen.
    void finishFrame(const QList<QAbstractButton *> &accessButtons, QPushButton *defaultButton,
                     QPushButton *cancelButton);

    void closeEvent(QCloseEvent *event) override;

    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    QPushButton *cmdExit = nullptr;

private:
    void Form_Unload();

    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_file = nullptr;
    QFrame *Frame2 = nullptr;
    LinkLabel *Label61 = nullptr;
    QFrame *Frame5 = nullptr;
};

} // namespace kelt
