#include "ExactDescendant.h"

#include "TownList.h"

namespace kelt {

BirthPlace PlaceOfTown(const Town &town)
{
    return {town.latitudeDeg, town.longitudeDeg, std::string(town.zone)};
}

ExactAnswer FindExactDescendant(const BirthClock &, const BirthPlace &, ZoneLibrary &, ClockChoice)
{
    ExactAnswer answer;
    answer.problem = "Not yet.";
    return answer;
}

EclipticPoint PointAt(double longitudeDeg)
{
    EclipticPoint p;
    p.longitudeDeg = longitudeDeg;
    return p;
}

std::string UtText(UtSeconds)
{
    return {};
}

std::string OffsetText(int)
{
    return {};
}

std::string DegreesText(double)
{
    return {};
}

} // namespace kelt
