#include "Clock.h"

namespace kelt::Clock {

namespace {
std::optional<QDate> pinned;
}

QDate Today()
{
    return pinned.value_or(QDate::currentDate());
}

void SetToday(std::optional<QDate> date)
{
    pinned = date;
}

} // namespace kelt::Clock
