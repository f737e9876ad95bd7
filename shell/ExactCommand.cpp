#include "ExactCommand.h"

#include "PlaceData.h"

#include <QRegularExpression>

#include <cstdio>

namespace kelt {

namespace {

// At most this many candidates are named for an ambiguous place.
constexpr std::size_t NamedCandidates = 8;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

int Refuse(const QString &program, const QString &line)
{
    std::fputs(QStringLiteral("%1: %2\n").arg(program, line).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    return 2;
}

std::optional<double> Degrees(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString ClockText(const BirthClock &c)
{
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d", c.year, c.month, c.day, c.hour, c.minute);
}

QString Choice(const ClockReading &reading)
{
    return QStringLiteral("%1 (%2)").arg(Q(OffsetText(reading.offset.utcOffsetSeconds)),
                                         Q(UtText(reading.ut)));
}

} // namespace

ExactCommand::ExactCommand()
    : exact_(QStringLiteral("exact"),
             QStringLiteral("Prints the exact ascendant and descendant of a birth at this local "
                            "clock time, e.g. 1990-05-12T14:35, and where: --place, or --lat, "
                            "--lon and --zone."),
             QStringLiteral("date-and-time")),
      place_(QStringLiteral("place"),
             QStringLiteral("The town of birth, its name and then its region or country, e.g. "
                            "\"Paris, FR\" or \"Springfield, Illinois, US\" (towns of 15,000 "
                            "people or more)."),
             QStringLiteral("town")),
      latitude_(QStringLiteral("lat"),
                QStringLiteral("Latitude of birth in degrees, north positive (-80 to 80)."),
                QStringLiteral("degrees")),
      longitude_(QStringLiteral("lon"),
                 QStringLiteral("Longitude of birth in degrees, east positive."),
                 QStringLiteral("degrees")),
      zone_(QStringLiteral("zone"),
            QStringLiteral("Time zone of the clock, e.g. Europe/Paris: a zone of the town list, "
                           "or UTC."),
            QStringLiteral("name")),
      earlier_(QStringLiteral("earlier"),
               QStringLiteral("For a clock time that the clocks, changing, skipped or showed "
                              "twice: take the offset in force before the change (the first "
                              "of a repeated hour).")),
      later_(QStringLiteral("later"), QStringLiteral("The same, with the offset after the change "
                                                     "(the second of a repeated hour)."))
{
}

void ExactCommand::AddTo(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(
        parser.applicationDescription() +
        QStringLiteral(
            "\n\nWith --exact it prints three lines, with no display needed:\n"
            "  ascendant <degrees> <sign>\n"
            "  descendant <degrees> <sign>\n"
            "  utc <instant>\n"
            "the degrees along the ecliptic from 0 Aries, truncated to four places, and the\n"
            "instant in UT, e.g. 1990-05-12T12:35:00Z. Where the zone kept no standard time\n"
            "yet, its local mean time is taken, and standard error says so. A clock time that\n"
            "the clocks skipped or showed twice as they changed needs --earlier or --later.\n"
            "An unknown or ambiguous place, an impossible date or time, a latitude beyond\n"
            "80 degrees or such a clock time without its choice: one line on standard error\n"
            "says why, and the exit status is 2."));
    for (const QCommandLineOption *option :
         {&exact_, &place_, &latitude_, &longitude_, &zone_, &earlier_, &later_})
        parser.addOption(*option);
}

std::optional<int> ExactCommand::Answer(const QCommandLineParser &parser,
                                        const QString &program) const
{
    const bool byHand = parser.isSet(latitude_) || parser.isSet(longitude_) || parser.isSet(zone_);
    if (!parser.isSet(exact_)) {
        if (byHand || parser.isSet(place_) || parser.isSet(earlier_) || parser.isSet(later_))
            return Refuse(program, QStringLiteral("--place, --lat, --lon, --zone, --earlier and "
                                                  "--later go with --exact."));
        return std::nullopt;
    }

    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2})$"));
    const QString when = parser.value(exact_).trimmed();
    const QRegularExpressionMatch m = form.match(when);
    if (!m.hasMatch())
        return Refuse(program, QStringLiteral("\"%1\" is not a date and time like "
                                              "1990-05-12T14:35.")
                                   .arg(when));
    const BirthClock clock{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                           m.captured(4).toInt(), m.captured(5).toInt()};
    if (parser.isSet(earlier_) && parser.isSet(later_))
        return Refuse(program, QStringLiteral("Give --earlier or --later, not both."));

