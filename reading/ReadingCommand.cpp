#include "ReadingCommand.h"

#include "SunSign.h"
#include "Texts.h"
#include "ZodiacSign.h"
#include "modRisingSign.h"

namespace kelt {

std::optional<ValidationMessage> ValidateBirthDetails(const BirthDetails &details)
{
    if (details.name.empty())
        return ValidationMessage{DetailsProblem::NoName, text::EnterName, MessageIcon::None};

    if (details.month == 2) {
        const int lastDay = IsLeapYear(YearNumber(details.yearText)) ? 29 : 28;
        if (details.day > lastDay)
            return ValidationMessage{DetailsProblem::FebruaryDay, text::FebruaryDate,
                                     MessageIcon::Information};
    }

    const bool thirtyDays =
        details.month == 4 || details.month == 6 || details.month == 9 || details.month == 11;
    if (thirtyDays && details.day == 31)
        return ValidationMessage{DetailsProblem::ThirtyDayMonth, text::ThirtyDayDate,
                                 MessageIcon::Information};

    return std::nullopt;
}

std::optional<DescendantResult> RunReading(ReadingState &state, const BirthDetails &details)
{
    FindSunSign(state, details.day, details.month);
    state.BirthTimeSlot = details.timeSlot;
    state.RisingSignKey = state.SunSign + "-" + state.BirthTimeSlot;
    modRisingSign::FindRisingSign(state);

    const auto descendant = OppositeSign(state.RisingSign);
    if (!descendant)
        return std::nullopt;
    return DescendantResult{*descendant, *SignPictureItem(*descendant),
                            *DescendantReading(*descendant)};
}

} // namespace kelt
