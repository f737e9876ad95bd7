#include "ReadingCommand.h"
#include "SunSign.h"
#include "ZodiacSign.h"
#include "modRisingSign.h"

#include <QTest>

#include <string>

using namespace kelt;

namespace {

// The calendar stated once more, independently: the Sun enters Aquarius on 20 January,
// Pisces on 19 February and the next sign on the 21st of every other month. Counting from
// Capricorn (index 9) in January, each month moves one sign on.
int ExpectedSunIndex(int day, int month)
{
    const int cusp = month == 1 ? 20 : month == 2 ? 19 : 21;
    return (month + 8 + (day >= cusp ? 1 : 0)) % 12;
}

// "4am-6am" puts the Sun sign on the ascendant; every later two-hour slot moves it one sign
// on. The time list runs backwards from 4am, so slot k is k signs back.
int ExpectedRisingIndex(int sunIndex, int slot)
{
    return ((sunIndex - slot) % 12 + 12) % 12;
}

std::string S(std::string_view v)
{
    return std::string(v);
}

} // namespace

class ReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notSigns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("lower") << "aries";
        QTest::newRow("upper") << "ARIES";
        QTest::newRow("trailing space") << "Aries ";
        QTest::newRow("leading space") << " Aries";
        QTest::newRow("empty") << "";
        QTest::newRow("other") << "Ophiuchus";
    }
    void notSigns()
    {
        QFETCH(QString, text);
        const std::string t = text.toStdString();
        QVERIFY(!IsSign(t));
        QVERIFY(!OppositeSign(t));
        QVERIFY(!DescendantReading(t));
        QVERIFY(!SignPictureItem(t));
        QVERIFY(!SignPictureKey(t));
    }

    void readingTexts_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");
        QTest::newRow("Aries") << "Aries" << 668
                               << "If Aries is your descendent sign, you will crave for a partner "
                                  "who possesses a fiery nature, deep passion and high level of "
                                  "enthusiasm.";
        QTest::newRow("Taurus") << "Taurus" << 618
                                << "You are in search of a romantic and sensual partner who can "
                                   "make you feel like a valued treasure.";
        QTest::newRow("Gemini") << "Gemini" << 610
                                << "Descendent in Gemini evokes a longing for someone who is good "
                                   "at conversation, witty and versatile.";
        QTest::newRow("Cancer") << "Cancer" << 671
                                << "A partner who can make you feel proud of him/her is your "
                                   "ideal choice.";
        QTest::newRow("Leo") << "Leo" << 713
                             << "The influence of Leo as the descendent denotes a partner of "
                                "great bearing.";
        QTest::newRow("Virgo") << "Virgo" << 634
                               << "Descendent in Virgo generates a need for someone who will be "
                                  "meticulous, organized and tactful.";
        QTest::newRow("Libra") << "Libra" << 716
                               << "Having descendent in Libra denotes your need for a romantic "
                                  "and generous partner.";
        QTest::newRow("Scorpio") << "Scorpio" << 672
                                 << "You have a strong urge for an intensely passionate lover.";
        QTest::newRow("Sagittarius")
            << "Sagittarius" << 769
            << "Having descendent in Sagittarius means you will have an affinity towards some "
               "inquisitive, learned person with a philosophical streak of mind.";
        QTest::newRow("Capricorn") << "Capricorn" << 689
                                   << "With descendent in Capricorn, you look out for an "
                                      "ambitious, goal-oriented person exploring newer heights "
                                      "in his life.";
        QTest::newRow("Aquarius") << "Aquarius" << 709
                                  << "The influence of Aquarius on your descendent creates an "
                                     "urge for flexibility and much space in the relationships.";
        QTest::newRow("Pisces") << "Pisces" << 782
                                << "The main problem regarding relationships erupts from your "
                                   "inability in relating to others.";
    }
    void readingTexts()
    {
        QFETCH(QString, sign);
        QFETCH(int, length);
        QFETCH(QString, opening);
        const auto text = DescendantReading(sign.toStdString());
        QVERIFY(text);
        QCOMPARE(static_cast<int>(text->size()), length);
        QVERIFY(text->starts_with(opening.toStdString()));
        for (const char c : *text)
            QVERIFY2(c >= 32 && c < 127, "plain ASCII on one line");
        QVERIFY(text->find("escendant") == std::string_view::npos);
    }

    void everyDateAndSlot_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("slot");
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                for (int slot = 0; slot < 12; ++slot)
                    QTest::addRow("%d/%d slot %d", day, month, slot) << day << month << slot;
    }
    void everyDateAndSlot()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, slot);
        const int sun = ExpectedSunIndex(day, month);
        const int rising = ExpectedRisingIndex(sun, slot);

        ReadingState state;
        BirthDetails details{"ANNE", day, month, "2000",
                             S(modRisingSign::TimeSlots[static_cast<std::size_t>(slot)])};
        const auto result = RunReading(state, details);
        QVERIFY(result);
        QCOMPARE(state.SunSign, S(ZodiacSigns[sun]));
        QCOMPARE(state.RisingSign, S(ZodiacSigns[rising]));
        const int descendant = (rising + 6) % 12;
        QCOMPARE(S(result->sign), S(ZodiacSigns[descendant]));
        QCOMPARE(result->pictureItem, descendant + 1);
        QCOMPARE(result->readingText, *DescendantReading(ZodiacSigns[descendant]));
    }

    void unknownKeysKeepRisingSign_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("letter case") << "aries-4am-6am";
        QTest::newRow("leading space") << " Aries-4am-6am";
        QTest::newRow("trailing space") << "Aries-4am-6am ";
        QTest::newRow("unknown slot") << "Aries-5am-7am";
        QTest::newRow("empty sun sign") << "-4am-6am";
        QTest::newRow("empty") << "";
    }
    void unknownKeysKeepRisingSign()
    {
        QFETCH(QString, key);
        ReadingState state;
        state.RisingSignKey = "Leo-10am-noon";
        modRisingSign::FindRisingSign(state);
        QCOMPARE(state.RisingSign, std::string("Scorpio"));

        state.RisingSignKey = key.toStdString();
        modRisingSign::FindRisingSign(state);
        QCOMPARE(state.RisingSign, std::string("Scorpio"));

        ReadingState fresh;
        fresh.RisingSignKey = key.toStdString();
        modRisingSign::FindRisingSign(fresh);
        QCOMPARE(fresh.RisingSign, std::string());
    }

    void sunSignWithoutSelectionKeepsValue()
    {
        ReadingState state;
        FindSunSign(state, 0, 0);
        QCOMPARE(state.SunSign, std::string());
        FindSunSign(state, 25, 7);
        QCOMPARE(state.SunSign, std::string("Leo"));
        FindSunSign(state, 10, 0);
        FindSunSign(state, 0, 3);
        FindSunSign(state, 32, 3);
        QCOMPARE(state.SunSign, std::string("Leo"));
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message"); // empty: passes
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("nameMissing");

        const QString feb = "Please Enter Correct Date Or Month!";
        const QString thirty = "Please Enter Correct Date Or Month !";
        const int info = int(MessageIcon::Information);
        QTest::newRow("empty name wins over bad date")
            << "" << 31 << 4 << "1901"
            << "Please Enter Your Name !" << int(MessageIcon::None) << true;
        QTest::newRow("name of spaces passes") << "   " << 1 << 1 << "1900"
                                               << "" << 0 << false;
        QTest::newRow("29 Feb 2000") << "A" << 29 << 2 << "2000"
                                     << "" << 0 << false;
        QTest::newRow("29 Feb 2024") << "A" << 29 << 2 << "2024"
                                     << "" << 0 << false;
        // Century years are leap years only when divisible by 400.
        QTest::newRow("29 Feb 1900") << "A" << 29 << 2 << "1900" << feb << info << false;
        QTest::newRow("29 Feb 2100") << "A" << 29 << 2 << "2100" << feb << info << false;
        QTest::newRow("29 Feb 1901") << "A" << 29 << 2 << "1901" << feb << info << false;
        QTest::newRow("28 Feb 1901") << "A" << 28 << 2 << "1901"
                                     << "" << 0 << false;
        QTest::newRow("30 Feb 2000") << "A" << 30 << 2 << "2000" << feb << info << false;
        QTest::newRow("31 Feb 2004") << "A" << 31 << 2 << "2004" << feb << info << false;
        for (int month : {4, 6, 9, 11}) {
            QTest::addRow("31/%d", month)
                << "A" << 31 << month << "1999" << thirty << info << false;
            QTest::addRow("30/%d", month) << "A" << 30 << month << "1999"
                                          << "" << 0 << false;
        }
        for (int month : {1, 3, 5, 7, 8, 10, 12})
            QTest::addRow("31/%d", month) << "A" << 31 << month << "1999"
                                          << "" << 0 << false;
    }
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(bool, nameMissing);

        const auto result =
            ValidateBirthDetails({name.toStdString(), day, month, year.toStdString(), "4am-6am"});
        if (message.isEmpty()) {
            QVERIFY(!result);
            return;
        }
        QVERIFY(result);
        QCOMPARE(QString::fromStdString(std::string(result->text)), message);
        QCOMPARE(int(result->icon), icon);
        QCOMPARE(result->problem == DetailsProblem::NoName, nameMissing);
    }

    void failedLookupReusesPreviousRisingSign()
    {
        ReadingState state;
        QVERIFY(!RunReading(state, {"X", 1, 1, "1990", "not a slot"}));
        QCOMPARE(state.RisingSign, std::string());
        QCOMPARE(state.RisingSignKey, std::string("Capricorn-not a slot"));

        QVERIFY(RunReading(state, {"X", 25, 7, "1990", "10am-noon"}));
        const auto again = RunReading(state, {"X", 1, 1, "1990", "not a slot"});
        QVERIFY(again);
        QCOMPARE(S(again->sign), std::string("Taurus"));
        QCOMPARE(state.SunSign, std::string("Capricorn"));
    }

    void yearText()
    {
        QCOMPARE(YearNumber("1900"), 1900);
        QCOMPARE(YearNumber(""), 0);
        QCOMPARE(YearNumber("abc"), 0);
    }
};

QTEST_APPLESS_MAIN(ReadingTest)
#include "tst_reading.moc"
