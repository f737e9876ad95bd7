#pragma once

#include <QDialog>

class QPushButton;

namespace kelt {

// Names the program and its version and links to the maker's site.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void Label5_Click();

    QPushButton *cmdOK = nullptr;
};

} // namespace kelt
