#pragma once

#include "ExactDescendant.h"
#include "TownList.h"
#include "ZoneRules.h"

#include <string>
#include <vector>

namespace kelt::content {

// The town list and the zone files carried with the program (content/places). Each is read
// and parsed the first time it is asked for, never at start-up, and kept to the end.
const TownList &Towns();
ZoneLibrary &Zones();
// The names of the carried zones, in alphabetical order ("Africa/Abidjan" ... "UTC").
const std::vector<std::string> &ZoneNames();

// FindExactDescendant on the carried zones.
ExactAnswer ExactDescendant(const BirthClock &clock, const BirthPlace &place,
                            ClockChoice choice = ClockChoice::Ask);

} // namespace kelt::content
