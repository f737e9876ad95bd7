#include "SingleInstance.h"

#include "LockFiles.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace kelt {

SingleInstance::SingleInstance(const QString &name) : m_name(name) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockDirectory(int choice)
{
    // Never the shared temporary folder, where another user's file could refuse this one.
    QString folder;
    if (choice == 0) {
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    } else if (choice == 1) {
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (!cache.isEmpty())
            folder = QDir(cache).filePath(QStringLiteral("SarvelSoftwares"));
    }
    return MakePrivateFolder(folder) ? folder : QString();
}

QStringList SingleInstance::lockDirectories()
{
    QStringList folders;
    for (int choice = 0; choice < FolderChoices; ++choice) {
        const QString folder = lockDirectory(choice);
        if (!folder.isEmpty())
            folders << folder;
    }
    return folders;
}

bool SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock.reset();
    // The private folder is made only when the runtime folder cannot take the lock.
    for (int choice = 0; choice < FolderChoices; ++choice) {
        const QString folder = lockDirectory(choice);
        if (folder.isEmpty())
            continue;
        auto lock =
            std::make_unique<QLockFile>(QDir(folder).filePath(m_name + QStringLiteral(".lock")));
        switch (TakeLock(*lock, 0)) {
        case LockOutcome::Acquired:
            m_lock = std::move(lock);
            return true;
        case LockOutcome::HeldByLiveCopy:
            return false;
        case LockOutcome::CannotCreate:
            break;
        }
    }
    return true;
}

QString SingleInstance::lockFilePath() const
{
    return m_lock ? m_lock->fileName() : QString();
}

} // namespace kelt
