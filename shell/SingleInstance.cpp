#include "shell/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace kelt {

SingleInstance::SingleInstance(const QString &name)
    : m_path(QDir(lockDirectory()).filePath(name + QStringLiteral(".lock")))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return dir;
}

bool SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock whose owner has died is taken over at once rather than refusing the start.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace kelt
