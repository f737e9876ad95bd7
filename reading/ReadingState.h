#pragma once

#include <string>

namespace kelt {

// What one reading leaves behind for the next: empty at start, overwritten by each
// validated reading (RisingSign only when the table lookup finds the key).
struct ReadingState
{
    std::string SunSign;
    std::string BirthTimeSlot;
    std::string RisingSignKey;
    std::string RisingSign;
};

} // namespace kelt
