#include "ProgramFixture.h"

#include "PlaceData.h"
#include "ZodiacSign.h"
#include "frmExactDescendant.h"

#include <QAccessible>
#include <QAction>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace kelt;
using namespace kelt::test;

class ExactDescendantTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    QWidget *window(const QString &which)
    {
        if (which == "main")
            return f.main();
        f.makeReading();
        return f.display();
    }

    // Runs the steps in the modal window once it is up, then closes it if they did not.
    void whenShown(std::function<void(frmExactDescendant *)> steps, QString *seen)
    {
        auto *timer = new QTimer(this);
        int tries = 0;
        connect(timer, &QTimer::timeout, this, [=]() mutable {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal && ++tries < 250)
                return;
            timer->deleteLater();
            timer->stop();
            *seen = modal ? modal->objectName() : QString("none");
            auto *exact = qobject_cast<frmExactDescendant *>(modal);
            if (exact && QTest::qWaitForWindowActive(exact))
                steps(exact);
            if (modal && modal->isVisible()) {
                *seen += " stayed open";
                modal->close(); // keeps a failing test from hanging
            }
        });
        timer->start(20);
    }

    template <typename T> static T *in(QWidget *w, const char *name)
    {
        return ProgramFixture::child<T>(w, name);
    }

    // The window on its own, as a user finds it on opening.
    std::unique_ptr<frmExactDescendant> w;
    QString shown(const char *label) const { return in<QLabel>(w.get(), label)->text(); }

    void open()
    {
        w = std::make_unique<frmExactDescendant>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

    // Date and clock as "12 May 1990 14:35", picked from the lists with the keyboard.
    void enterBirth(const QString &birth)
    {
        const QStringList parts = QString(birth).replace(':', ' ').split(' ');
        const char *lists[] = {"cmbDay", "cmbMonth", "cmbYear", "cmbHour", "cmbMinute"};
        for (int i = 0; i < 5; ++i)
            ProgramFixture::choose(in<QComboBox>(w.get(), lists[i]), parts[i]);
    }

    // Types the letters and goes down the matching towns to the one of this label.
    void chooseTown(const QString &typed, const QString &label)
    {
        auto *box = in<QLineEdit>(w.get(), "txtPlace");
        auto *towns = in<QListWidget>(w.get(), "lstTowns");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), towns);
        for (int i = 0; i < towns->count() && towns->currentItem()->text() != label; ++i)
            QTest::keyClick(towns, Qt::Key_Down);
        QCOMPARE(towns->currentItem()->text(), label);
        QVERIFY(towns->currentItem()->isSelected());
    }

    void find() { QTest::mouseClick(in<QPushButton>(w.get(), "cmdFind"), Qt::LeftButton); }

    void checkSignShown(const QString &sign)
    {
        const std::string s = sign.toStdString();
        QCOMPARE(shown("lblMoreAboutSign"),
                 QString::fromStdString(std::string(*DescendantReading(s))));
        const QPixmap picture = in<QLabel>(w.get(), "picSign")->pixmap();
        QCOMPARE(picture.size(), QSize(200, 200));
        QCOMPARE(picture.toImage(), f.main()->IMGSign().picture(*SignPictureItem(s)).toImage());
    }

