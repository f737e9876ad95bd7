// The sign pictures on a screen scaled to 2 (the test runs with QT_SCALE_FACTOR=2): drawn
// from the pictures of twice the size, pixel for pixel, in a box of the same logical size.
#include "ProgramFixture.h"

#include "ZodiacSign.h"

using namespace kelt;
using namespace kelt::test;

namespace {

// Mean difference per channel between two images of one size, 0 to 255.
double MeanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                   qAbs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

QString LargeResource(const QString &key)
{
    QString name = key;
    name.replace(QStringLiteral(".jpg"), QStringLiteral("@2x.jpg"));
    return QStringLiteral(":/pictures/") + name;
}

} // namespace

class HighDpiTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;
    SignImageList images;

private Q_SLOTS:
    void cleanup() { f.finish(); }

    void runsAtScaleTwo() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void numberingAndKeysStayAsTheyAre()
    {
        const QStringList keys = {"aries.jpg",       "taurus.jpg",    "gemini.jpg",   "cancer.jpg",
                                  "leo.jpg",         "virgo.jpg",     "libra.jpg",    "scorpio.jpg",
                                  "sagittarius.jpg", "capricorn.jpg", "aquarius.jpg", "pisces.jpg"};
        for (int item = 1; item <= SignImageList::Count; ++item)
            QCOMPARE(images.key(item), keys.at(item - 1));
        QCOMPARE(images.key(0), QString());
        QCOMPARE(images.key(13), QString());
        QVERIFY(images.picture(0).isNull());
        QVERIFY(images.picture(13, 2.0).isNull());
    }

    void eachLargePictureIsItsOwnSignAtTwiceTheSize()
    {
        QList<QImage> small;
        for (int item = 1; item <= SignImageList::Count; ++item)
            small << images.picture(item, 1.0).toImage();
        for (int item = 1; item <= SignImageList::Count; ++item) {
            const QImage large(LargeResource(images.key(item)));
            QCOMPARE(large.size(), QSize(400, 400));
            const QImage halved =
                large.scaled(200, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            // Closer to its own sign than to any other, and close in absolute terms.
            const double own = MeanDifference(halved, small.at(item - 1));
            QVERIFY2(own < 6, qPrintable(images.key(item) + QString(": %1").arg(own)));
            for (int other = 1; other <= SignImageList::Count; ++other) {
                if (other != item)
                    QVERIFY(MeanDifference(halved, small.at(other - 1)) > own);
            }
        }
    }

    void pictureAtEachRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1") << 1.0 << QSize(200, 200);
        QTest::newRow("1.25") << 1.25 << QSize(250, 250);
        QTest::newRow("1.5") << 1.5 << QSize(300, 300);
        QTest::newRow("2") << 2.0 << QSize(400, 400);
        QTest::newRow("3") << 3.0 << QSize(400, 400);
    }
    void pictureAtEachRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        for (int item = 1; item <= SignImageList::Count; ++item) {
            const QPixmap picture = images.picture(item, ratio);
            QCOMPARE(picture.size(), pixels);
            QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(200, 200));
        }
        const QImage shown = images.picture(5, ratio).toImage();
        const QImage source(ratio > 1 ? LargeResource("leo.jpg") : QString(":/pictures/leo.jpg"));
        if (ratio == 1.0 || ratio >= 2.0)
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                     source.convertToFormat(QImage::Format_RGB32));
    }

    void resultWindowShowsTheLargePicturePixelForPixel()
    {
        f.start();
        f.makeReading();
        QVERIFY(QTest::qWaitForWindowExposed(f.display()));

        auto *box = f.child<QLabel>(f.display(), "picSign");
        const QString sign = f.child<QLabel>(f.display(), "lblYourDescendantSign")->text();
        const auto item = SignPictureItem(sign.toStdString());
        QVERIFY(item);
        const QPixmap picture = box->pixmap();
        QCOMPARE(picture.size(), QSize(400, 400));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        // The same box as at scale 1: the picture and its one-pixel border.
        QCOMPARE(box->size(), QSize(202, 202));

        const QImage shot = box->grab().toImage();
        QCOMPARE(shot.size(), QSize(404, 404));
        const QImage large =
            QImage(LargeResource(images.key(*item))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.copy(2, 2, 400, 400).convertToFormat(QImage::Format_RGB32), large);
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(202, 0), QPoint(403, 403)})
            QCOMPARE(shot.pixelColor(p), QColor(Qt::black));
    }
};

KELT_TEST_MAIN(HighDpiTest)
#include "tst_hidpi.moc"
