#include "SettingsStore.h"

#include "Scramble.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelt {

namespace {

constexpr char Section[] = "Settings";

QString ScrambledKey(const QString &key)
{
    return QLatin1String(Section) + QLatin1Char('/') + ScrambleText(key);
}

#ifdef Q_OS_WIN

// The registry place every earlier version of the program used.
std::unique_ptr<QSettings> Open(const QString &applicationName)
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("VB and VBA Program Settings"),
                                       applicationName);
}

bool MaySave(const QSettings &)
{
    return true;
}

#else

// The store holds one short value; a file far larger than that is damage, not settings.
constexpr qint64 LargestFile = 1024 * 1024;
// How long a save waits for another copy that is saving at the same moment.
constexpr int SaveWaitMs = 1000;

// True when path holds nothing, or what the test accepts, never looking through a link.
template <typename Test> bool AbsentOr(const QString &path, Test test)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return st.st_uid == ::getuid() && test(st);
}

// The store touches only a plain file of this user's own, of a sane size, in a folder of
// theirs. A link, a FIFO, a device, or a file of someone else's (root started with a user's
// folders, say) is left as it is: read as no value and never written through or replaced.
bool SafeToOpen(const QString &path)
{
    return AbsentOr(QFileInfo(path).path(),
                    [](const struct stat &st) { return S_ISDIR(st.st_mode); }) &&
           AbsentOr(path, [](const struct stat &st) {
               return S_ISREG(st.st_mode) && st.st_size <= LargestFile;
           });
}

std::unique_ptr<QSettings> Open(const QString &applicationName)
{
    // Where Qt keeps an INI file of this organisation and application for the user.
    const QString path =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("SarvelSoftwares/") + applicationName +
                      QStringLiteral(".ini"));
    if (!SafeToOpen(path))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

// QSettings waits without end for its own lock beside the file. What cannot be a lock there
// is cleared (opening a FIFO to look would hang), and so is a lock file that no process
// holds (Qt holds a file lock on its own); one that is held, by a copy saving this moment, is
// waited for a while.
bool MaySave(const QSettings &settings)
{
    const QString path = settings.fileName() + QStringLiteral(".lock");
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::lstat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
        (S_ISDIR(st.st_mode) ? ::rmdir(native.constData()) : ::unlink(native.constData())) != 0)
        return false;
    QLockFile lock(path);
    lock.removeStaleLockFile();
    if (!lock.tryLock(SaveWaitMs))
        return false;
    lock.unlock();
    return true;
}

#endif

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
