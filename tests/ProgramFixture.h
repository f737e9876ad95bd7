#pragma once

#include "TestSupport.h"
#include "shell/Program.h"
#include "shell/frmNagScreen2.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace kelt::test {

// A started program whose end is counted instead of ending the test process.
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
        program = std::make_unique<Program>();
        quits = 0;
        program->setQuitFunction([this] { ++quits; });
        QVERIFY(program->StartProgram());
        QVERIFY(QTest::qWaitForWindowExposed(program->mainWindow()));
    }

    void stop() { program.reset(); }
    // Ends the program and lets messages and links go back to the real desktop.
    void finish()
    {
        program.reset();
        urls.reset();
        messages.reset();
    }

    frmMain *main() { return program->mainWindow(); }
    frmDisplay *display()
    {
        return program->isDisplayLoaded() ? program->displayWindow() : nullptr;
    }
    frmNagScreen2 *nag() { return program->isNagLoaded() ? program->nagWindow() : nullptr; }

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
