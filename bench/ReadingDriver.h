#pragma once

// Drives one reading through the program's own windows, as a user's click would.

#include "ProbeSupport.h"
#include "Program.h"
#include "frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelt::bench {

inline constexpr int SignCount = 12;

// Born on the 1st of month `sign` (0-11) in the first time slot: each month gives another
// Sun sign, the first slot makes it the rising sign too, so the twelve months give the
// twelve descendant signs.
inline bool EnterDetails(frmMain *main, int sign)
{
    auto *name = main->findChild<QLineEdit *>(QStringLiteral("txtName"));
    auto *date = main->findChild<QComboBox *>(QStringLiteral("cmbDate"));
    auto *month = main->findChild<QComboBox *>(QStringLiteral("cmbMonth"));
    auto *year = main->findChild<QComboBox *>(QStringLiteral("cmbYear"));
    auto *slot = main->findChild<QComboBox *>(QStringLiteral("cmbTime"));
    if (!name || !date || !month || !year || !slot)
        return false;
    name->setText(QStringLiteral("BENCH"));
    date->setCurrentIndex(0);
    month->setCurrentIndex(sign);
    year->setCurrentIndex(year->findText(QStringLiteral("1990")));
    slot->setCurrentIndex(0);
    return month->currentIndex() == sign && year->currentIndex() >= 0;
}

// Click Find and time it until the result window is shown and painted; `sign` receives
// the descendant sign it shows.
inline bool TimeReading(Program &program, PaintWatcher &watcher, int signIndex, ShowTimes &times,
                        QString &sign)
{
    if (!EnterDetails(program.loadedMain(), signIndex))
        return false;
    auto *proceed = program.loadedMain()->findChild<QPushButton *>(QStringLiteral("cmdProceed"));
    if (!proceed)
        return false;
    if (!TimeShow(
            watcher, QStringLiteral("frmDisplay"), [proceed] { proceed->click(); }, times))
        return false;
    const auto *label = TopLevel(QStringLiteral("frmDisplay"))
                            ->findChild<QLabel *>(QStringLiteral("lblYourDescendantSign"));
    sign = label ? label->text() : QString();
    return true;
}

// Back to the birth-details window, settled (painted, result window gone) before the next
// reading is timed.
inline bool GoBack(PaintWatcher &watcher)
{
    QWidget *display = TopLevel(QStringLiteral("frmDisplay"));
    auto *back = display ? display->findChild<QPushButton *>(QStringLiteral("cmdBack")) : nullptr;
    if (!back)
        return false;
    watcher.arm(QStringLiteral("frmMain"));
    back->click();
    if (!ProcessUntil([&] { return watcher.painted(); }))
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return true;
}

} // namespace kelt::bench
