#include "shell/SettingsStore.h"

#include "links/Scramble.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace kelt {

namespace {

constexpr char Section[] = "Settings";

std::unique_ptr<QSettings> Open(const QString &applicationName)
{
#ifdef Q_OS_WIN
    // The registry place every earlier version of the program used.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("VB and VBA Program Settings"),
                                       applicationName);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("SarvelSoftwares"), applicationName);
#endif
}

QString ScrambledKey(const QString &key)
{
    return QLatin1String(Section) + QLatin1Char('/') + ScrambleText(key);
}

} // namespace

SettingsStore::SettingsStore(const QString &applicationName) : m_applicationName(applicationName) {}

QString SettingsStore::GetSetting(const QString &key) const
{
    const auto settings = Open(m_applicationName);
    const QVariant value = settings->value(ScrambledKey(key));
    return value.canConvert<QString>() ? UnscrambleText(value.toString()) : QString();
}

bool SettingsStore::SaveSetting(const QString &key, const QString &value)
{
    const auto settings = Open(m_applicationName);
    if (!settings->isWritable())
        return false;
    settings->setValue(ScrambledKey(key), ScrambleText(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QString SettingsStore::ExecutableBaseName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("KeltFreeDescendantAstrology") : name;
}

} // namespace kelt
