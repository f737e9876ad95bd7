#pragma once

#include "ZoneRules.h"

#include <string>
#include <string_view>

namespace kelt {

struct Town;

// The birth as the clock showed it, to the minute.
struct BirthClock
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int hour = 0; // 0 to 23
    int minute = 0;
};

// Where: latitude positive north, longitude positive east, and the IANA zone whose clocks
// the birth was read on.
struct BirthPlace
{
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    std::string zone;
};
BirthPlace PlaceOfTown(const Town &town);

// Which reading of a clock that fell in a gap, or showed a time twice, was meant.
enum class ClockChoice
{
    Ask,     // neither: the answer is the question
    Earlier, // the offset in force before the change (a repeated hour: its first time)
    Later,   // the offset after it (a repeated hour: its second time)
};

// A point of the ecliptic as astrologers give it.
struct EclipticPoint
{
    double longitudeDeg = 0; // from 0 Aries, in [0, 360)
    std::string_view sign;   // "Gemini"
    int degree = 0;          // 0 to 29 within the sign
    int minute = 0;          // 0 to 59, truncated as astrologers do, never rounded up
    std::string text;        // "Gemini 14°22′" (UTF-8)
};

struct ExactAnswer
{
    enum class Outcome
    {
        Found,    // ascendant, descendant and reading hold the answer
        Gap,      // the clock time never happened there: earlier and later are the choice
        Repeated, // it happened twice: earlier and later are the choice
        Problem,  // problem says what is wrong, in one line
    };
    Outcome outcome = Outcome::Problem;
    EclipticPoint ascendant;
    EclipticPoint descendant; // its sign leads to DescendantReading and SignPictureItem
    // The instant and the offset used; offset.localMeanTime when the zone kept no standard
    // time yet and its local mean time was taken.
    ClockReading reading;
    ClockReading earlier;
    ClockReading later;
    std::string problem;
};

// Latitudes the ascendant is given for: beyond them it sweeps round too fast, and at the
// poles it is undefined.
inline constexpr double MaxExactLatitudeDeg = 80.0;

// The ascendant and descendant of a birth: the clock read on the place's zone (with the
// choice for a gap or repeated hour), the sky at that instant. Years 1800 to 2100.
ExactAnswer FindExactDescendant(const BirthClock &clock, const BirthPlace &place,
                                ZoneLibrary &zones, ClockChoice choice = ClockChoice::Ask);

// The point of the ecliptic at a longitude, for the answer above.
EclipticPoint PointAt(double longitudeDeg);

// "1990-05-12T12:35:00Z".
std::string UtText(UtSeconds ut);
// "+02:00", "-03:30"; with seconds where the offset has them: "+00:09:21".
std::string OffsetText(int utcOffsetSeconds);
// Degrees to four places, truncated like the minutes: "159.0114".
std::string DegreesText(double longitudeDeg);

} // namespace kelt
