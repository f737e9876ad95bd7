#include "ProgramFixture.h"

#include "Content.h"
#include "frmAbout.h"

#include <QScreen>
#include <QTimer>

using namespace kelt;
using namespace kelt::test;

namespace {

const QColor Peach(255, 224, 192);

// A point on the button's face, left of any caption and inside any focus ring.
QColor FaceColour(QPushButton *button)
{
    return button->grab().toImage().pixelColor(6, button->height() / 2);
}

// Where the focus ring runs: two pixels in from the left edge, half way down.
QColor RingColour(QPushButton *button)
{
    return button->grab().toImage().pixelColor(3, button->height() / 2);
}

} // namespace

class LooksTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

private Q_SLOTS:
    void init()
    {
        f.start();
        QApplication::setActiveWindow(f.main());
    }

    void cleanup()
    {
        f.finish();
        QTRY_COMPARE(f.visibleWindows(), QStringList());
    }

    void everyPushButtonHasAPeachFace()
    {
        QList<QPushButton *> buttons = f.main()->findChildren<QPushButton *>();
        frmAbout about(f.main());
        buttons += about.findChildren<QPushButton *>();
        f.makeReading();
        buttons += f.display()->findChildren<QPushButton *>();
        buttons += f.nag()->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 2 + 1 + 2 + 2);
        for (QPushButton *button : buttons)
            QVERIFY2(FaceColour(button) == Peach,
                     qPrintable(button->objectName() + " " + FaceColour(button).name()));
    }

    void pressedAndFocusedStatesShow()
    {
        auto *exit = f.child<QPushButton>(f.main(), "cmdExit");
        QCOMPARE(RingColour(exit), Peach);
        exit->setDown(true);
        const QColor pressed = FaceColour(exit);
        exit->setDown(false);
        QVERIFY2(pressed.lightness() < Peach.lightness(), qPrintable(pressed.name()));
        exit->setFocus();
        QVERIFY(exit->hasFocus());
        QCOMPARE(RingColour(exit), QColor(Qt::black));
    }

    void backShowsItsFocusAsTheResultOpens()
    {
        f.makeReading();
        QApplication::setActiveWindow(f.display());
        auto *back = f.child<QPushButton>(f.display(), "cmdBack");
        auto *exit = f.child<QPushButton>(f.display(), "cmdExit");
        QTRY_VERIFY(back->hasFocus());
        // No key has been pressed in this window, and the ring shows all the same.
        QCOMPARE(RingColour(back), QColor(Qt::black));
        QCOMPARE(RingColour(exit), Peach);
    }

    void pictureHasAPlainDarkBorder()
    {
        f.makeReading();
        auto *picture = f.child<QLabel>(f.display(), "picSign");
        const QImage shot = picture->grab().toImage();
        QCOMPARE(picture->size(), QSize(202, 202));
        for (const QPoint p : {QPoint(0, 0), QPoint(101, 0), QPoint(0, 101), QPoint(201, 201)})
            QCOMPARE(shot.pixelColor(p), QColor(Qt::black));
    }

    void aboutOpensCentredOnTheScreen()
    {
        f.main()->move(0, 0);
        frmAbout about(f.main());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint centre = about.screen()->availableGeometry().center();
        QVERIFY2((about.frameGeometry().center() - centre).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2")
                                .arg(about.frameGeometry().center().x())
                                .arg(about.frameGeometry().center().y())));
    }

    void messageBoxesCarryTheProgramIcon()
    {
        f.finish();
        QIcon seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = QApplication::activeModalWidget()) {
                seen = box->windowIcon();
                box->close();
            }
        });
        poll.start(10);
        MessageBox::inform(nullptr, QStringLiteral("Application is already running"),
                           QMessageBox::Information);
        QCOMPARE(seen.cacheKey(), content::ProgramIcon().cacheKey());
        f.start();
    }
};

KELT_TEST_MAIN(LooksTest)
#include "tst_looks.moc"
