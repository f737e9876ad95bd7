#include "ProgramFixture.h"

#include "ZodiacSign.h"

#include <QAction>
#include <QMenuBar>

using namespace kelt;
using namespace kelt::test;

class WindowsTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    QLineEdit *txtName() { return f.child<QLineEdit>(f.main(), "txtName"); }
    QComboBox *list(const char *name) { return f.child<QComboBox>(f.main(), name); }
    QPushButton *mainButton(const char *name) { return f.child<QPushButton>(f.main(), name); }

    void checkResult(const QString &sign)
    {
        QVERIFY(f.display());
        QTRY_VERIFY(f.display()->isVisible());
        QCOMPARE(f.child<QLabel>(f.display(), "lblYourDescendantSign")->text(), sign);
        const std::string s = sign.toStdString();
        QCOMPARE(f.child<QLabel>(f.display(), "lblMoreAboutSign")->text(),
                 QString::fromStdString(std::string(*DescendantReading(s))));
        const QPixmap picture = f.child<QLabel>(f.display(), "picSign")->pixmap();
        QCOMPARE(picture.size(), QSize(200, 200));
        QCOMPARE(picture.toImage(), f.main()->IMGSign().picture(*SignPictureItem(s)).toImage());
        QVERIFY(!f.main()->isVisible());
        QVERIFY(f.exitWindow());
        QVERIFY(!f.exitWindow()->isVisible());
    }

