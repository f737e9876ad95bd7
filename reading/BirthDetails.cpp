#include "BirthDetails.h"

#include <charconv>

namespace kelt {

int YearNumber(const std::string &yearText)
{
    const char *begin = yearText.data();
    const char *end = begin + yearText.size();
    while (begin != end && *begin == ' ')
        ++begin;
    int year = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, year);
    (void)ptr;
    return ec == std::errc() ? year : 0;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace kelt
