#pragma once

#include <QString>

class QLockFile;

namespace kelt {

enum class LockOutcome
{
    Acquired,
    HeldByLiveCopy, // a process of this machine that is alive holds it
    CannotCreate,   // the folder takes no lock: read-only, full, or something blocks the path
};

// Takes the lock, first clearing what a killed or foreign writer may have left at its path:
// anything but a regular file, or a file whose holder cannot be shown to be alive (empty,
// unreadable, not a lock file, or written on another machine). A live holder is waited for
// up to liveWaitMs; nothing here waits much longer than that or a second.
LockOutcome TakeLock(QLockFile &lock, int liveWaitMs);

// Clears what a killed or foreign writer left at a lock file's path, as TakeLock does, and
// waits up to liveWaitMs for a live holder to let go, without taking the lock itself. True
// when the path is then free for whoever locks it next.
bool ClearLockPath(const QString &path, int liveWaitMs);

// True when path is a folder of this user's own that nobody else may enter, after making it
// so where it can (creating it, and narrowing the permissions of a folder this user owns).
bool MakePrivateFolder(const QString &path);

} // namespace kelt
