#pragma once

#include "reading/BirthDetails.h"
#include "reading/ReadingState.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelt {

inline constexpr std::string_view MsgEnterName = "Please Enter Your Name !";
inline constexpr std::string_view MsgFebruary = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view MsgThirtyDays = "Please Enter Correct Date Or Month !";

enum class MessageIcon
{
    None,
    Information,
    Error,
};

// The one message a refused reading shows, and whether the name box gets the focus after.
struct ValidationMessage
{
    std::string_view text;
    MessageIcon icon = MessageIcon::None;
    bool focusName = false;
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
