#pragma once

#include <QString>

#include <functional>

namespace kelt {

// Where the reminder keeps its date, and how it asks; the caller supplies both.
struct ReminderHooks
{
    std::function<QString()> readDate;
    std::function<void(const QString &)> writeDate;
    // True when the user answers Yes to checking for an update.
    std::function<bool()> askToCheck;
};

// Once per start: every fifteen days or more, offers to open the download page.
void UpdateReminder(const ReminderHooks &hooks);

} // namespace kelt
