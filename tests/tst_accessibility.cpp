#include "ProgramFixture.h"

#include "LinkLabel.h"
#include "frmAbout.h"
#include "frmExactDescendant.h"

#include <QListWidget>

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

    // Screen readers take the outermost frame for the window: only the window itself may be
    // one, and it is a window or a dialog.
    static void checkWindow(QWidget *window, QAccessible::Role role = QAccessible::Window)
    {
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), role);
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->window() == window)
                QVERIFY2(QAccessible::queryAccessibleInterface(w)->role() != QAccessible::Border,
                         qPrintable(w->objectName()));
        }
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

    static QAccessibleInterface *iface(QWidget *window, const char *name)
    {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget *>(name));
    }

    static QStringList labels(QWidget *window, const char *control)
    {
        QStringList names;
        for (const auto &relation : iface(window, control)->relations(QAccessible::Label))
            names << relation.first->text(QAccessible::Name);
        // The frame's caption labels everything inside it; only the control's own counts.
        names.removeAll("Enter Your Details");
        return names;
    }

private Q_SLOTS:
    void init() { f.start(); }

    void cleanup() { f.finish(); }

    void birthDetailsWindow()
    {
        checkWindow(f.main());
        const auto name = [this](const char *control) {
            return iface(f.main(), control)->text(QAccessible::Name);
        };
        QCOMPARE(name("txtName"), QString("Name"));
        QCOMPARE(labels(f.main(), "txtName"), QStringList{"Name:-"});
        // On Linux a list's name is its chosen entry; its caption labels it.
        const struct
        {
            const char *list;
            const char *caption;
            const char *entry;
        } lists[] = {{"cmbTime", "Time Of Birth:-", "4am-6am"},
                     {"cmbDate", "Date", "1"},
                     {"cmbMonth", "Month", "January"},
                     {"cmbYear", "Year", "1900"}};
        // Windows readers take the list's own name, and the entry as its value.
        const auto entry = [this](const char *list) {
            return iface(f.main(), list)->text(QAccessible::Value);
        };
        for (const auto &l : lists) {
#ifdef Q_OS_WIN
            QVERIFY(!name(l.list).isEmpty());
#else
            QCOMPARE(name(l.list), QString(l.entry));
#endif
            QCOMPARE(entry(l.list), QString(l.entry));
            QCOMPARE(labels(f.main(), l.list), QStringList{l.caption});
            // A closed list's value, where Orca reads it.
            QAccessibleTextInterface *text = iface(f.main(), l.list)->textInterface();
            QVERIFY(text);
            QCOMPARE(text->text(0, text->characterCount()), QString(l.entry));
        }
        // The name is one run of text to its end, or a reader drops its last letter.
        auto *box = f.main()->findChild<QLineEdit *>("txtName");
        box->setText("ANN");
        int start = -1;
        int end = -1;
        QAccessible::queryAccessibleInterface(box)->textInterface()->attributes(1, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, 3));
        auto *year = f.main()->findChild<QComboBox *>("cmbYear");
        year->setCurrentIndex(90);
        QCOMPARE(entry("cmbYear"), QString("1990"));
        // The entries are the list's children, through its drop-down view.
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(year)->child(0);
        QVERIFY(view);
        QCOMPARE(view->childCount(), 151);
    }

    void stackedLabelsShowOnlyTheFrontOne()
    {
        auto *cobrand = f.main()->findChild<QWidget *>("lblCobrand");
        auto *full = f.main()->findChild<QWidget *>("lblFullBrand");
        const auto hidden = [](QWidget *w) {
            return QAccessible::queryAccessibleInterface(w)->state().invisible;
        };
        f.main()->bringCobrandToFront();
        QVERIFY(!hidden(cobrand));
        QVERIFY(hidden(full));
        f.main()->bringFullBrandToFront();
        QVERIFY(hidden(cobrand));
        QVERIFY(!hidden(full));
    }

    void resultWindow()
    {
        f.makeReading();
        checkWindow(f.display());
        auto *picture = iface(f.display(), "picSign");
        QCOMPARE(picture->text(QAccessible::Name), QString("Cancer"));
        QVERIFY(picture->text(QAccessible::Description).contains("Cancer"));
        const QStringList signLabels = labels(f.display(), "lblYourDescendantSign");
        QVERIFY2(signLabels.contains("Your Descendant Sign"), qPrintable(signLabels.join(',')));
        // Read when the window opens, so the reading is heard as it arrives.
        const QString said =
            QAccessible::queryAccessibleInterface(f.display())->text(QAccessible::Description);
        QVERIFY2(said.startsWith("Your Descendant Sign Cancer. "), qPrintable(said));
        QVERIFY(said.contains(f.display()->findChild<QLabel *>("lblMoreAboutSign")->text()));
        QVERIFY(iface(f.display(), "lblCobrand")->state().invisible);
    }

    void linkLabelsCanBeActivated()
    {
        iface(f.main(), "Label61")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.urls->opened, QStringList{SitePage + "home-page"});
    }

    void aboutWindow()
    {
        frmAbout about(f.main());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        checkWindow(&about, QAccessible::Dialog);
    }

    // Every control named; the result, which takes the focus, is named by the whole answer
    // (readers pass over a label's description), its degrees in words.
    void exactDescendantWindow()
    {
        frmExactDescendant exact;
        exact.show();
        QVERIFY(QTest::qWaitForWindowActive(&exact));
        QTest::keyClicks(exact.findChild<QLineEdit *>("txtPlace"), "paris");
        exact.findChild<QListWidget *>("lstTowns")->setCurrentRow(0);
        exact.cmdFind_Click();
        checkWindow(&exact, QAccessible::Dialog);
        QVERIFY(iface(&exact, "lblDescendant")->state().focused);
        // "Aries 7°04′" is said "Aries 7 degrees 4 minutes".
        QString sign = exact.findChild<QLabel *>("lblDescendant")->text();
        sign.replace("°0", "°").replace("°", " degrees ").replace("′", " minutes");
        const QString said = iface(&exact, "lblDescendant")->text(QAccessible::Name);
        QVERIFY2(said.startsWith(sign + ". Your Ascendant "), qPrintable(said));
        QVERIFY(said.contains(". Place Of Birth Paris, Île-de-France, France. Clock Used 00:00 on "
                              "1 January 1800, local mean time"));
        QVERIFY(said.endsWith(exact.findChild<QLabel *>("lblMoreAboutSign")->text()));
    }

    void exitWindow()
    {
        f.openExitWindow();
        checkWindow(f.exitWindow());
        QCOMPARE(
            QAccessible::queryAccessibleInterface(f.exitWindow())->text(QAccessible::Description),
            f.exitWindow()->findChild<QLabel *>("Label2")->text());
        QCOMPARE(iface(f.exitWindow(), "txtEmail")->text(QAccessible::Name),
                 QString("Your e-mail address"));
    }
};

KELT_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
