#pragma once

#include "Program.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace kelt::test {

// A started program whose end is counted instead of ending the test process. Its lock is
// the test's own.
struct ProgramFixture
{
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<UrlRecorder> urls;
    std::unique_ptr<Program> program;
    int quits = 0;

    // Messages are answered and links caught from before the program starts.
    void start()
    {
        if (!messages)
            messages = std::make_unique<MessageRecorder>();
        if (!urls)
            urls = std::make_unique<UrlRecorder>();
        program = std::make_unique<Program>(OwnLockPlaces());
        quits = 0;
        program->setQuitFunction([this] { ++quits; });
        QVERIFY(program->StartProgram());
        QVERIFY(program->loadedMain());
        QVERIFY(QTest::qWaitForWindowExposed(program->loadedMain()));
    }

    // Started, with the birth-details window the active one, as a desktop leaves it.
    void startActive()
    {
        start();
        QApplication::setActiveWindow(main());
    }

    // The exit window, reached as a user reaches it: by closing the birth-details window.
    void openExitWindow()
    {
        main()->close();
        QTRY_VERIFY(exitWindow() && exitWindow()->isVisible());
    }

    void stop() { program.reset(); }
    // Ends the program and lets messages and links go back to the real desktop.
    void finish()
    {
        program.reset();
        urls.reset();
        messages.reset();
    }

    // Ended, and every window gone from the screen.
    void finishAllClosed()
    {
        finish();
        QTRY_COMPARE(visibleWindows(), QStringList());
    }

    frmMain *main() const { return program->loadedMain(); }
    frmDisplay *display() const { return program->loadedDisplay(); }
    frmNagScreen2 *exitWindow() const { return program->loadedExitWindow(); }

    template <typename T> static T *child(QWidget *window, const char *name)
    {
        return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    }

    // Picks a list entry the way a keyboard user does: Home, then Down to the entry.
    static void choose(QComboBox *list, const QString &text)
    {
        const int target = list->findText(text);
        QVERIFY(target >= 0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < target; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), text);
    }

    void enterDetails(const QString &name, const QString &day, const QString &month,
                      const QString &year, const QString &slot)
    {
        auto *txtName = child<QLineEdit>(main(), "txtName");
        txtName->setFocus();
        txtName->selectAll();
        QTest::keyClick(txtName, Qt::Key_Backspace);
        QTest::keyClicks(txtName, name);
        choose(child<QComboBox>(main(), "cmbDate"), day);
        choose(child<QComboBox>(main(), "cmbMonth"), month);
        choose(child<QComboBox>(main(), "cmbYear"), year);
        choose(child<QComboBox>(main(), "cmbTime"), slot);
    }

    // A reading with the first entries of every list, which the result window then shows.
    void makeReading()
    {
        QTest::keyClicks(child<QLineEdit>(main(), "txtName"), "x");
        QTest::mouseClick(child<QPushButton>(main(), "cmdProceed"), Qt::LeftButton);
        QTRY_VERIFY(display() && display()->isVisible());
    }

    QStringList visibleWindows() const
    {
        QStringList names;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->inherits("QMenu"))
                names << w->objectName();
        names.sort();
        return names;
    }
};

} // namespace kelt::test
