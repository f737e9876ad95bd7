#pragma once

#include "reading/ReadingCommand.h"
#include "reading/ReadingState.h"
#include "ui/SignImageList.h"

#include <QWidget>

#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kelt {

class LinkLabel;

// The birth-details window: name, date and time slot in, a reading out.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(ReadingState &state, QWidget *parent = nullptr);

    const SignImageList &IMGSign() const { return m_images; }
    void bringCobrandToFront();
    void bringFullBrandToFront();

    void cmdProceed_Click();

Q_SIGNALS:
    // A reading passed validation; the result is empty when the rising sign is no sign.
    void readingPassed(const std::optional<kelt::DescendantResult> &result);
    void aboutRequested();
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildBanner();
    void buildBody();
    void buildBottom();
    void Form_Load();
    bool txtName_KeyPress(QKeyEvent *event);
    bool ValidateBirthDetails();
    BirthDetails enteredDetails() const;
    void cmdExit_Click();
    void Form_Unload();

    ReadingState &m_state;
    SignImageList m_images;

    QMenuBar *m_menuBar = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuFindZodiacRisingSign = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuOnline = nullptr;
    QAction *mnuVisit = nullptr;
    QAction *mnuUpdate = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuDonate = nullptr;
    QAction *mnuMakeMoneyOnline = nullptr;

    QWidget *m_client = nullptr;
    QFrame *Frame2 = nullptr;
    LinkLabel *Label61 = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QLineEdit *txtName = nullptr;
    QComboBox *cmbTime = nullptr;
    QComboBox *cmbDate = nullptr;
    QComboBox *cmbMonth = nullptr;
    QComboBox *cmbYear = nullptr;
    QPushButton *cmdProceed = nullptr;
    QFrame *Frame5 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    QPushButton *cmdExit = nullptr;
};

} // namespace kelt
