#include "TestSupport.h"

#include "Clock.h"
#include "Program.h"
#include "ReminderDate.h"
#include "Scramble.h"
#include "SettingsStore.h"
#include "SiteAddress.h"
#include "modRedirect.h"
#include "modTellAFriend.h"

#include <QRandomGenerator>
#include <QSettings>

using namespace kelt;
using namespace kelt::test;

namespace {

// Texts a user might type or paste, weighted towards what breaks a query.
QString RandomText(QRandomGenerator &random)
{
    static const QString tricky = QStringLiteral("&=+#%? /\\\r\n\t;:@.'\"<>~-_é漢😀");
    QString text;
    const int length = random.bounded(0, 24);
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(3)) {
        case 0:
            text += tricky.at(random.bounded(tricky.size()));
            break;
        case 1:
            text += QChar(random.bounded(32, 127));
            break;
        default:
            text += QChar(random.bounded(0xA0, 0x3000));
            break;
        }
    }
    // A lone half of a surrogate pair cannot be typed; keep the text well-formed.
    return QString::fromUtf8(text.toUtf8());
}
} // namespace

class PropertiesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void referralAddressesParseBack()
    {
        QRandomGenerator random(20261208);
        for (int round = 0; round < 2000; ++round) {
            modTellAFriend values;
            values.ReferrerName = RandomText(random);
            values.ReferrerEmail = RandomText(random);
            values.ReferralMessage = RandomText(random);
            values.FriendName = RandomText(random);
            values.FriendEmail = RandomText(random);
            const QString address = values.BuildReferralAddress();
            QVERIFY(QUrl(address, QUrl::StrictMode).isValid());
            const auto fields = QueryFields(address);
            QCOMPARE(fields.size(), 7);
            const QStringList expected = {"kelsar-refer-a-friend",     values.ReferrerName,
                                          values.ReferrerEmail,        values.ReferralMessage,
                                          values.FriendName,           values.FriendEmail,
                                          site::ProductFolderAddress()};
            const QStringList names = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
            for (int i = 0; i < expected.size(); ++i) {
                QCOMPARE(fields[i].first, names[i]);
                QCOMPARE(fields[i].second, expected[i]);
            }
        }
    }

    void trackedVisitAddressesParseBack()
    {
        QRandomGenerator random(4242);
        for (int round = 0; round < 2000; ++round) {
            const QString id = RandomText(random);
            const QString name = RandomText(random);
            const QString email = RandomText(random);
            const auto fields = QueryFields(modRedirect::TrackedVisitAddress(id, name, email));
            QCOMPARE(fields.size(), 5);
            QCOMPARE(fields[0].second, QString("thankyou-for-using"));
            QCOMPARE(fields[1].second, QString("Kelt-0241"));
            QCOMPARE(fields[2].second, id);
            QCOMPARE(fields[3].second, name);
            QCOMPARE(fields[4].second, email);
        }
    }

    void scrambleRoundTrips()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 5000; ++round) {
            QString text;
            const int length = random.bounded(0, 40);
            for (int i = 0; i < length; ++i)
                text += Windows1252(random.bounded(0, 171));
            QCOMPARE(UnscrambleText(ScrambleText(text)), text);
        }
    }

    void damagedSettingsFileDoesNotStopTheReminder()
    {
        QRandomGenerator random(99);
        const auto today = PinnedToday(QDate(2026, 12, 8));
        for (int round = 0; round < 50; ++round) {
            const QString app = QString("KeltGarbage%1").arg(round);
            SettingsStore store(app);
            const QString file =
                QSettings(QSettings::IniFormat, QSettings::UserScope, "SarvelSoftwares", app)
                    .fileName();
            QDir().mkpath(QFileInfo(file).path());
            QFile garbage(file);
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            QByteArray bytes(random.bounded(1, 4096), Qt::Uninitialized);
            for (char &b : bytes)
                b = static_cast<char>(random.bounded(256));
            if (round % 2)
                bytes.prepend("[Settings]\n" + ScrambleText("Duration").toUtf8() + "=");
            garbage.write(bytes);
            garbage.close();

            MessageRecorder messages;
            messages.answers = {QMessageBox::No};
            Program::RemindOfUpdates(store);
            // Whatever the file held, today is stored now, and the next start asks nothing.
            QCOMPARE(store.GetSetting("Duration"), QString("2026-12-08"));
            MessageRecorder next;
            Program::RemindOfUpdates(store);
            QVERIFY(next.shown.empty());
        }
    }
};

KELT_TEST_MAIN(PropertiesTest)
#include "tst_properties.moc"
