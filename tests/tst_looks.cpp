#include "ProgramFixture.h"

#include "Content.h"
#include "frmAbout.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cmath>

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

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Luminance(const QColor &c)
{
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a) + 0.05;
    const double lb = Luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// How well a picture's text reads: its most common colour, the background, against the
// colour that stands out from it most.
double TextContrast(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, Contrast(QColor(background), QColor(it.key())));
    return best;
}

} // namespace

class LooksTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    // Shows a message box on screen, as the program does before it has a window, and hands
    // the box to look before closing it.
    void showMessage(const QString &text, const std::function<void(QWidget *)> &look)
    {
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = QApplication::activeModalWidget()) {
                look(box);
                box->close();
            }
        });
        poll.start(10);
        MessageBox::inform(nullptr, text, MessageIcon::Information);
    }

private Q_SLOTS:
    void init() { f.startActive(); }
    void cleanup() { f.finishAllClosed(); }

    void everyPushButtonHasAPeachFace()
    {
        QList<QPushButton *> buttons = f.main()->findChildren<QPushButton *>();
        frmAbout about(f.main());
        buttons += about.findChildren<QPushButton *>();
        f.makeReading();
        buttons += f.display()->findChildren<QPushButton *>();
        buttons += f.exitWindow()->findChildren<QPushButton *>();
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

    // A dark theme hands Qt light text on dark ground, for the application and for menus,
    // the menu bar and message boxes of their own; the fixed light windows keep dark text.
    void textStaysReadableUnderADarkTheme()
    {
        f.finish();
        const QPalette dark(QColor(0x32, 0x32, 0x32));
        QApplication::setPalette(dark);
        for (const char *widgetClass : {"QMenuBar", "QMenu", "QMessageBoxLabel", "QLabel"})
            QApplication::setPalette(dark, widgetClass);
        SetUpApplication();
        f.start();

        auto *menuBar = f.main()->findChild<QMenuBar *>();
        auto *help = f.main()->findChild<QMenu *>("mnuHelp");
        help->popup(menuBar->mapToGlobal(QPoint(0, menuBar->height())));
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QList<std::pair<QString, QImage>> shots = {{"menu bar", menuBar->grab().toImage()},
                                                   {"Help menu", help->grab().toImage()}};
        help->hide();

        f.finish();
        showMessage("Please Enter Only Alphabet !", [&](QWidget *box) {
            shots.append(
                {"message box", box->findChild<QLabel *>("qt_msgbox_label")->grab().toImage()});
        });
        QCOMPARE(shots.size(), 3);
        for (const auto &[name, shot] : std::as_const(shots))
            QVERIFY2(TextContrast(shot) >= 4.5,
                     qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(TextContrast(shot))));
        f.start();
    }

    void messageBoxesCarryTheProgramIcon()
    {
        f.finish();
        QIcon seen;
        showMessage("Application is already running",
                    [&](QWidget *box) { seen = box->windowIcon(); });
        QCOMPARE(seen.cacheKey(), content::ProgramIcon().cacheKey());
        f.start();
    }
};

KELT_TEST_MAIN(LooksTest)
#include "tst_looks.moc"
