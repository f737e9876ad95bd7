#pragma once

#include "MainFrame.h"
#include "ReadingCommand.h"
#include "ReadingState.h"
#include "ShownReading.h"
#include "SignImageList.h"

#include <optional>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace kelt {

// The birth-details window: name, date and time slot in, a reading out.
class frmMain : public MainFrame
{
    Q_OBJECT

public:
    explicit frmMain(ReadingState &state, QWidget *parent = nullptr);

    const SignImageList &IMGSign() const { return m_images; }
    void bringCobrandToFront();
    void bringFullBrandToFront();

    void cmdProceed_Click();
    BirthDetails enteredDetails() const;

Q_SIGNALS:
    // A reading passed validation, with all the result window shows; empty when the rising
    // sign is no sign.
    void readingPassed(const std::optional<kelt::ShownReading> &reading);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBody();
    void Form_Load();
    bool txtName_KeyPress(QKeyEvent *event);
    bool ValidateBirthDetails();

    ReadingState &m_state;
    SignImageList m_images;

    QLineEdit *txtName = nullptr;
    QComboBox *cmbTime = nullptr;
    QComboBox *cmbDate = nullptr;
    QComboBox *cmbMonth = nullptr;
    QComboBox *cmbYear = nullptr;
    QPushButton *cmdProceed = nullptr;
};

} // namespace kelt
