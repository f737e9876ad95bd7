#include "ProgramFixture.h"

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

private Q_SLOTS:
    void init() { f.startActive(); }
    void cleanup() { f.finishAllClosed(); }

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
};

KELT_TEST_MAIN(ExactDescendantTest)
#include "tst_exactdescendant.moc"
