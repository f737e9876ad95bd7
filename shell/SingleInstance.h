#pragma once

#include <QString>

namespace kelt {

// One running copy per user, decided before any window shows. The lock is one the system
// holds for the process and drops when it ends, however it ends, so no lock is ever stale
// and nothing is taken over.
class SingleInstance
{
public:
    // The lock is the file name + ".lock" in folder.
    explicit SingleInstance(const QString &name, const QString &folder = DefaultFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False only when another running copy holds the lock. Where no lock can be made at
    // all, this copy runs unguarded: better than not running.
    bool tryAcquire();

    // The lock file held, or empty when this copy runs unguarded or has not tried yet.
    QString lockFilePath() const;

    // The one folder of this user's where the lock lives, whatever the environment says:
    // the user's runtime folder when it really is theirs, else a private folder in their
    // home. Not made here; tryAcquire makes it when it is missing.
    static QString DefaultFolder();

private:
    void release();

    QString m_path;
    QString m_held;
#ifdef Q_OS_WIN
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace kelt
