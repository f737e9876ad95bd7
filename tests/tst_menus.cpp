#include "ProgramFixture.h"

#include "CoBrand.h"
#include "ProgramRandom.h"
#include "frmAbout.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace kelt;
using namespace kelt::test;

class MenusTest : public QObject
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

    static QStringList captions(QMenu *menu)
    {
        QStringList list;
        for (QAction *a : menu->actions())
            list << (a->isSeparator() ? "-" : a->text()) + " " + a->objectName();
        return list;
    }

    // Presses a key in the modal window once it is up, reporting what it was.
    void closeAboutWhenShown(int key, Qt::KeyboardModifiers modifiers, QString *seen)
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
            if (modal && QTest::qWaitForWindowActive(modal))
                QTest::keyClick(modal, Qt::Key(key), modifiers);
            if (modal && modal->isVisible()) {
                *seen += " stayed open";
                modal->close(); // keeps a failing test from hanging
            }
        });
        timer->start(20);
    }

private Q_SLOTS:
    void init() { f.start(); }

    void cleanup()
    {
        ProgramRandom::setClockSeedSource({});
        f.finishAllClosed();
    }

    void menuBars_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("help");
        QTest::newRow("main") << "main"
                              << QStringList{"Find My &Descendant Astrology Sign "
                                             "mnuFindZodiacRisingSign",
                                             "Find My Exact Descendant From Birth &Place... "
                                             "mnuExactDescendant",
                                             "E&xit mnuExit"}
                              << QStringList{"&Online Help mnuOnline",
                                             "&Visit Us Online mnuVisit",
                                             "- mnuHelp1",
                                             "Check for Software &Update mnuUpdate",
                                             "- mnuHelp2",
                                             "&About Software mnuAbout"};
        QTest::newRow("result") << "result"
                                << QStringList{"&Back mnuFileBack",
                                               "Find My Exact Descendant From Birth &Place... "
                                               "mnuExactDescendant",
                                               "E&xit mnuExit"}
                                << QStringList{"&Online Help mnuOnline",
                                               "&Visit Us Online mnuVisit",
                                               "- mnuFileSep1",
                                               "&Check for Software Update mnuUpdate",
                                               "- mnuFileSep2",
                                               "&About Software mnuAbout"};
    }
    void menuBars()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, file);
        QFETCH(QStringList, help);
        QWidget *w = window(which);
        auto *bar = w->findChild<QMenuBar *>();
        QStringList top;
        for (QAction *a : bar->actions()) {
            top << a->text();
            QVERIFY(a->isVisible() && a->isEnabled());
        }
        QCOMPARE(top, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QCOMPARE(captions(w->findChild<QMenu *>("mnuFile")), file);
        QCOMPARE(captions(w->findChild<QMenu *>("mnuHelp")), help);
        // The exact descendant's letter is no other File item's, nor a menu-bar entry's.
        QList<QAction *> letters = w->findChild<QMenu *>("mnuFile")->actions() + bar->actions();
        const auto *exact = w->findChild<QAction *>("mnuExactDescendant");
        for (QAction *a : letters)
            QVERIFY(a == exact ||
                    QKeySequence::mnemonic(a->text()) != QKeySequence::mnemonic(exact->text()));
    }

    void menuLinks_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("page");
        for (const char *which : {"main", "result"}) {
            QTest::addRow("%s visit", which) << which << "mnuVisit"
                                             << "home-page";
            QTest::addRow("%s update", which) << which << "mnuUpdate"
                                              << "download-web-page";
            QTest::addRow("%s donate", which) << which << "mnuDonate"
                                              << "donate";
            QTest::addRow("%s make money", which) << which << "mnuMakeMoneyOnline"
                                                  << "fully-branded";
            QTest::addRow("%s online help", which) << which << "mnuOnline"
                                                   << "thankyou-for-using";
        }
    }
    void menuLinks()
    {
        QFETCH(QString, which);
        QFETCH(QString, action);
        QFETCH(QString, page);
        QWidget *w = window(which);
        auto *item = w->findChild<QAction *>(action);
        QVERIFY(item);
        auto *bar = w->findChild<QMenuBar *>();
        if (bar->actions().contains(item))
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
        else
            item->trigger();
        QCOMPARE(f.urls->opened.size(), 1);
        QVERIFY(f.urls->opened.front().startsWith(SitePage + page));
        if (page != "thankyou-for-using")
            QCOMPARE(f.urls->opened.front(), SitePage + page);
        QVERIFY(w->isVisible());
    }

    void labels_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("page");
        for (const char *which : {"main", "result"}) {
            QTest::addRow("%s banner", which) << which << "Label61"
                                              << "home-page";
            QTest::addRow("%s co-brand", which) << which << "lblCobrand"
                                                << "co-brand";
            QTest::addRow("%s full brand", which) << which << "lblFullBrand"
                                                  << "fully-branded";
        }
    }
    void labels()
    {
        QFETCH(QString, which);
        QFETCH(QString, label);
        QFETCH(QString, page);
        QWidget *w = window(which);
        auto *l = w->findChild<QLabel *>(label);
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
        l->raise();
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.urls->opened, QStringList(2, SitePage + page));
        QVERIFY(w->isVisible());
    }

    void labelCaptions()
    {
        QWidget *w = f.main();
        QCOMPARE(w->findChild<QLabel *>("lblCobrand")->text(),
                 QString("Co-brand this software for your site.  Increase loyalty and traffic to "
                         "your site. Put your site's name &  link here. See \"Help\" for "
                         "details.    Click Here for more info on co-branding."));
        QCOMPARE(w->findChild<QLabel *>("lblFullBrand")->text(),
                 QString("Home Business Opportunity. Start your own Internet business and make "
                         "money online. Get this software fully branded for your website. Click "
                         "here for more details."));
        const QString banner = w->findChild<QLabel *>("Label61")->text();
        QCOMPARE(banner.size(), 115);
        QVERIFY(banner.contains("www.sarvelsoftwares.com"));
    }

    void aboutIsModalFromEitherWindow_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("main, escape") << "main" << int(Qt::Key_Escape) << 0;
        QTest::newRow("main, enter") << "main" << int(Qt::Key_Return) << 0;
        QTest::newRow("main, alt+o") << "main" << int(Qt::Key_O) << int(Qt::AltModifier);
        QTest::newRow("result, escape") << "result" << int(Qt::Key_Escape) << 0;
        QTest::newRow("result, alt+o") << "result" << int(Qt::Key_O) << int(Qt::AltModifier);
    }
    void aboutIsModalFromEitherWindow()
    {
        QFETCH(QString, which);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget *w = window(which);
        QString seen;
        closeAboutWhenShown(key, Qt::KeyboardModifiers(modifiers), &seen);
        w->findChild<QAction *>("mnuAbout")->trigger();
        QCOMPARE(seen, QString("frmAbout"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(w->isVisible());
        QCOMPARE(f.visibleWindows().size(), 1);
    }

    void aboutWindow()
    {
        frmAbout about(f.main());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QString("Kelt Descendant Astrology v1.15"));
        QCOMPARE(about.findChild<QLabel *>("Label2")->text(),
                 QString("Kelt Descendant Astrology v1.15"));
        QVERIFY(about.findChild<QLabel *>("Label1")->text().startsWith(
            "Kelt Descendant Astrology calculates your descendant sign based on Western "
            "Astrology. The Descendent Sign describes the kind of people you get attracted to "
            "and find it comfortable to have a relationship with. "));
        QCOMPARE(about.focusWidget(), about.findChild<QPushButton *>("cmdOK"));
        auto *home = about.findChild<QLabel *>("lblHomePage");
        QCOMPARE(home->text(), QString("Click here to visit http://www.sarvelsoftwares.com"));
        QTest::mouseClick(home, Qt::LeftButton);
        auto *more = about.findChild<QLabel *>("Label5");
        QTest::mouseClick(more, Qt::LeftButton);
        QTest::mouseClick(more, Qt::LeftButton);
        QCOMPARE(f.urls->opened, (QStringList{SitePage + "home-page", SitePage + "fully-branded",
                                              SitePage + "fully-branded"}));
        QVERIFY(about.isVisible());
    }

    void coBrandChoiceOverManyStarts()
    {
        frmMain *w = f.main();
        auto *frame = w->findChild<QFrame *>("Frame5");
        auto *cobrand = w->findChild<QLabel *>("lblCobrand");
        const QPoint centre = cobrand->geometry().center();
        ProgramRandom::seed(2026);
        const int starts = 1200;
        int cobrandInFront = 0;
        for (int i = 0; i < starts; ++i) {
            w->bringFullBrandToFront();
            CoBrand_Randomize(*w, ProgramRandom::next());
            cobrandInFront += frame->childAt(centre) == cobrand;
        }
        // 5 in 12 = 500 of 1200, within about four standard deviations.
        QVERIFY2(cobrandInFront > 430 && cobrandInFront < 570,
                 qPrintable(QString::number(cobrandInFront)));
    }

    void resultWindowAlwaysShowsFullBrand()
    {
        QWidget *w = window("result");
        auto *frame = w->findChild<QFrame *>("Frame5");
        auto *full = w->findChild<QLabel *>("lblFullBrand");
        QCOMPARE(frame->childAt(full->geometry().center()), full);
    }
};

KELT_TEST_MAIN(MenusTest)
#include "tst_menus.moc"
