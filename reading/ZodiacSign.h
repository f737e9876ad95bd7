#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelt {

// Canonical order: position 1 is Aries, position 12 is Pisces.
inline constexpr std::array<std::string_view, 12> ZodiacSigns = {
#include "SignNames.inc"
};

// Position 1 to 12 of an exact sign text, 0 for anything else.
int SignPosition(std::string_view text);
bool IsSign(std::string_view text);

std::optional<std::string_view> OppositeSign(std::string_view sign);
std::optional<std::string_view> DescendantReading(std::string_view sign);

// Item number of the sign's picture (its position) and the picture's key.
std::optional<int> SignPictureItem(std::string_view sign);
std::optional<std::string> SignPictureKey(std::string_view sign);

} // namespace kelt
