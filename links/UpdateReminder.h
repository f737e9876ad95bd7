#pragma once

namespace kelt {

class SettingsStore;

inline constexpr char UpdateQuestion[] =
    "There maybe an update to this software available\rDo you want to check for an update?";

// Once per start: every fifteen days or more, offers to open the download page.
void UpdateReminder(SettingsStore &store);

} // namespace kelt
