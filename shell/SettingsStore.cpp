#include "SettingsStore.h"

#include "LockFiles.h"
#include "Scramble.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace kelt {

namespace {

constexpr char Section[] = "Settings";
// The store holds one short value; a file far larger than that is damage, not settings.
constexpr qint64 LargestFile = 1024 * 1024;
// How long a save waits for another copy that is saving at the same moment.
constexpr int SaveWaitMs = 1000;

QString ScrambledKey(const QString &key)
{
    return QLatin1String(Section) + QLatin1Char('/') + ScrambleText(key);
}

#ifndef Q_OS_WIN
// Where Qt keeps an INI file of this organisation and application for the user.
QString IniPath(const QString &applicationName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("SarvelSoftwares/") + applicationName + QStringLiteral(".ini"));
}

// True when QSettings may open the file without hanging or reading something huge: absent,
// or a plain file of a sane size. A FIFO, a directory or a device at its place is not.
bool SafeToOpen(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return !info.isSymLink();
    return info.isFile() && info.size() <= LargestFile;
}
#endif

std::unique_ptr<QSettings> Open(const QString &applicationName)
{
#ifdef Q_OS_WIN
    // The registry place every earlier version of the program used.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("VB and VBA Program Settings"),
                                       applicationName);
#else
    const QString path = IniPath(applicationName);
    if (!SafeToOpen(path))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
#endif
}

// QSettings waits without end for its own lock beside the file; a lock left by a killed
// copy (or anything else at that path) is cleared here first, and a live one waited for
// only a while.
bool MaySave(const QSettings &settings)
{
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    return true;
#else
    return ClearLockPath(settings.fileName() + QStringLiteral(".lock"), SaveWaitMs);
#endif
}

} // namespace

SettingsStore::SettingsStore(const QString &applicationName) : m_applicationName(applicationName) {}

QString SettingsStore::GetSetting(const QString &key) const
{
    const auto settings = Open(m_applicationName);
    if (!settings)
        return {};
    const QVariant value = settings->value(ScrambledKey(key));
    return value.canConvert<QString>() ? UnscrambleText(value.toString()) : QString();
}

bool SettingsStore::SaveSetting(const QString &key, const QString &value)
{
    const auto settings = Open(m_applicationName);
    if (!settings || !settings->isWritable() || !MaySave(*settings))
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
