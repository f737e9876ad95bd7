#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace kelt {

inline constexpr int ReminderThresholdDays = 14;

// Written as ISO 8601, so a change of the user's date format cannot misread it.
QString FormatReminderDate(QDate date);

// Reads ISO 8601, and otherwise the locale's short date format (dates stored by older
// versions), taking a two-digit year in the century that puts it nearest to today.
std::optional<QDate> ParseReminderDate(const QString &text, QDate today,
                                       const QLocale &locale = QLocale());

enum class ReminderAction
{
    StoreToday, // first start, or a value that is no date: start counting from today
    Nothing,    // within the threshold in either direction
    Ask,
};

ReminderAction DecideReminder(const QString &stored, QDate today,
                              const QLocale &locale = QLocale());

} // namespace kelt
