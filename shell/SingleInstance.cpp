#include "SingleInstance.h"

#include "LockFiles.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace kelt {

SingleInstance::SingleInstance(const QString &name) : m_name(name) {}

SingleInstance::~SingleInstance() = default;

QStringList SingleInstance::lockDirectories()
{
    // Never the shared temporary folder, where another user's file could refuse this one.
    QStringList folders;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (MakePrivateFolder(runtime))
        folders << runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) {
        const QString own = QDir(cache).filePath(QStringLiteral("SarvelSoftwares"));
        if (MakePrivateFolder(own))
            folders << own;
    }
    return folders;
}

bool SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock.reset();
    for (const QString &folder : lockDirectories()) {
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
