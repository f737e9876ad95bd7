#pragma once

#include "ReadingState.h"

namespace kelt {

// Writes state.SunSign from the day (1-31) and month (1-12) positions; leaves it
// unchanged when either is out of range (no selection).
void FindSunSign(ReadingState &state, int day, int month);

} // namespace kelt