private Q_SLOTS:
    void init() { f.startActive(); }
    void cleanup()
    {
        w.reset();
        f.finishAllClosed();
    }

    // The new item's access letter is no other File item's and no menu-bar title's.
    void menuItemInBothWindows_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("birth details") << "main";
        QTest::newRow("result") << "result";
    }
    void menuItemInBothWindows()
    {
        QFETCH(QString, which);
        QWidget *w = window(which);
        auto *item = w->findChild<QAction *>("mnuExactDescendant");
        QVERIFY(item);
        const auto letter = [](const QString &caption) { return QKeySequence::mnemonic(caption); };
        QList<QAction *> others = w->findChild<QMenu *>("mnuFile")->actions();
        others += w->findChild<QMenuBar *>()->actions();
        others.removeOne(item);
        for (QAction *other : others)
            QVERIFY2(letter(other->text()) != letter(item->text()), qPrintable(other->text()));
        QCOMPARE(letter(item->text()), QKeySequence(Qt::ALT | Qt::Key_P));
    }

    // Opened from either window with the birth-details window's date, modal; closing it by
    // any route returns to that window unchanged and starts no exit flow.
    void opensModalWithTheDateAndClosesQuietly_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("close");
        QTest::newRow("birth details, escape") << "main"
                                               << "escape";
        QTest::newRow("birth details, close box") << "main"
                                                  << "box";
        QTest::newRow("result, alt+c") << "result"
                                       << "alt+c";
    }
    void opensModalWithTheDateAndClosesQuietly()
    {
        QFETCH(QString, which);
        QFETCH(QString, close);
        f.enterDetails("ann", "25", "July", "1990", "10am-noon");
        QWidget *w = window(which);
        QString seen;
        QString date;
        bool blocked = false;
        whenShown(
            [&](frmExactDescendant *exact) {
                date = in<QComboBox>(exact, "cmbDay")->currentText() + " " +
                       in<QComboBox>(exact, "cmbMonth")->currentText() + " " +
                       in<QComboBox>(exact, "cmbYear")->currentText();
                blocked = QApplication::activeModalWidget() == exact && w->isVisible();
                QTRY_VERIFY(exact->isAncestorOf(QApplication::focusWidget()));
                if (close == "escape")
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                else if (close == "alt+c")
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
                else
                    exact->close();
            },
            &seen);
        w->findChild<QAction *>("mnuExactDescendant")->trigger();
        QCOMPARE(seen, QString("frmExactDescendant"));
        QCOMPARE(date, QString("25 July 1990"));
        QVERIFY(blocked);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(w->isVisible());
        QCOMPARE(f.visibleWindows(), QStringList{w->objectName()});
        QCOMPARE(f.quits, 0);
        QVERIFY(f.program->loadedExact());
    }

    // Known births, their ascendants from Swiss Ephemeris (swetest) at the towns' places and
    // the UT of the birth from Debian's zoneinfo.
    void knownBirths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("town");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("descendant");
        QTest::addColumn<QString>("ascendant");
        QTest::addColumn<QString>("clock");
        QTest::newRow("Paris, summer time")
            << "paris"
            << "Paris, Île-de-France, France"
            << "12 May 1990 14:35"
            << "Pisces 9°00′"
            << "Virgo 9°00′"
            << "14:35 on 12 May 1990, summer time of Europe/Paris (CEST, UT+02:00): 12:35 UT on "
               "12 May 1990.";
        QTest::newRow("the other Paris")
            << "PARIS"
            << "Paris, Texas, United States"
            << "12 May 1990 14:41"
            << "Pisces 13°07′"
            << "Virgo 13°07′"
            << "14:41 on 12 May 1990, summer time of America/Chicago (CDT, UT-05:00): 19:41 UT "
               "on 12 May 1990.";
        QTest::newRow("south, the day before in UT")
            << "SYD"
            << "Sydney, New South Wales, Australia"
            << "20 January 1975 08:16"
            << "Leo 25°30′"
            << "Aquarius 25°30′"
            << "08:16 on 20 January 1975, summer time of Australia/Sydney (AEDT, UT+11:00): "
               "21:16 UT on 19 January 1975.";
        QTest::newRow("before standard time")
            << "paris"
            << "Paris, Île-de-France, France"
            << "1 March 1880 10:07"
            << "Sagittarius 10°33′"
            << "Gemini 10°33′"
            << "10:07 on 1 March 1880, local mean time of Europe/Paris (UT+00:09:21), as the "
               "zone kept no standard time yet: 09:57 UT on 1 March 1880.";
    }
    void knownBirths()
    {
        QFETCH(QString, typed);
        QFETCH(QString, town);
        QFETCH(QString, birth);
        QFETCH(QString, descendant);
        QFETCH(QString, ascendant);
        QFETCH(QString, clock);
        open();
        enterBirth(birth);
        chooseTown(typed, town);
        find();
        QCOMPARE(shown("lblDescendant"), descendant);
        QCOMPARE(shown("lblAscendant"), ascendant);
        QCOMPARE(shown("lblPlace"), town);
        QCOMPARE(shown("lblClock"), clock);
        checkSignShown(descendant.section(' ', 0, 0));
        QVERIFY(f.messages->shown.empty());
        // The result has the focus, and says itself in words.
        QCOMPARE(QApplication::focusWidget(), in<QLabel>(w.get(), "lblDescendant"));
    }

    // A clock time the clocks skipped or showed twice is asked about; the answer decides the
    // offset, and Cancel leaves the window as it was.
    void gapAndRepeatedHour_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("clock");
        const QString gap = "02:30 on 31 March 2024 never showed on the clocks of Europe/Paris";
        const QString twice = "02:30 on 27 October 2024 showed twice on the clocks of "
                              "Europe/Paris";
        QTest::newRow("gap, clock not yet put forward")
            << "31 March 2024 02:30" << int(QMessageBox::Yes) << gap
            << "standard time of Europe/Paris (CET, UT+01:00): 01:30 UT on 31 March 2024.";
        QTest::newRow("gap, clock put forward")
            << "31 March 2024 02:30" << int(QMessageBox::No) << gap
            << "summer time of Europe/Paris (CEST, UT+02:00): 00:30 UT on 31 March 2024.";
        QTest::newRow("repeated, first time")
            << "27 October 2024 02:30" << int(QMessageBox::Yes) << twice
            << "summer time of Europe/Paris (CEST, UT+02:00): 00:30 UT on 27 October 2024.";
        QTest::newRow("repeated, second time")
            << "27 October 2024 02:30" << int(QMessageBox::No) << twice
            << "standard time of Europe/Paris (CET, UT+01:00): 01:30 UT on 27 October 2024.";
        QTest::newRow("cancelled")
            << "27 October 2024 02:30" << int(QMessageBox::Cancel) << twice << "";
    }
    void gapAndRepeatedHour()
    {
        QFETCH(QString, birth);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(QString, clock);
        open();
        enterBirth(birth);
        chooseTown("paris", "Paris, Île-de-France, France");
        f.messages->answers.push_back(QMessageBox::StandardButton(answer));
        find();
        QCOMPARE(f.messages->shown.size(), std::size_t(1));
        const auto &asked = f.messages->shown.front();
        QVERIFY2(asked.text.startsWith(question), qPrintable(asked.text));
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY2(clock.isEmpty() ? shown("lblClock").isEmpty() : shown("lblClock").endsWith(clock),
                 qPrintable(shown("lblClock")));
        QCOMPARE(shown("lblDescendant").isEmpty(), clock.isEmpty());
    }

    // Each refusal is one message, the focus on what to put right, and no result.
    void refusals_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString born = "12 May 1990 14:35";
        QTest::newRow("no place") << ""
                                  << "" << born
                                  << "Please choose your town of birth in the list, or give the "
                                     "latitude and longitude of the place."
                                  << "txtPlace";
        const QString latitude = "Please enter the latitude in degrees, from -90 (south) to 90 "
                                 "(north).";
        QTest::newRow("latitude not a number") << "north"
                                               << "2" << born << latitude << "txtLatitude";
        QTest::newRow("latitude beyond the pole") << "-90.5"
                                                  << "2" << born << latitude << "txtLatitude";
        QTest::newRow("longitude beyond range")
            << "45"
            << "181" << born
            << "Please enter the longitude in degrees, from -180 (west) to 180 (east)."
            << "txtLongitude";
        // The sky's own refusals: inside 10 degrees of a pole, and a day the month lacks.
        QTest::newRow("beyond 80 degrees") << "80.5"
                                           << "20" << born << "80"
                                           << "";
        QTest::newRow("31 February") << "48.85"
                                     << "2.35"
                                     << "31 February 1990 14:35"
                                     << ""
                                     << "";
    }
    void refusals()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, birth);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        open();
        enterBirth(birth);
        QTest::keyClicks(in<QLineEdit>(w.get(), "txtLatitude"), latitude);
        QTest::keyClicks(in<QLineEdit>(w.get(), "txtLongitude"), longitude);
        find();
        QCOMPARE(f.messages->shown.size(), std::size_t(1));
        const QString said = f.messages->texts().front();
        QVERIFY2(said.contains(message) && !said.isEmpty(), qPrintable(said));
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(shown("lblDescendant"), QString());
        QVERIFY(!in<QLabel>(w.get(), "picSign")->isVisible());
    }

    // A place given by hand is read on the zone chosen; changing a town's latitude makes the
    // place the user's own. The answer is the sky's for that place.
    void placeByHand()
    {
        open();
        enterBirth("20 January 1975 08:16");
        chooseTown("sydney", "Sydney, New South Wales, Australia");
        QCOMPARE(in<QComboBox>(w.get(), "cmbZone")->currentText(), QString("Australia/Sydney"));
        auto *latitude = in<QLineEdit>(w.get(), "txtLatitude");
        latitude->setFocus();
        latitude->selectAll();
        QTest::keyClicks(latitude, "-33.5");
        QCOMPARE(in<QListWidget>(w.get(), "lstTowns")->currentRow(), -1);
        find();
        QCOMPARE(shown("lblPlace"), QString("33.5000° S, 151.2073° E (given by hand)"));
        const ExactAnswer answer =
            content::ExactDescendant({1975, 1, 20, 8, 16}, {-33.5, 151.2073, "Australia/Sydney"});
        QCOMPARE(shown("lblDescendant"), QString::fromStdString(answer.descendant.text));
        QVERIFY(shown("lblClock").contains("UT+11:00"));

        // New letters clear the town and the place it filled in.
        chooseTown("sydney", "Sydney, New South Wales, Australia");
        QTest::keyClick(in<QLineEdit>(w.get(), "txtPlace"), Qt::Key_Backspace);
        QCOMPARE(latitude->text(), QString());
    }

    // Keyboard alone: the tab order, the access keys, Enter finding from the town list.
    void keyboardOnly()
    {
        open();
        const QStringList order = {"cmbMonth", "cmbYear",  "cmbHour",     "cmbMinute",
                                   "txtPlace", "lstTowns", "txtLatitude", "txtLongitude",
                                   "cmbZone",  "cmdFind",  "cmdClose",    "cmbDay"};
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmbDay"));
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
        const struct
        {
            Qt::Key key;
            const char *control;
        } keys[] = {{Qt::Key_I, "cmbHour"},     {Qt::Key_T, "txtPlace"},
                    {Qt::Key_A, "txtLatitude"}, {Qt::Key_N, "txtLongitude"},
                    {Qt::Key_Z, "cmbZone"},     {Qt::Key_B, "cmbDay"}};
        for (const auto &k : keys) {
            QTest::keyClick(QApplication::focusWidget(), k.key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(k.control));
        }
        chooseTown("paris", "Paris, Île-de-France, France");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(shown("lblPlace"), QString("Paris, Île-de-France, France"));
        auto *result = in<QLabel>(w.get(), "lblDescendant");
        QCOMPARE(QApplication::focusWidget(), result);
        // Then on to Close, and Alt+F finds again from anywhere.
        QTest::keyClick(result, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdClose"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), result);
        QVERIFY(f.messages->shown.empty());
    }
};

KELT_TEST_MAIN(ExactDescendantTest)
#include "tst_exactdescendant.moc"
