#include "links/UpdateReminder.h"

#include "links/Clock.h"
#include "links/ReminderDate.h"
#include "links/modHelp.h"
#include "shell/SettingsStore.h"
#include "ui/MessageBox.h"

namespace kelt {

void UpdateReminder(SettingsStore &store)
{
    const QDate today = Clock::Today();
    const QString stored = store.GetSetting(QLatin1String(SettingKey::Duration));

    switch (DecideReminder(stored, today)) {
    case ReminderAction::Nothing:
        return;
    case ReminderAction::StoreToday:
        store.SaveSetting(QLatin1String(SettingKey::Duration), FormatReminderDate(today));
        return;
    case ReminderAction::Ask:
        break;
    }

    const auto answer = MessageBox::ask(nullptr, QLatin1String(UpdateQuestion));
    store.SaveSetting(QLatin1String(SettingKey::Duration), FormatReminderDate(today));
    if (answer == QMessageBox::Yes)
        modHelp::OpenDownloadPage();
}

} // namespace kelt
