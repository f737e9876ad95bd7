#pragma once

#include "BirthDetails.h"
#include "ReadingState.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelt {

enum class MessageIcon
{
    None,
    Information,
    Error,
};

// What is wrong with the entered details.
enum class DetailsProblem
{
    NoName,
    FebruaryDay,
    ThirtyDayMonth,
};

// The one message a refused reading shows: which problem, its text and its icon.
struct ValidationMessage
{
    DetailsProblem problem;
    std::string_view text;
    MessageIcon icon = MessageIcon::None;
};

// The checks in order (name, February, thirty-day months); the first that fails wins.
std::optional<ValidationMessage> ValidateBirthDetails(const BirthDetails &details);

// The three fields the result window shows for a descendant sign.
struct DescendantResult
{
    std::string_view sign;
    int pictureItem = 0;
    std::string_view readingText;
};

// Runs a reading on details that passed validation: Sun sign, key, rising sign, descendant.
// No result when the rising sign is still no sign (the result window is then left alone).
std::optional<DescendantResult> RunReading(ReadingState &state, const BirthDetails &details);

} // namespace kelt
