#pragma once

#include <QDate>

#include <optional>

namespace kelt::Clock {

// Today's date as the update reminder sees it; tests may pin it.
QDate Today();
void SetToday(std::optional<QDate> date);

} // namespace kelt::Clock
