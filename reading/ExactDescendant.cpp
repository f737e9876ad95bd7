#include "ExactDescendant.h"

#include "Sky.h"
#include "TownList.h"
#include "ZodiacSign.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace kelt {

namespace {

constexpr int FirstYear = 1800;
constexpr int LastYear = 2100;
constexpr double MaxLatitudeDeg = 90.0;
constexpr double MaxLongitudeDeg = 180.0;
constexpr int MinutesPerSign = 30 * 60;

std::string Formatted(const char *format, auto... values)
{
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::optional<std::string> ClockProblem(const BirthClock &c)
{
    using namespace std::chrono;
    if (c.year < FirstYear || c.year > LastYear)
        return Formatted("The year must lie between %d and %d.", FirstYear, LastYear);
    const year_month_day date{year(c.year), month(static_cast<unsigned>(c.month)),
                              day(static_cast<unsigned>(c.day))};
    if (c.month < 1 || c.day < 1 || !date.ok())
        return Formatted("There is no such date as %04d-%02d-%02d.", c.year, c.month, c.day);
    if (c.hour < 0 || c.hour > 23 || c.minute < 0 || c.minute > 59)
        return Formatted("There is no such time of day as %02d:%02d: the hours run from 0 to 23, "
                         "the minutes from 0 to 59.",
                         c.hour, c.minute);
    return std::nullopt;
}

std::optional<std::string> PlaceProblem(const BirthPlace &p)
{
    if (!(std::fabs(p.latitudeDeg) <= MaxLatitudeDeg))
        return Formatted("A latitude lies between -90 (the South Pole) and 90 (the North Pole); "
                         "%g is beyond the poles.",
                         p.latitudeDeg);
    if (std::fabs(p.latitudeDeg) > MaxExactLatitudeDeg)
        return std::string("Beyond 80 degrees north or south the ascendant is not given: so near "
                           "the poles it sweeps round the sky within minutes, and at the poles "
                           "it is undefined.");
    if (!(std::fabs(p.longitudeDeg) <= MaxLongitudeDeg))
        return Formatted("A longitude lies between -180 (west) and 180 (east); %g is not one.",
                         p.longitudeDeg);
    return std::nullopt;
}

LocalSeconds ClockSeconds(const BirthClock &c)
{
    using namespace std::chrono;
    const sys_days date{year(c.year) / month(static_cast<unsigned>(c.month)) /
                        day(static_cast<unsigned>(c.day))};
    return date.time_since_epoch().count() * 86400LL + c.hour * 3600LL + c.minute * 60LL;
}

} // namespace

BirthPlace PlaceOfTown(const Town &town)
{
    return {town.latitudeDeg, town.longitudeDeg, std::string(town.zone)};
}

ExactAnswer FindExactDescendant(const BirthClock &clock, const BirthPlace &place,
                                ZoneLibrary &zones, ClockChoice choice)
{
    ExactAnswer answer;
    if (auto problem = ClockProblem(clock)) {
        answer.problem = *problem;
        return answer;
    }
    if (auto problem = PlaceProblem(place)) {
        answer.problem = *problem;
        return answer;
    }
    const ZoneRules *zone = zones.Find(place.zone);
    if (!zone) {
        answer.problem = "Unknown time zone \"" + place.zone + "\".";
        return answer;
    }

    const LocalTimeResolution resolved = zone->Resolve(ClockSeconds(clock));
    answer.earlier = resolved.earlier;
    answer.later = resolved.later;
    if (resolved.kind != LocalTimeResolution::Kind::Unique && choice == ClockChoice::Ask) {
        answer.outcome = resolved.kind == LocalTimeResolution::Kind::Gap
                             ? ExactAnswer::Outcome::Gap
                             : ExactAnswer::Outcome::Repeated;
        return answer;
    }
    answer.reading = choice == ClockChoice::Later ? resolved.later : resolved.earlier;
    const double ascendant =
        sky::AscendantAtDeg(answer.reading.ut, place.latitudeDeg, place.longitudeDeg);
    answer.ascendant = PointAt(ascendant);
    answer.descendant = PointAt(ascendant + 180.0);
    answer.outcome = ExactAnswer::Outcome::Found;
    return answer;
}

EclipticPoint PointAt(double longitudeDeg)
{
    EclipticPoint p;
    p.longitudeDeg = sky::NormalizedDeg(longitudeDeg);
    // Truncated: a point is in a minute until it has passed it whole.
    const int minutes = static_cast<int>(std::floor(p.longitudeDeg * 60.0)) % (12 * MinutesPerSign);
    p.sign = ZodiacSigns[static_cast<std::size_t>(minutes / MinutesPerSign)];
    p.degree = minutes % MinutesPerSign / 60;
    p.minute = minutes % 60;
    p.text = Formatted("%.*s %d\u00B0%02d\u2032", static_cast<int>(p.sign.size()), p.sign.data(),
                       p.degree, p.minute);
    return p;
}

std::string UtText(UtSeconds ut)
{
    using namespace std::chrono;
    const sys_seconds instant{seconds(ut)};
    const sys_days date = floor<days>(instant);
    const year_month_day ymd{date};
    const hh_mm_ss time{instant - date};
    return Formatted("%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(ymd.year()),
                     static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                     static_cast<int>(time.hours().count()),
                     static_cast<int>(time.minutes().count()),
                     static_cast<int>(time.seconds().count()));
}

std::string OffsetText(int utcOffsetSeconds)
{
    const int a = std::abs(utcOffsetSeconds);
    const char sign = utcOffsetSeconds < 0 ? '-' : '+';
    if (a % 60 != 0)
        return Formatted("%c%02d:%02d:%02d", sign, a / 3600, a / 60 % 60, a % 60);
    return Formatted("%c%02d:%02d", sign, a / 3600, a / 60 % 60);
}

std::string DegreesText(double longitudeDeg)
{
    const auto tenThousandths =
        static_cast<long long>(std::floor(sky::NormalizedDeg(longitudeDeg) * 10000.0));
    return Formatted("%lld.%04lld", tenThousandths / 10000, tenThousandths % 10000);
}

} // namespace kelt
