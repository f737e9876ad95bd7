// The exact descendant: the zone reader against the system's own zone files, the town list,
// and the command line: its awkward cases, and the lines that every platform prints alike.
#include "ExactDescendant.h"
#include "PlaceData.h"
#include "TownList.h"
#include "ZoneRules.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <ctime>

using namespace kelt;

namespace {

// A bound, not a pace: a run takes a second, but a Wine start on a loaded machine took
// more than thirty.
constexpr int RunMs = 120000;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run RunProgram(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KELT_PROGRAM_PATH), arguments);
    Run run;
    if (!process.waitForFinished(RunMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    // Windows' text streams end their lines with CR LF.
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput()).remove(QLatin1Char('\r'));
    run.err = QString::fromLocal8Bit(process.readAllStandardError()).remove(QLatin1Char('\r'));
    return run;
}

QStringList Labels(const std::vector<std::size_t> &towns)
{
    QStringList labels;
    for (const std::size_t i : towns)
        labels << Q(content::Towns().Label(i));
    return labels;
}

#ifndef Q_OS_WIN
// The system's own reading of a zone file: the C library's, with TZ naming the file.
class SystemZone
{
public:
    explicit SystemZone(const QString &path)
    {
        qputenv("TZ", ":" + QFile::encodeName(path));
        tzset();
    }
    ~SystemZone()
    {
        qunsetenv("TZ");
        tzset();
    }
    static int OffsetAt(UtSeconds t)
    {
        const std::time_t at = static_cast<std::time_t>(t);
        std::tm local{};
        localtime_r(&at, &local);
        return static_cast<int>(local.tm_gmtoff);
    }
};
#endif

} // namespace

class ExactTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every zone carried, against the C library reading Debian's file of the same zone: the
    // offset every nine days or so from 1900 to 2037, and on either side of every change
    // found so; after 2037, where the files' own rule takes over, once a quarter to 2100.
    // At each change the clock times it skipped or repeated resolve to both readings.
    void zonesMatchTheSystemZoneFiles()
    {
#ifdef Q_OS_WIN
        QSKIP("The C library reads Debian's zone files on Linux only.");
#else
        QFile list(QStringLiteral(":/places/zones.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QStringList names =
            QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(names.size() > 300);
        int compared = 0, changes = 0;
        QStringList differentFiles;
        for (const QString &name : names) {
            const QString system = QStringLiteral("/usr/share/zoneinfo/") + name;
            QFile carried(QStringLiteral(":/places/zones/") + name);
            QFile own(system);
            QVERIFY(carried.open(QIODevice::ReadOnly));
            if (!own.open(QIODevice::ReadOnly) || own.readAll() != carried.readAll()) {
                differentFiles << name; // another tzdata release: nothing to compare with
                continue;
            }
            const ZoneRules *zone = content::Zones().Find(name.toStdString());
            QVERIFY2(zone, qPrintable(name));
            const SystemZone reference(system);
            const auto same = [&](UtSeconds t) {
                const int expected = SystemZone::OffsetAt(t);
                if (zone->OffsetAt(t).utcOffsetSeconds == expected)
                    return true;
                qWarning("%s at %lld: %d, the system says %d", qPrintable(name),
                         static_cast<long long>(t), zone->OffsetAt(t).utcOffsetSeconds, expected);
                return false;
            };
            constexpr UtSeconds From = -2208988800; // 1900-01-01
            constexpr UtSeconds Until = 2145916800; // 2038-01-01
            constexpr UtSeconds Step = 9 * 86400 + 3607;
            int before = SystemZone::OffsetAt(From);
            for (UtSeconds t = From; t < Until; t += Step) {
                QVERIFY(same(t));
                const int now = SystemZone::OffsetAt(t + Step);
                if (now == before)
                    continue;
                // The change's second, by halving.
                UtSeconds low = t, high = t + Step;
                while (high - low > 1) {
                    const UtSeconds mid = low + (high - low) / 2;
                    (SystemZone::OffsetAt(mid) == before ? low : high) = mid;
                }
                QVERIFY(same(low) && same(high));
                const int after = SystemZone::OffsetAt(high);
                // Halfway through the clock times the change skipped or repeated.
                const LocalSeconds local =
                    high + std::min(before, after) + std::abs(after - before) / 2;
                const LocalTimeResolution r = zone->Resolve(local);
                const auto kind = after > before ? LocalTimeResolution::Kind::Gap
                                                 : LocalTimeResolution::Kind::Repeated;
                QVERIFY2(r.kind == kind && r.earlier.ut == local - before &&
                             r.later.ut == local - after,
                         qPrintable(QStringLiteral("%1 at %2").arg(name).arg(local)));
                ++changes;
                before = now;
            }
            for (UtSeconds t = Until; t < 4102444800; t += 91 * 86400 + 7207)
                QVERIFY(same(t));
            ++compared;
        }
        qInfo("%d zones compared, %d changes; %d other releases: %s", compared, changes,
              int(differentFiles.size()), qPrintable(differentFiles.join(QLatin1Char(' '))));
        QVERIFY2(compared > 0, "The system's tzdata is another release than the program's");
#endif
    }

    // The answer as astrologers write it: the sign, then degrees and minutes within it,
    // truncated, so that a point is never shown in a sign or minute it has not reached.
    void astrologersNotation_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("degrees");
        QTest::newRow("0 Aries") << 0.0 << "Aries 0°00′"
                                 << "0.0000";
        QTest::newRow("within Gemini") << 74.36675 << "Gemini 14°22′"
                                       << "74.3667";
        QTest::newRow("end of Aries") << 29.99999 << "Aries 29°59′"
                                      << "29.9999";
        QTest::newRow("start of Taurus") << 30.0 << "Taurus 0°00′"
                                         << "30.0000";
        QTest::newRow("end of Pisces") << 359.99999 << "Pisces 29°59′"
                                       << "359.9999";
        QTest::newRow("below 0") << -0.5 << "Pisces 29°30′"
                                 << "359.5000";
        QTest::newRow("a full circle") << 360.0 << "Aries 0°00′"
                                       << "0.0000";
    }
    void astrologersNotation()
    {
        QFETCH(double, longitude);
        const EclipticPoint point = PointAt(longitude);
        QTEST(Q(point.text), "text");
        QTEST(Q(DegreesText(longitude)), "degrees");
        QCOMPARE(Q(point.sign), Q(point.text).section(QLatin1Char(' '), 0, 0));
    }

    void instantsAndOffsets()
    {
        QCOMPARE(Q(UtText(0)), QStringLiteral("1970-01-01T00:00:00Z"));
        QCOMPARE(Q(UtText(-5364662400)), QStringLiteral("1800-01-01T00:00:00Z"));
        QCOMPARE(Q(UtText(4133980799)), QStringLiteral("2100-12-31T23:59:59Z"));
        QCOMPARE(Q(OffsetText(0)), QStringLiteral("+00:00"));
        QCOMPARE(Q(OffsetText(19800)), QStringLiteral("+05:30"));
        QCOMPARE(Q(OffsetText(-12600)), QStringLiteral("-03:30"));
        QCOMPARE(Q(OffsetText(561)), QStringLiteral("+00:09:21"));
        QCOMPARE(Q(OffsetText(-28378)), QStringLiteral("-07:52:58"));
    }

    void townSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("first"); // empty: nothing found
        QTest::newRow("largest first") << "par"
                                       << "Paris, Île-de-France, France";
        QTest::newRow("accents typed") << "Zür"
                                       << "Zürich, Zurich, Switzerland";
        QTest::newRow("no accents typed") << "zurich"
                                          << "Zürich, Zurich, Switzerland";
        QTest::newRow("as GeoNames spells it in ASCII") << "wuerzb"
                                                        << "Würzburg, Bavaria, Germany";
        QTest::newRow("letters without accents") << "LODZ"
                                                 << "Łódź, Łódź Voivodeship, Poland";
        QTest::newRow("a tilde") << "sao pau"
                                 << "São Paulo, São Paulo, Brazil";
        QTest::newRow("narrowed by region") << "paris, tex"
                                            << "Paris, Texas, United States";
        QTest::newRow("narrowed by country code") << "springf, US"
                                                  << "Springfield, Missouri, United States";
        QTest::newRow("a hyphen typed as a space") << "aix en p"
                                                   << "Aix-en-Provence, Provence-Alpes-Côte "
                                                      "d'Azur, France";
        QTest::newRow("blank") << "   "
                               << "";
        QTest::newRow("no such town") << "xqzv"
                                      << "";
    }
    void townSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QString, first);
        const TownList &towns = content::Towns();
        const std::vector<std::size_t> found = towns.Search(typed.toStdString());
        QCOMPARE(found.empty(), first.isEmpty());
        if (found.empty())
            return;
        QCOMPARE(Labels(found).constFirst(), first);
        QVERIFY(found.size() <= TownList::DefaultSearchLimit);
        for (std::size_t i = 1; i < found.size(); ++i)
            QVERIFY(towns.At(found[i - 1]).population >= towns.At(found[i]).population);
    }

    // Every label names one town alone, and a label given back finds that town.
    void everyLabelTellsItsTownApart()
    {
        const TownList &towns = content::Towns();
        QCOMPARE(towns.size(), std::size_t(24323));
        QSet<QString> labels;
        std::vector<std::size_t> sample;
        QRandomGenerator random(25);
        for (std::size_t i = 0; i < towns.size(); ++i) {
            labels.insert(Q(towns.Label(i)));
            if (!towns.At(i).detail.empty() || random.bounded(100) == 0)
                sample.push_back(i);
        }
        QCOMPARE(std::size_t(labels.size()), towns.size());
        for (const std::size_t i : sample) {
            const PlaceMatch match = towns.Find(towns.Label(i));
            QVERIFY2(match.kind == PlaceMatch::Kind::Found && match.towns.front() == i,
                     towns.Label(i).c_str());
        }
    }

    void placeLookup_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("first");
        const int found = int(PlaceMatch::Kind::Found);
        const int ambiguous = int(PlaceMatch::Kind::Ambiguous);
        const int unknown = int(PlaceMatch::Kind::Unknown);
        const QString paris = QStringLiteral("Paris, Île-de-France, France");
        QTest::newRow("country code") << "Paris, FR" << found << paris;
        QTest::newRow("country name, any case") << "paris, FRANCE" << found << paris;
        QTest::newRow("region and code")
            << "Springfield, Illinois, US" << found << "Springfield, Illinois, United States";
        QTest::newRow("name alone, two towns") << "Paris" << ambiguous << paris;
        QTest::newRow("many in one country")
            << "Springfield, US" << ambiguous << "Springfield, Missouri, United States";
        QTest::newRow("told apart by district")
            << "Mülheim, DE (Regierungsbezirk Köln)" << found
            << "Mülheim, North Rhine-Westphalia, Germany (Regierungsbezirk Köln)";
        QTest::newRow("a name in brackets")
            << "Zürich (Kreis 12)" << found << "Zürich (Kreis 12), Zurich, Switzerland";
        QTest::newRow("a prefix is not a name") << "Pari, FR" << unknown << "";
        QTest::newRow("not there") << "Paris, DE" << unknown << "";
        QTest::newRow("blank") << " , " << unknown << "";
    }
    void placeLookup()
    {
        QFETCH(QString, place);
        QFETCH(int, kind);
        QFETCH(QString, first);
        const PlaceMatch match = content::Towns().Find(place.toStdString());
        QCOMPARE(int(match.kind), kind);
        QCOMPARE(match.towns.empty(), first.isEmpty());
        if (!first.isEmpty())
            QCOMPARE(Labels(match.towns).constFirst(), first);
        if (match.kind == PlaceMatch::Kind::Ambiguous)
            QVERIFY(match.towns.size() > 1);
    }

    // The awkward cases through the command line: what it prints on standard output (every
    // line) or, with status 2, the one line on standard error and some words of it.
    void awkwardCases_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed"); // status 0: the UT line; otherwise on stderr
        QTest::addColumn<QString>("said");    // status 0: on standard error, if anything
        const QString paris = QStringLiteral("--place \"Paris, FR\" --exact ");
        // Paris put its clocks on from 02:00 to 03:00 on 25 March 1990 (01:00 UT) and back
        // from 03:00 to 02:00 on 30 September (01:00 UT).
        QTest::newRow("gap") << paris + "1990-03-25T02:30" << 2
                             << "the clocks went from +01:00 to +02:00. Give --earlier for "
                                "+01:00 (1990-03-25T01:30:00Z) or --later for +02:00 "
                                "(1990-03-25T00:30:00Z)"
                             << "";
        QTest::newRow("gap, earlier")
            << paris + "1990-03-25T02:30 --earlier" << 0 << "1990-03-25T01:30:00Z"
            << "";
        QTest::newRow("gap, later")
            << paris + "1990-03-25T02:30 --later" << 0 << "1990-03-25T00:30:00Z"
            << "";
        QTest::newRow("just before the gap")
            << paris + "1990-03-25T01:59" << 0 << "1990-03-25T00:59:00Z"
            << "";
        QTest::newRow("just after the gap")
            << paris + "1990-03-25T03:00" << 0 << "1990-03-25T01:00:00Z"
            << "";
        QTest::newRow("repeated") << paris + "1990-09-30T02:30" << 2
                                  << "happened twice in Europe/Paris: the clocks went back "
                                     "from +02:00 to +01:00. Give --earlier for +02:00 "
                                     "(1990-09-30T00:30:00Z) or --later for +01:00 "
                                     "(1990-09-30T01:30:00Z)"
                                  << "";
        QTest::newRow("repeated, earlier")
            << paris + "1990-09-30T02:30 --earlier" << 0 << "1990-09-30T00:30:00Z"
            << "";
        QTest::newRow("repeated, later")
            << paris + "1990-09-30T02:30 --later" << 0 << "1990-09-30T01:30:00Z"
            << "";
        // Sydney goes on at 02:00 on the first Sunday of October; the rule runs past 2037.
        QTest::newRow("gap in the south, after 2037")
            << "--exact 2040-10-07T02:15 --place \"Sydney, AU\"" << 2 << "from +10:00 to +11:00"
            << "";
        // Paris kept its mean time, 9 minutes 21 seconds ahead of UT, until 1891.
        QTest::newRow("local mean time")
            << paris + "1880-05-12T14:35" << 0 << "1880-05-12T14:25:39Z"
            << "its local mean time, +00:09:21";
        QTest::newRow("80 degrees north") << "--exact 2000-01-01T12:00 --lat 80 --lon 15 --zone UTC"
                                          << 0 << "2000-01-01T12:00:00Z"
                                          << "";
        QTest::newRow("80 degrees south")
            << "--exact 2000-01-01T12:00 --lat=-80 --lon=-60 --zone UTC" << 0
            << "2000-01-01T12:00:00Z"
            << "";
        QTest::newRow("beyond 80 degrees")
            << "--exact 2000-01-01T12:00 --lat 80.5 --lon 15 --zone UTC" << 2
            << "Beyond 80 degrees north or south the ascendant is not given"
            << "";
        QTest::newRow("the pole") << "--exact 2000-01-01T12:00 --lat=-90 --lon 0 --zone UTC" << 2
                                  << "at the poles it is undefined"
                                  << "";
        QTest::newRow("beyond the pole") << "--exact 2000-01-01T12:00 --lat 95 --lon 0 --zone UTC"
                                         << 2 << "95 is beyond the poles"
                                         << "";
        QTest::newRow("longitude")
            << "--exact 2000-01-01T12:00 --lat 45 --lon 181 --zone UTC" << 2 << "181 is not one"
            << "";
        QTest::newRow("ambiguous place") << "--exact 1990-05-12T14:35 --place Paris" << 2
                                         << "\"Paris\" could be 2 towns: Paris, Île-de-France, "
                                            "France; Paris, Texas, United States."
                                         << "";
        QTest::newRow("eight candidates")
            << "--exact 1990-05-12T14:35 --place \"Springfield, US\"" << 2
            << "\"Springfield, US\" could be 8 towns: Springfield, Missouri, United States; "
               "Springfield, Massachusetts, United States; "
            << "";
        QTest::newRow("unknown place") << "--exact 1990-05-12T14:35 --place \"Nowhere At All, FR\""
                                       << 2 << "Unknown place \"Nowhere At All, FR\""
                                       << "";
        QTest::newRow("unknown zone")
            << "--exact 1990-05-12T14:35 --lat 1 --lon 1 --zone Mars/Olympus" << 2
            << "Unknown time zone \"Mars/Olympus\"."
            << "";
        QTest::newRow("no such day")
            << paris + "1990-02-29T10:00" << 2 << "There is no such date as 1990-02-29."
            << "";
        QTest::newRow("no such hour")
            << paris + "1990-05-12T24:00" << 2 << "There is no such time of day as 24:00"
            << "";
        QTest::newRow("year out of range")
            << paris + "1799-12-31T23:59" << 2 << "between 1800 and 2100"
            << "";
        QTest::newRow("no minutes") << paris + "1990-05-12T14" << 2
                                    << "\"1990-05-12T14\" is not a date and time like "
                                       "1990-05-12T14:35."
                                    << "";
        QTest::newRow("no place") << "--exact 1990-05-12T14:35" << 2
                                  << "--exact needs --place, or --lat, --lon and --zone."
                                  << "";
        QTest::newRow("both places")
            << paris + "1990-05-12T14:35 --lat 1 --lon 1 --zone UTC" << 2 << "not both"
            << "";
        QTest::newRow("latitude not a number")
            << "--exact 1990-05-12T14:35 --lat north --lon 1 --zone UTC" << 2
            << "--lat and --lon take degrees as numbers"
            << "";
        QTest::newRow("a place without --exact")
            << "--place \"Paris, FR\"" << 2 << "go with --exact"
            << "";
        QTest::newRow("both choices") << paris + "1990-09-30T02:30 --earlier --later" << 2
                                      << "Give --earlier or --later, not both."
                                      << "";
    }
    void awkwardCases()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(QString, said);
        const Run run = RunProgram(QProcess::splitCommand(arguments));
        QCOMPARE(run.status, status);
        if (status == 0) {
            const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 3);
            QVERIFY(lines[0].startsWith(QLatin1String("ascendant ")));
            QVERIFY(lines[1].startsWith(QLatin1String("descendant ")));
            QCOMPARE(lines[2], QStringLiteral("utc ") + printed);
            QVERIFY2(said.isEmpty() ? run.err.isEmpty() : run.err.contains(said),
                     qPrintable(run.err));
            return;
        }
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.contains(printed), qPrintable(run.err));
    }

    // The lines recorded in tests/exact_lines.txt, printed alike on every platform.
    void sameLinesOnEveryPlatform()
    {
        QFile file(QStringLiteral(":/exact_lines.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList blocks =
            QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        int births = 0;
        for (const QString &block : blocks) {
            QStringList lines = block.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            while (!lines.isEmpty() && lines.constFirst().startsWith(QLatin1Char('#')))
                lines.removeFirst();
            if (lines.isEmpty())
                continue;
            const QString arguments = lines.takeFirst();
            const Run run = RunProgram(QProcess::splitCommand(arguments));
            QVERIFY2(run.status == 0, qPrintable(arguments + QLatin1Char(' ') + run.err));
            QCOMPARE(run.out, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
            ++births;
        }
        QCOMPARE(births, 20);
    }
};

QTEST_GUILESS_MAIN(ExactTest)
#include "tst_exact.moc"
