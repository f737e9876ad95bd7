#pragma once

#include <array>
#include <string_view>

namespace kelt {

// The twelve descendant readings in canonical sign order (Aries first).
const std::array<std::string_view, 12> &ReadingTexts();

} // namespace kelt
