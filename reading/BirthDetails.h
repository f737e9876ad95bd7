#pragma once

#include <string>

namespace kelt {

// What the birth-details window holds when a reading is asked for. Day and month are the
// 1-based positions of the selected list entries (0 when nothing is selected).
struct BirthDetails
{
    std::string name;
    int day = 0;
    int month = 0;
    std::string yearText;
    std::string timeSlot;
};

// Whole number at the start of the text, 0 when there is none (as the year list is read).
int YearNumber(const std::string &yearText);

// Gregorian: a century year is a leap year only when divisible by 400.
bool IsLeapYear(int year);

} // namespace kelt