    BirthPlace place;
    QString where;
    if (parser.isSet(place_)) {
        if (byHand)
            return Refuse(program, QStringLiteral("Give --place, or --lat, --lon and --zone, "
                                                  "not both."));
        const TownList &towns = content::Towns();
        const QString text = parser.value(place_);
        const PlaceMatch match = towns.Find(text.toStdString());
        if (match.kind == PlaceMatch::Kind::Unknown)
            return Refuse(program, QStringLiteral("Unknown place \"%1\": give a town of 15,000 "
                                                  "people or more with its country, e.g. "
                                                  "\"Paris, FR\", or --lat, --lon and --zone.")
                                       .arg(text));
        if (match.kind == PlaceMatch::Kind::Ambiguous) {
            QStringList labels;
            for (std::size_t i = 0; i < std::min(match.towns.size(), NamedCandidates); ++i)
                labels << Q(towns.Label(match.towns[i]));
            if (match.towns.size() > NamedCandidates)
                labels << QStringLiteral("and %1 more").arg(match.towns.size() - NamedCandidates);
            return Refuse(program, QStringLiteral("\"%1\" could be %2 towns: %3. Add the region or "
                                                  "country.")
                                       .arg(text)
                                       .arg(match.towns.size())
                                       .arg(labels.join(QStringLiteral("; "))));
        }
        place = PlaceOfTown(towns.At(match.towns.front()));
    } else {
        if (!parser.isSet(latitude_) || !parser.isSet(longitude_) || !parser.isSet(zone_))
            return Refuse(program, QStringLiteral("--exact needs --place, or --lat, --lon and "
                                                  "--zone."));
        const std::optional<double> lat = Degrees(parser.value(latitude_));
        const std::optional<double> lon = Degrees(parser.value(longitude_));
        if (!lat || !lon)
            return Refuse(program, QStringLiteral("--lat and --lon take degrees as numbers, "
                                                  "e.g. --lat 48.8566 --lon 2.3522."));
        place = {*lat, *lon, parser.value(zone_).trimmed().toStdString()};
    }

    const ClockChoice choice = parser.isSet(earlier_) ? ClockChoice::Earlier
                               : parser.isSet(later_) ? ClockChoice::Later
                                                      : ClockChoice::Ask;
    const ExactAnswer answer = content::ExactDescendant(clock, place, choice);
    const QString zone = Q(place.zone);
    switch (answer.outcome) {
    case ExactAnswer::Outcome::Problem:
        return Refuse(program, Q(answer.problem));
    case ExactAnswer::Outcome::Gap:
    case ExactAnswer::Outcome::Repeated: {
        const QString what =
            answer.outcome == ExactAnswer::Outcome::Gap
                ? QStringLiteral("%1 never happened in %2: the clocks went from %3 to %4.")
                : QStringLiteral("%1 happened twice in %2: the clocks went back from %3 to %4.");
        return Refuse(program, (what + QStringLiteral(" Give --earlier for %5 or --later for %6."))
                                   .arg(ClockText(clock), zone,
                                        Q(OffsetText(answer.earlier.offset.utcOffsetSeconds)),
                                        Q(OffsetText(answer.later.offset.utcOffsetSeconds)),
                                        Choice(answer.earlier), Choice(answer.later)));
    }
    case ExactAnswer::Outcome::Found:
        break;
    }
    if (answer.reading.offset.localMeanTime)
        std::fputs(QStringLiteral("%1: %2 kept no standard time yet: its local mean time, %3, "
                                  "was taken.\n")
                       .arg(program, zone, Q(OffsetText(answer.reading.offset.utcOffsetSeconds)))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
    const QString lines =
        QStringLiteral("ascendant %1 %2\ndescendant %3 %4\nutc %5\n")
            .arg(Q(DegreesText(answer.ascendant.longitudeDeg)), Q(answer.ascendant.sign),
                 Q(DegreesText(answer.descendant.longitudeDeg)), Q(answer.descendant.sign),
                 Q(UtText(answer.reading.ut)));
    std::fputs(lines.toLatin1().constData(), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace kelt