private Q_SLOTS:
    void init() { f.startActive(); }
    void cleanup() { f.finishAllClosed(); }

    // The run's own platform, so that a native run is native; offscreen where none is named.
    void runsOnThePlatformTheRunNames()
    {
        const QString named = QString::fromLocal8Bit(NamedPlatform()).section(':', 0, 0);
        QCOMPARE(QGuiApplication::platformName(), named.isEmpty() ? QString("offscreen") : named);
    }

    void startsEmptyWithFirstEntries()
    {
        QCOMPARE(f.main()->windowTitle(), QString("Kelt Descendant Astrology v1.15"));
        QCOMPARE(txtName()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), txtName());
        QCOMPARE(list("cmbDate")->count(), 31);
        QCOMPARE(list("cmbDate")->itemText(30), QString("31"));
        QCOMPARE(list("cmbMonth")->count(), 12);
        QCOMPARE(list("cmbMonth")->itemText(11), QString("December"));
        QCOMPARE(list("cmbYear")->count(), 151);
        QCOMPARE(list("cmbYear")->itemText(0), QString("1900"));
        QCOMPARE(list("cmbYear")->itemText(150), QString("2050"));
        const QStringList slots = {"4am-6am",  "2am-4am",   "midnight-2am", "10pm-midnight",
                                   "8pm-10pm", "6pm-8pm",   "4pm-6pm",      "2pm-4pm",
                                   "noon-2pm", "10am-noon", "8am-10am",     "6am-8am"};
        QStringList shown;
        for (int i = 0; i < list("cmbTime")->count(); ++i)
            shown << list("cmbTime")->itemText(i);
        QCOMPARE(shown, slots);
        QCOMPARE(list("cmbDate")->currentText(), QString("1"));
        QCOMPARE(list("cmbMonth")->currentText(), QString("January"));
        QCOMPARE(list("cmbYear")->currentText(), QString("1900"));
        QCOMPARE(list("cmbTime")->currentText(), QString("4am-6am"));
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});
    }

    void tabOrder()
    {
        const QStringList expected = {"cmbTime", "cmbDate",    "cmbMonth", "cmbYear",
                                      "cmdExit", "cmdProceed", "txtName"};
        txtName()->setFocus();
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void nameFilter()
    {
        QTest::keyClicks(txtName(), "anne Marie");
        QCOMPARE(txtName()->text(), QString("ANNE MARIE"));
        QVERIFY(f.messages->shown.empty());

        for (const char *refused : {"1", "-", "."}) {
            QTest::keyClicks(txtName(), refused);
            QCOMPARE(txtName()->text(), QString("ANNE MARIE"));
        }
        QTest::sendKeyEvent(QTest::Click, txtName(), Qt::Key_Eacute, QString("é"), Qt::NoModifier);
        QCOMPARE(txtName()->text(), QString("ANNE MARIE"));
        QCOMPARE(f.messages->texts(), QStringList(4, "Please Enter Only Alphabet !"));
        for (const auto &m : f.messages->shown)
            QCOMPARE(m.icon, QMessageBox::Information);
        QTest::keyClick(txtName(), Qt::Key_Backspace);
        QCOMPARE(txtName()->text(), QString("ANNE MARI"));
        QCOMPARE(f.messages->shown.size(), std::size_t(4));

        // X11 gives Delete and keypad Delete the text "\x7f"; neither is a typed character.
        txtName()->setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Click, txtName(), Qt::Key_Delete, QString("\x7f"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, txtName(), Qt::Key_Delete, QString("\x7f"),
                            Qt::KeypadModifier);
        QCOMPARE(txtName()->text(), QString("NE MARI"));
        QCOMPARE(f.messages->shown.size(), std::size_t(4));
    }

    void readingByEveryRoute_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("button") << "button";
        QTest::newRow("enter in name") << "enter";
        QTest::newRow("escape on exit") << "escape";
        QTest::newRow("alt+d") << "alt";
        QTest::newRow("menu") << "menu";
    }
    void readingByEveryRoute()
    {
        QFETCH(QString, route);
        f.enterDetails("ann", "25", "July", "1990", "10am-noon");
        if (route == "button") {
            QTest::mouseClick(mainButton("cmdProceed"), Qt::LeftButton);
        } else if (route == "enter") {
            txtName()->setFocus();
            QTest::keyClick(txtName(), Qt::Key_Return);
        } else if (route == "escape") {
            mainButton("cmdExit")->setFocus();
            QTest::keyClick(mainButton("cmdExit"), Qt::Key_Escape);
        } else if (route == "alt") {
            // Also from a list, whose type-ahead must not take the "d".
            list("cmbMonth")->setFocus();
            QTest::keyClick(list("cmbMonth"), Qt::Key_D, Qt::AltModifier);
            QCOMPARE(list("cmbMonth")->currentText(), QString("July"));
        } else {
            f.main()->findChild<QAction *>("mnuFindZodiacRisingSign")->trigger();
        }
        checkResult("Taurus");
        QVERIFY(f.messages->shown.empty());
        QCOMPARE(f.visibleWindows(), QStringList{"frmDisplay"});
    }

    void enterOnExitPressesExit()
    {
        mainButton("cmdExit")->setFocus();
        QTest::keyClick(mainButton("cmdExit"), Qt::Key_Return);
        QTRY_VERIFY(f.exitWindow() && f.exitWindow()->isVisible());
        QTRY_VERIFY(!f.program->loadedMain());
        QVERIFY(!f.display());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("details"); // name, day, month, year
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("no name") << QStringList{"", "31", "April", "1901"}
                                 << "Please Enter Your Name !" << int(QMessageBox::NoIcon);
        QTest::newRow("29 Feb 1900")
            << QStringList{"A", "29", "February", "1900"} << "Please Enter Correct Date Or Month!"
            << int(QMessageBox::Information);
        QTest::newRow("31 June") << QStringList{"A", "31", "June", "2000"}
                                 << "Please Enter Correct Date Or Month !"
                                 << int(QMessageBox::Information);
    }
    void refusals()
    {
        QFETCH(QStringList, details);
        QFETCH(QString, message);
        QFETCH(int, icon);
        f.enterDetails(details[0], details[1], details[2], details[3], "4am-6am");
        mainButton("cmdProceed")->setFocus();
        QTest::mouseClick(mainButton("cmdProceed"), Qt::LeftButton);
        QCOMPARE(f.messages->texts(), QStringList{message});
        QCOMPARE(int(f.messages->shown.front().icon), icon);
        QCOMPARE(f.messages->shown.front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});
        QVERIFY(!f.display());
        QCOMPARE(f.program->readingState().SunSign, std::string());
        // Only the missing name sends the focus back to the name box.
        QCOMPARE(QApplication::focusWidget() == txtName(), details[0].isEmpty());
    }

    // Each kind of message shows with its own icon, the error icon too, which no refused
    // reading asks for.
    void messageIcons()
    {
        const std::pair<MessageIcon, QMessageBox::Icon> kinds[] = {
            {MessageIcon::None, QMessageBox::NoIcon},
            {MessageIcon::Information, QMessageBox::Information},
            {MessageIcon::Error, QMessageBox::Critical}};
        for (const auto &[asked, shown] : kinds) {
            MessageBox::inform(f.main(), "A message", asked);
            QCOMPARE(f.messages->shown.back().icon, shown);
        }
    }

    void backKeepsEntriesAndAllowsAnotherReading()
    {
        f.enterDetails("ann", "1", "January", "1985", "4am-6am");
        QTest::mouseClick(mainButton("cmdProceed"), Qt::LeftButton);
        checkResult("Cancer");
        const int drawn = f.exitWindow()->supportTextIndex();

        // Back never brings the exit window up, not even for a moment.
        struct : QObject
        {
            int shown = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                shown += event->type() == QEvent::Show;
                return false;
            }
        } exitWindowShows;
        f.exitWindow()->installEventFilter(&exitWindowShows);
        auto *back = f.child<QPushButton>(f.display(), "cmdBack");
        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_VERIFY(!f.program->loadedDisplay());
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});
        QVERIFY(f.program->loadedExitWindow());
        QCOMPARE(exitWindowShows.shown, 0);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(f.main()));
        QCOMPARE(txtName()->text(), QString("ANN"));
        QCOMPARE(list("cmbDate")->currentText(), QString("1"));
        QCOMPARE(list("cmbYear")->currentText(), QString("1985"));

        // A refusal after a good reading changes nothing but the message.
        f.enterDetails("ann", "31", "April", "1985", "4am-6am");
        QTest::mouseClick(mainButton("cmdProceed"), Qt::LeftButton);
        QCOMPARE(f.messages->texts(), QStringList{"Please Enter Correct Date Or Month !"});
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});

        f.enterDetails("ann", "21", "March", "1985", "6am-8am");
        QTest::mouseClick(mainButton("cmdProceed"), Qt::LeftButton);
        checkResult("Scorpio");
        QCOMPARE(f.exitWindow()->supportTextIndex(), drawn);
    }

    void enterOnResultPressesBack()
    {
        f.makeReading();
        QVERIFY(QTest::qWaitForWindowActive(f.display()));
        QCOMPARE(QApplication::focusWidget(), f.child<QPushButton>(f.display(), "cmdBack"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(f.visibleWindows(), QStringList{"frmMain"});
    }

    void escapeOnResultRunsExitFlow()
    {
        f.makeReading();
        QVERIFY(QTest::qWaitForWindowActive(f.display()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(f.visibleWindows(), QStringList{"frmNagScreen2"});
        QVERIFY(f.program->loadedMain());
        QCOMPARE(f.quits, 0);
    }
};

KELT_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
