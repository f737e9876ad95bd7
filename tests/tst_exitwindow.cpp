#include "ProgramFixture.h"

#include "Content.h"
#include "ProgramRandom.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QUrlQuery>

using namespace kelt;
using namespace kelt::test;

class ExitWindowTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    template <typename T> T *child(const char *name) { return f.child<T>(f.exitWindow(), name); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(name); }
    QPlainTextEdit *messageBox() { return child<QPlainTextEdit>("txtMessage"); }

    // Clicks into a box, types over its text, and leaves it again for the Exit button.
    void typeInto(QWidget *target, const QString &text)
    {
        target->setFocus(Qt::MouseFocusReason);
        if (auto *line = qobject_cast<QLineEdit *>(target))
            line->selectAll();
        else
            qobject_cast<QPlainTextEdit *>(target)->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
        child<QPushButton>("cmdClose")->setFocus(Qt::TabFocusReason);
    }

    void submit() { QTest::mouseClick(child<QPushButton>("cmdSubmit"), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        f.start();
        f.openExitWindow();
        QApplication::setActiveWindow(f.exitWindow());
    }

    void cleanup()
    {
        ProgramRandom::setClockSeedSource({});
        f.finishAllClosed();
    }

    void startsWithExitFocusedAndPlaceholders()
    {
        QCOMPARE(f.exitWindow()->windowTitle(), QString("Kelt Descendant Astrology v1.15"));
        QCOMPARE(child<QLabel>("lblNagScreen2Caption")->text(),
                 QString("Kelt Descendant Astrology v1.15"));
        QVERIFY(f.exitWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(f.exitWindow()->focusWidget(), child<QPushButton>("cmdClose"));
        QCOMPARE(box("txtName")->text(), QString("Your Name"));
        QCOMPARE(box("txtEmail")->text(), QString("Your Email Address"));
        QCOMPARE(box("txtFriendName")->text(), QString("Friend's Name"));
        QCOMPARE(box("txtFriendEmail")->text(), QString("Friend's Email Address"));
        QCOMPARE(messageBox()->toPlainText(), QString("Your Message\n"));
    }

    void tabOrderReachesHiddenMessageBox()
    {
        const QStringList expected = {"Check1",         "txtName",       "cmdSubmit",  "txtEmail",
                                      "txtFriendEmail", "txtFriendName", "txtMessage", "cmdClose"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void placeholdersClearAndReturn()
    {
        // A placeholder goes once the box's focus has been reported, just after it arrives.
        box("txtName")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(box("txtName")->text(), QString());
        box("txtEmail")->setFocus(Qt::TabFocusReason);
        QCOMPARE(box("txtName")->text(), QString("Your Name"));
        QTRY_COMPARE(box("txtEmail")->text(), QString());

        // The message box's first text carries a line break, so the first visit keeps it.
        messageBox()->setFocus(Qt::TabFocusReason);
        QCOMPARE(messageBox()->toPlainText(), QString("Your Message\n"));
        messageBox()->selectAll();
        QTest::keyClick(messageBox(), Qt::Key_Delete);
        box("txtName")->setFocus(Qt::TabFocusReason);
        QCOMPARE(messageBox()->toPlainText(), QString("Your Message"));
        messageBox()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(messageBox()->toPlainText(), QString());
    }

    void spaceIsRefusedInEmailBoxes()
    {
        for (const char *name : {"txtEmail", "txtFriendEmail"}) {
            f.messages->shown.clear();
            typeInto(box(name), "a b");
            QCOMPARE(box(name)->text(), QString("ab"));
            QCOMPARE(f.messages->texts(), QStringList{"Email Address Cannot Contain Space"});
            QCOMPARE(f.messages->shown.front().icon, QMessageBox::Critical);
        }
        f.messages->shown.clear();
        typeInto(box("txtFriendName"), "Jo Ann");
        QCOMPARE(box("txtFriendName")->text(), QString("Jo Ann"));
        QVERIFY(f.messages->shown.empty());
    }

    void refusalsInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message");
        const QString distinct = "Please Enter Distinct Email Addresses";
        const QString proper = "Please Enter Proper Email Address";
        QTest::newRow("both empty") << "A"
                                    << ""
                                    << "B"
                                    << "" << distinct;
        QTest::newRow("placeholders") << "A"
                                      << "-"
                                      << "B"
                                      << "-" << proper;
        QTest::newRow("same address") << "A"
                                      << "a@b.com"
                                      << "B"
                                      << "a@b.com" << distinct;
        QTest::newRow("no @") << "A"
                              << "ab.com"
                              << "B"
                              << "c@d.com" << proper;
        QTest::newRow("no dot") << "A"
                                << "a@b.com"
                                << "B"
                                << "c@dcom" << proper;
        QTest::newRow("name placeholder") << "-"
                                          << "a@b.com"
                                          << "B"
                                          << "c@d.com"
                                          << "Please Enter Your Name";
        QTest::newRow("friend name placeholder") << "A"
                                                 << "a@b.com"
                                                 << "-"
                                                 << "c@d.com"
                                                 << "Please Enter Your Friend's Name";
    }
    void refusalsInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);
        // "-" leaves a box at its placeholder; an empty box can only come from a paste.
        const auto fill = [this](const char *name, const QString &value) {
            if (value.isEmpty())
                box(name)->setText(value);
            else if (value != "-")
                typeInto(box(name), value);
        };
        fill("txtName", name);
        fill("txtEmail", email);
        fill("txtFriendName", friendName);
        fill("txtFriendEmail", friendEmail);
        submit();
        QCOMPARE(f.messages->texts(), QStringList{message});
        QCOMPARE(f.messages->shown.front().icon, QMessageBox::Critical);
        QCOMPARE(f.messages->shown.front().title, QString("Kelt Descendant Astrology"));
        QVERIFY(f.urls->opened.isEmpty());
        QVERIFY(f.exitWindow()->isVisible());
    }

    void sameAddressWithOuterSpacesIsNotDistinct()
    {
        typeInto(box("txtName"), "A");
        typeInto(box("txtFriendName"), "B");
        box("txtEmail")->setText("  a@b.com");
        box("txtFriendEmail")->setText("a@b.com  ");
        submit();
        QCOMPARE(f.messages->texts(), QStringList{"Please Enter Distinct Email Addresses"});
        f.messages->shown.clear();
        box("txtFriendEmail")->setText("A@b.com");
        submit();
        QVERIFY(f.messages->shown.empty());
        QCOMPARE(f.urls->opened.size(), 1);
    }

    void emptiedMessageIsRefused()
    {
        typeInto(box("txtName"), "A");
        typeInto(box("txtEmail"), "a@b.com");
        typeInto(box("txtFriendName"), "B");
        typeInto(box("txtFriendEmail"), "c@d.com");
        typeInto(messageBox(), QString());
        submit();
        QCOMPARE(f.messages->texts(), QStringList{"Please Enter Your Message"});
    }

    void successfulReferral()
    {
        typeInto(box("txtName"), "Tom & Jerry");
        typeInto(box("txtEmail"), "tom@cat.com");
        typeInto(box("txtFriendName"), "a=b");
        typeInto(box("txtFriendEmail"), "x&taf5=someone@else.com");
        submit();
        QVERIFY(f.messages->shown.empty());
        QCOMPARE(f.urls->opened.size(), 1);
        QCOMPARE(f.urls->opened.front(), f.program->referral().ReferralAddress);
        // The message box, never touched, sends the text it shows.
        const QUrlQuery query(QUrl(f.urls->opened.front()).query(QUrl::FullyEncoded));
        QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QString("Your Message\r\n"));
        // The window stays with its texts, ready for another referral.
        QVERIFY(f.exitWindow()->isVisible());
        QCOMPARE(box("txtName")->text(), QString("Tom & Jerry"));
        submit();
        QCOMPARE(f.urls->opened.size(), 2);
        QCOMPARE(f.program->referral().FriendName, QString("a=b"));
    }

    void checkBoxIsTickedOnlyWhileHeld_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on the tick") << "tick";
        QTest::newRow("click in the far corner") << "corner";
        QTest::newRow("space key") << "space";
        QTest::newRow("pressed, then slid off") << "slide";
        QTest::newRow("screen reader's toggle") << "toggle";
    }
    void checkBoxIsTickedOnlyWhileHeld()
    {
        QFETCH(QString, how);
        auto *check = child<QCheckBox>("Check1");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(check);
        // The hand pointer shows over the whole box, so all of it takes the click.
        const QPoint at = how == "corner" ? QPoint(check->width() - 2, 2) : QPoint(10, 15);
        const QPoint off(-20, -20);
        for (int round = 1; round <= 2; ++round) {
            if (how == "toggle") {
                iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            } else {
                if (how == "space")
                    QTest::keyPress(check, Qt::Key_Space);
                else
                    QTest::mousePress(check, Qt::LeftButton, {}, at);
                // Held down, the box shows its tick and a screen reader is told so.
                QVERIFY(check->isChecked() && iface->state().checked);
                if (how == "slide")
                    QTest::mouseMove(check, off);
                if (how == "space")
                    QTest::keyRelease(check, Qt::Key_Space);
                else
                    QTest::mouseRelease(check, Qt::LeftButton, {}, how == "slide" ? off : at);
            }
            QVERIFY(!check->isChecked() && !iface->state().checked);
            const int opened = how == "slide" ? 0 : round;
            QCOMPARE(f.urls->opened, QStringList(opened, SitePage + "home-page"));
        }
    }

    void goToHomeLink()
    {
        QTest::mouseClick(child<QLabel>("lblGoToHome"), Qt::LeftButton);
        QCOMPARE(f.urls->opened, QStringList{SitePage + "sarvelsoftwares"});
        QVERIFY(f.exitWindow()->isVisible());
    }

    void exitButtonEnds()
    {
        QTest::mouseClick(child<QPushButton>("cmdClose"), Qt::LeftButton);
        QCOMPARE(f.quits, 1);
        QTRY_VERIFY(!f.program->loadedExitWindow());
    }

    void supportTextsAreDrawnEvenly()
    {
        f.stop();
        quint64 seed = 12345;
        ProgramRandom::setClockSeedSource([&seed] { return seed++; });
        const ScopeGuard restore([] { ProgramRandom::setClockSeedSource({}); });
        int counts[4] = {};
        modTellAFriend referral;
        const int loads = 400;
        for (int i = 0; i < loads; ++i) {
            frmNagScreen2 window(referral);
            window.Form_Load();
            ++counts[window.supportTextIndex()];
        }
        // Each text's share within 100 +- 35 of 400 (about four standard deviations).
        for (int count : counts)
            QVERIFY2(count > 65 && count < 135, qPrintable(QString::number(count)));
    }

    void contentTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");
        QTest::newRow("label3") << "exit/label3.txt" << 615
                                << "If you have enjoyed this software you will surely be "
                                   "interested in our other Sarvel Softwares.";
        QTest::newRow("support0") << "exit/support0.txt" << 227
                                  << "Sarvel Softwares, such as this can be created and "
                                     "maintained only with your support.";
        QTest::newRow("support1") << "exit/support1.txt" << 211 << "";
        QTest::newRow("support2") << "exit/support2.txt" << 160 << "";
        QTest::newRow("support3") << "exit/support3.txt" << 196 << "";
    }
    void contentTexts()
    {
        QFETCH(QString, file);
        QFETCH(int, length);
        QFETCH(QString, opening);
        const QString text = content::Text(file);
        QCOMPARE(text.size(), length);
        QVERIFY(text.startsWith(opening));
        if (file.contains("support"))
            QVERIFY(text.contains("Orvane"));
        if (file.contains("label3")) {
            QVERIFY(text.contains(QString(61, ' ')));
            QVERIFY(!text.contains(QString(62, ' ')));
        }
    }
};

KELT_TEST_MAIN(ExitWindowTest)
#include "tst_exitwindow.moc"
