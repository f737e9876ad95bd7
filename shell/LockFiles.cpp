#include "LockFiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kelt {

namespace {

// A lock file younger than this may still be being written by the copy that made it.
constexpr qint64 WritingGraceMs = 300;

enum class PathState
{
    Free,
    Live,    // a readable lock of this machine: Qt decides whether its process lives
    Young,   // unreadable for now, but just made
    Blocked, // something that cannot be cleared
};

PathState ClearBrokenLock(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return PathState::Free;
    if (info.isSymLink() || !info.isFile()) {
        // A directory, FIFO, socket or device is never a lock; reading a FIFO would hang.
        // Only an empty directory is removed, so nothing inside one is ever lost.
        const bool removed =
            info.isDir() && !info.isSymLink() ? QDir().rmdir(path) : QFile::remove(path);
        return removed ? PathState::Free : PathState::Blocked;
    }
    QLockFile probe(path);
    qint64 pid = 0;
    QString host;
    QString application;
    if (probe.getLockInfo(&pid, &host, &application) &&
        (host.isEmpty() || host == QSysInfo::machineHostName()))
        return PathState::Live;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age >= 0 && age < WritingGraceMs)
        return PathState::Young;
    return QFile::remove(path) ? PathState::Free : PathState::Blocked;
}

// Waits a moment before the next try, while a live holder may still let go within
// liveWaitMs, or a file just made may still be being written; false when time is up.
bool WaitOnce(const QElapsedTimer &timer, PathState state, int liveWaitMs)
{
    const qint64 limit = state == PathState::Live ? liveWaitMs : WritingGraceMs + 200;
    if (timer.elapsed() >= limit)
        return false;
    QThread::msleep(20);
    return true;
}

} // namespace

LockOutcome TakeLock(QLockFile &lock, int liveWaitMs)
{
    // A lock whose process has died is taken over at once.
    lock.setStaleLockTime(0);
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const PathState state = ClearBrokenLock(lock.fileName());
        if (state == PathState::Blocked)
            return LockOutcome::CannotCreate;
        if (lock.tryLock(0))
            return LockOutcome::Acquired;
        if (lock.error() != QLockFile::LockFailedError)
            return LockOutcome::CannotCreate;
        if (!WaitOnce(timer, state, liveWaitMs))
            return state == PathState::Live ? LockOutcome::HeldByLiveCopy
                                            : LockOutcome::CannotCreate;
    }
}

bool ClearLockPath(const QString &path, int liveWaitMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        PathState state = ClearBrokenLock(path);
        // A holder that died has let go of its file lock: the file is removed then.
        if (state == PathState::Live && QLockFile(path).removeStaleLockFile())
            state = PathState::Free;
        if (state == PathState::Free)
            return true;
        if (state == PathState::Blocked)
            return false;
        if (!WaitOnce(timer, state, liveWaitMs))
            return false;
    }
}

bool MakePrivateFolder(const QString &path)
{
    if (path.isEmpty() || !QDir().mkpath(path))
        return false;
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir())
        return false;
#ifdef Q_OS_UNIX
    if (info.ownerId() != ::getuid())
        return false;
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (info.permissions() & others)
        return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
#endif
    return true;
}

} // namespace kelt
