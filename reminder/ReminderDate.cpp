#include "ReminderDate.h"

#include <cstdlib>

namespace kelt {

namespace {

bool HasTwoDigitYear(const QString &format)
{
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

QDate NearestCentury(QDate date, QDate today)
{
    const int yy = date.year() % 100;
    QDate best;
    for (int century = today.year() / 100 - 1; century <= today.year() / 100 + 1; ++century) {
        const QDate candidate(century * 100 + yy, date.month(), date.day());
        if (!candidate.isValid())
            continue;
        if (!best.isValid() || std::abs(candidate.daysTo(today)) < std::abs(best.daysTo(today)))
            best = candidate;
    }
    return best;
}

} // namespace

QString FormatReminderDate(QDate date)
{
    return date.toString(Qt::ISODate);
}

std::optional<QDate> ParseReminderDate(const QString &text, QDate today, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;

    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const QDate local = locale.toDate(trimmed, format);
    if (!local.isValid())
        return std::nullopt;
    if (HasTwoDigitYear(format)) {
        const QDate nearest = NearestCentury(local, today);
        if (nearest.isValid())
            return nearest;
    }
    return local;
}

ReminderAction DecideReminder(const QString &stored, QDate today, const QLocale &locale)
{
    if (stored.isEmpty())
        return ReminderAction::StoreToday;
    const auto date = ParseReminderDate(stored, today, locale);
    if (!date)
        return ReminderAction::StoreToday;
    const qint64 days = today.daysTo(*date);
    if (days >= -ReminderThresholdDays && days <= ReminderThresholdDays)
        return ReminderAction::Nothing;
    return ReminderAction::Ask;
}

} // namespace kelt
