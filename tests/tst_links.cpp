#include "TestSupport.h"

#include "AnsiCodePage.h"
#include "Clock.h"
#include "Program.h"
#include "ReminderDate.h"
#include "Scramble.h"
#include "SettingsStore.h"
#include "modHelp.h"
#include "modRedirect.h"

#include <QSet>

using namespace kelt;
using namespace kelt::test;

class LinksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trackedVisit()
    {
        UrlRecorder urls;
        modHelp::OpenTrackedVisit();
        modHelp::OpenTrackedVisit();
        const QString id = modRedirect::ComputerIdentifier();
        QVERIFY(!id.isEmpty());
        QVERIFY(!id.contains(QString::fromLatin1(QSysInfo::machineUniqueId())) ||
                QSysInfo::machineUniqueId().isEmpty());
        // The same address each time, with the same identifier.
        QCOMPARE(urls.opened, QStringList(2, SitePage +
                                                 "thankyou-for-using&software_id=Kelt-0241"
                                                 "&system_id=" +
                                                 id + "&user_name=&user_email="));
    }

    void scrambleUsesWindows1252Codes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        // Worked out by hand from the Windows-1252 table: "D" is 68, plus 85 is 153, the
        // trade mark sign; "u" is 117 + 85 = 202, "Ê"; and so on.
        QTest::newRow("Duration") << "Duration" << QString::fromUtf16(u"\u2122ÊÇ¶É¾ÄÃ");
        // "2" + 85 = 135 "‡", "0" + 85 = 133 "…", "-" + 85 = 130 "‚", "1" + 85 = 134 "†",
        // "8" + 85 = 141, which the code page leaves undefined: U+008D.
        QTest::newRow("date") << "2026-12-08" << QString::fromUtf16(u"‡…‡‹‚†‡‚…\u008D");
        // "€" is 128 in the code page: 213 "Õ". "ÿ" (255) and "«" (171) would leave 0..255
        // and are dropped. "Ā" is not in the page and counts as "?": 63 + 85 = 148 "”".
        QTest::newRow("outside") << QString::fromUtf16(u"€ÿ\u0100«A")
                                 << QString::fromUtf16(u"Õ”\u2013");
        QTest::newRow("empty") << ""
                               << "";
    }
    void scrambleUsesWindows1252Codes()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(ScrambleText(text), stored);
    }

    void unscrambleReadsWhatEarlierVersionsWrote()
    {
        QCOMPARE(UnscrambleText(QString::fromUtf16(u"\u2122ÊÇ¶É¾ÄÃ")), QString("Duration"));
        QCOMPARE(UnscrambleText(QString::fromUtf16(u"‡…‡‹‚†‡‚…\u008D")), QString("2026-12-08"));
        // "A" is 65, below 85: dropped. "–" is 150 in the code page: 150 - 85 = 65, "A".
        QCOMPARE(UnscrambleText(QString::fromUtf16(u"A\u2013")), QString("A"));
    }

    // The same bytes on every platform: each code of the page round trips, and every other
    // character, those Windows would fit to a look-alike included, counts as "?".
    void ansiPageIsWindows1252Exactly()
    {
        QSet<char16_t> page;
        for (int code = 0; code < 256; ++code) {
            const QChar c = Windows1252(code);
            page.insert(c.unicode());
            QCOMPARE(int(ansi::Encode(c)), code);
            QCOMPARE(ansi::Decode(static_cast<unsigned char>(code)), c);
        }
        int outside = 0;
        for (int u = 0; u < 0x10000; ++u) {
            if (page.contains(char16_t(u)))
                continue;
            ++outside;
            if (ansi::Encode(QChar(char16_t(u))) != '?')
                QFAIL(qPrintable(QString("U+%1 is not \"?\"").arg(u, 4, 16, QLatin1Char('0'))));
        }
        QCOMPARE(outside, 0x10000 - 256);
    }

    void reminderDecisions_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("action");
        const QDate today(2026, 12, 8);
        const int store = int(ReminderAction::StoreToday);
        const int nothing = int(ReminderAction::Nothing);
        const int ask = int(ReminderAction::Ask);
        QTest::newRow("first start") << "" << store;
        QTest::newRow("damaged") << "not a date" << store;
        QTest::newRow("today") << today.toString(Qt::ISODate) << nothing;
        QTest::newRow("14 days ago") << today.addDays(-14).toString(Qt::ISODate) << nothing;
        QTest::newRow("15 days ago") << today.addDays(-15).toString(Qt::ISODate) << ask;
        QTest::newRow("14 days ahead") << today.addDays(14).toString(Qt::ISODate) << nothing;
        QTest::newRow("15 days ahead") << today.addDays(15).toString(Qt::ISODate) << ask;
        QTest::newRow("old short format, recent") << "12/1/26" << nothing;
        QTest::newRow("old short format, old") << "11/1/26" << ask;
    }
    void reminderDecisions()
    {
        QFETCH(QString, stored);
        QFETCH(int, action);
        const QLocale us(QLocale::English, QLocale::UnitedStates); // M/d/yy
        QCOMPARE(int(DecideReminder(stored, QDate(2026, 12, 8), us)), action);
    }

    void twoDigitYearsTakeTheNearestCentury()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(*ParseReminderDate("12/30/99", QDate(2000, 1, 2), us), QDate(1999, 12, 30));
        QVERIFY(!ParseReminderDate("31/31/31", QDate(2026, 12, 8), us));
    }

    void updateReminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("after");
        const int none = 0;
        QTest::newRow("first start") << "" << none << false << false << "2026-12-08";
        QTest::newRow("14 days") << "2026-11-24" << none << false << false << "2026-11-24";
        QTest::newRow("15 days, yes")
            << "2026-11-23" << int(QMessageBox::Yes) << true << true << "2026-12-08";
        QTest::newRow("15 days, no")
            << "2026-11-23" << int(QMessageBox::No) << true << false << "2026-12-08";
    }
    void updateReminder()
    {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, opened);
        QFETCH(QString, after);

        const auto locale = DefaultLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto today = PinnedToday(QDate(2026, 12, 8));
        const QString app = QString("KeltReminder-%1").arg(QTest::currentDataTag());
        SettingsStore store(app);
        if (!stored.isEmpty())
            QVERIFY(store.SaveSetting("Duration", stored));

        UrlRecorder urls;
        MessageRecorder messages;
        if (answer)
            messages.answers.push_back(QMessageBox::StandardButton(answer));
        Program::RemindOfUpdates(store);

        QCOMPARE(messages.shown.size(), std::size_t(asked ? 1 : 0));
        if (asked) {
            const auto &m = messages.shown.front();
            QCOMPARE(m.text, QString("There maybe an update to this software available\r"
                                     "Do you want to check for an update?"));
            QCOMPARE(m.icon, QMessageBox::Information);
            QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(m.defaultButton, QMessageBox::Yes);
            QCOMPARE(m.title, QString("Kelt Descendant Astrology"));
        }
        QCOMPARE(urls.opened, opened ? QStringList{SitePage + "download-web-page"} : QStringList());
        QCOMPARE(store.GetSetting("Duration"), after);

        // Started again the same day: no question.
        MessageRecorder again;
        Program::RemindOfUpdates(store);
        QVERIFY(again.shown.empty());
    }

    void unwritableStoreEndsReminderQuietly()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const auto config = ScopedEnv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("file/x")));
        SettingsStore store("KeltUnwritable");
        MessageRecorder messages;
        Program::RemindOfUpdates(store);
        Program::RemindOfUpdates(store); // never stored, so still a first start: never a question
        QVERIFY(messages.shown.empty());
    }
};

KELT_TEST_MAIN(LinksTest)
#include "tst_links.moc"
