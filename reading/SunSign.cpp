#include "SunSign.h"

#include <array>
#include <string_view>

namespace kelt {

namespace {

struct MonthRanges
{
    int lowerLastDay; // days 1..lowerLastDay give `lower`, the rest up to 31 give `upper`
    std::string_view lower;
    std::string_view upper;
};

constexpr std::array<MonthRanges, 12> Months = {{
    {19, "Capricorn", "Aquarius"},
    {18, "Aquarius", "Pisces"},
    {20, "Pisces", "Aries"},
    {20, "Aries", "Taurus"},
    {20, "Taurus", "Gemini"},
    {20, "Gemini", "Cancer"},
    {20, "Cancer", "Leo"},
    {20, "Leo", "Virgo"},
    {20, "Virgo", "Libra"},
    {20, "Libra", "Scorpio"},
    {20, "Scorpio", "Sagittarius"},
    {20, "Sagittarius", "Capricorn"},
}};

} // namespace

void FindSunSign(ReadingState &state, int day, int month)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return;
    const MonthRanges &m = Months[static_cast<std::size_t>(month - 1)];
    state.SunSign = std::string(day <= m.lowerLastDay ? m.lower : m.upper);
}

} // namespace kelt
