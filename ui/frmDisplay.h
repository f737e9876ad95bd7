#pragma once

#include <QPixmap>
#include <QWidget>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;

namespace kelt {

class LinkLabel;

// Shows one reading: the descendant sign's name, its picture and its paragraph.
class frmDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget *parent = nullptr);

    void setResult(const QString &sign, const QPixmap &picture, const QString &reading);

    void cmdBack_Click();
    void cmdExit_Click();

Q_SIGNALS:
    void backClicked();
    void aboutRequested();
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildResult();
    void buildBottom();
    void Form_Unload();

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    QFrame *Frame2 = nullptr;
    LinkLabel *Label61 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblYourDescendantSign = nullptr;
    QLabel *lblMoreAboutSign = nullptr;
    QLabel *picSign = nullptr;
    QFrame *Frame5 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *cmdBack = nullptr;
};

} // namespace kelt
