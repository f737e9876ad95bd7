#pragma once

#include <QString>

namespace kelt {

namespace SettingKey {
// When the update reminder last asked, or first ran.
inline constexpr char Duration[] = "Duration";
} // namespace SettingKey

// Per-user text values under the program's name, section "Settings". Keys and values are
// kept scrambled; an absent key reads as empty text.
class SettingsStore
{
public:
    explicit SettingsStore(const QString &applicationName = ExecutableBaseName());

    QString GetSetting(const QString &key) const;
    // False when the store could not be written; the program carries on either way.
    bool SaveSetting(const QString &key, const QString &value);

    QString applicationName() const { return m_applicationName; }
    // The running executable's file name without its extension.
    static QString ExecutableBaseName();

private:
    QString m_applicationName;
};

} // namespace kelt
