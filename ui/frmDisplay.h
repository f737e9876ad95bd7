#pragma once

#include "MainFrame.h"
#include "ShownReading.h"

class QLabel;

namespace kelt {

// Shows one reading: the descendant sign's name, its picture and its paragraph.
class frmDisplay : public MainFrame
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget *parent = nullptr);

    void setResult(const ShownReading &reading);

    void cmdBack_Click();

Q_SIGNALS:
    // The program closes this window and shows the birth-details window again.
    void backClicked();

private:
    void buildResult();

    QLabel *lblYourDescendantSign = nullptr;
    QLabel *lblMoreAboutSign = nullptr;
    QLabel *picSign = nullptr;
    QPushButton *cmdBack = nullptr;
};

} // namespace kelt
