#include "ProgramFixture.h"

#include "ui/LinkLabel.h"
#include "ui/frmAbout.h"

#include <QAccessible>

using namespace kelt;
using namespace kelt::test;

class AccessibilityTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    // Every object a screen reader reaches from the window, by walking the tree.
    static void walk(QAccessibleInterface *iface, QList<QObject *> &reached)
    {
        if (!iface)
            return;
        reached << iface->object();
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), reached);
    }

    static void checkWindow(QWidget *window)
    {
        QList<QObject *> reached;
        walk(QAccessible::queryAccessibleInterface(window), reached);
        int inputs = 0;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool link = qobject_cast<LinkLabel *>(w) != nullptr;
            const bool input = w->focusPolicy() & Qt::TabFocus;
            if ((!link && !input) || w->window() != window || !w->isVisibleTo(window))
                continue;
            ++inputs;
            QVERIFY2(reached.contains(w), qPrintable(w->objectName()));
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(w->objectName()));
            if (link)
                QCOMPARE(iface->role(), QAccessible::Link);
        }
        QVERIFY(inputs > 0);
    }

private Q_SLOTS:
    void init() { f.start(); }

    void cleanup() { f.finish(); }

    void birthDetailsWindow()
    {
        checkWindow(f.main());
        const auto name = [this](const char *control) {
            return QAccessible::queryAccessibleInterface(f.main()->findChild<QWidget *>(control))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("txtName"), QString("Name"));
        QCOMPARE(name("cmbDate"), QString("Day of birth"));
        QCOMPARE(name("cmbMonth"), QString("Month of birth"));
        QCOMPARE(name("cmbYear"), QString("Year of birth"));
        QCOMPARE(name("cmbTime"), QString("Time of birth"));
    }

    void resultWindow()
    {
        QTest::keyClicks(f.child<QLineEdit>(f.main(), "txtName"), "x");
        QTest::mouseClick(f.child<QPushButton>(f.main(), "cmdProceed"), Qt::LeftButton);
        QTRY_VERIFY(f.display() && f.display()->isVisible());
        checkWindow(f.display());
        auto *picture =
            QAccessible::queryAccessibleInterface(f.display()->findChild<QWidget *>("picSign"));
        QCOMPARE(picture->text(QAccessible::Description), QString("Cancer"));
    }

    void linkLabelsCanBeActivated()
    {
        auto *iface =
            QAccessible::queryAccessibleInterface(f.main()->findChild<QWidget *>("Label61"));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.urls->opened.size(), 1);
        QVERIFY(f.urls->opened.front().endsWith("page=home-page"));
    }

    void aboutWindow()
    {
        frmAbout about(f.main());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        checkWindow(&about);
    }

    void exitWindow()
    {
        f.main()->close();
        QTRY_VERIFY(f.nag() && f.nag()->isVisible());
        checkWindow(f.nag());
        QCOMPARE(QAccessible::queryAccessibleInterface(f.nag()->findChild<QWidget *>("txtEmail"))
                     ->text(QAccessible::Name),
                 QString("Your e-mail address"));
    }
};

KELT_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
