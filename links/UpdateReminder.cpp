#include "UpdateReminder.h"

#include "Clock.h"
#include "ReminderDate.h"
#include "modHelp.h"

namespace kelt {

void UpdateReminder(const ReminderHooks &hooks)
{
    const QDate today = Clock::Today();
    switch (DecideReminder(hooks.readDate(), today)) {
    case ReminderAction::Nothing:
        return;
    case ReminderAction::StoreToday:
        hooks.writeDate(FormatReminderDate(today));
        return;
    case ReminderAction::Ask:
        break;
    }
    const bool check = hooks.askToCheck();
    hooks.writeDate(FormatReminderDate(today));
    if (check)
        modHelp::OpenDownloadPage();
}

} // namespace kelt
