#include "reading/ReadingCommand.h"

#include "reading/SunSign.h"
#include "reading/ZodiacSign.h"
#include "reading/modRisingSign.h"

namespace kelt {

std::optional<ValidationMessage> ValidateBirthDetails(const BirthDetails &details)
{
    if (details.name.empty())
        return ValidationMessage{MsgEnterName, MessageIcon::None, true};

    if (details.month == 2) {
        const int lastDay = IsLeapYear(YearNumber(details.yearText)) ? 29 : 28;
        if (details.day > lastDay)
            return ValidationMessage{MsgFebruary, MessageIcon::Information, false};
    }

    const bool thirtyDays =
        details.month == 4 || details.month == 6 || details.month == 9 || details.month == 11;
    if (thirtyDays && details.day == 31)
        return ValidationMessage{MsgThirtyDays, MessageIcon::Information, false};

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
