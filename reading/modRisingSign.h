#pragma once

#include "ReadingState.h"

#include <array>
#include <string>
#include <string_view>

namespace kelt::modRisingSign {

// Birth-time slots in table order; the time list offers them in this order too.
inline constexpr std::array<std::string_view, 12> TimeSlots = {
    "4am-6am", "2am-4am", "midnight-2am", "10pm-midnight", "8pm-10pm", "6pm-8pm",
    "4pm-6pm", "2pm-4pm", "noon-2pm",     "10am-noon",     "8am-10am", "6am-8am",
};

inline constexpr std::size_t EntryCount = 144;

// Entry 12 * k + (p - 1) holds Sun sign position p with slot k.
const std::array<std::string, EntryCount> &RisingSignKeys();
const std::array<std::string_view, EntryCount> &RisingSignResults();

// Looks state.RisingSignKey up, comparing whole keys exactly; writes state.RisingSign on
// a match and leaves it as it was otherwise.
void FindRisingSign(ReadingState &state);

} // namespace kelt::modRisingSign
