#pragma once

#include "ReferralBox.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelt {

class LinkLabel;

// Shown on the way out: a support text, the maker's other programs and refer-a-friend.
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    explicit frmNagScreen2(modTellAFriend &referral, QWidget *parent = nullptr);

    // The caption and icon in the window, and the random support text; the window is then
    // ready to show on top.
    void Form_Load();
    // Shown by the exit flow: on top and active, with the focus on Exit.
    void showInFront();
    // Index of the support text drawn at load.
    int supportTextIndex() const { return m_supportText; }

    static int SupportTextIndex(double r);

Q_SIGNALS:
    void exitClicked();
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildReferFrame();
    void buildDownloadFrame();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    // The five values as the boxes hold them.
    ReferralValues typed() const;

    modTellAFriend &m_referral;
    int m_supportText = -1;
    std::vector<ReferralBox> m_boxes;

    QLabel *picNagscreen2Icon = nullptr;
    QLabel *lblNagScreen2Caption = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdClose = nullptr;
    QGroupBox *Frame2 = nullptr;
    FocusBox<QLineEdit> *txtName = nullptr;
    QPushButton *cmdSubmit = nullptr;
    FocusBox<QLineEdit> *txtEmail = nullptr;
    FocusBox<QLineEdit> *txtFriendEmail = nullptr;
    FocusBox<QLineEdit> *txtFriendName = nullptr;
    FocusBox<QPlainTextEdit> *txtMessage = nullptr;
    QGroupBox *Frame6 = nullptr;
    QLabel *Label3 = nullptr;
    LinkLabel *lblGoToHome = nullptr;
};

} // namespace kelt
