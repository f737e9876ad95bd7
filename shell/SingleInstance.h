#pragma once

#include <QString>
#include <QStringList>

namespace kelt {

// Where the lock may be held, tried in order until one holds it.
struct LockPlaces
{
    // Folders of this user's alone, each holding the lock as the file name + ".lock".
    QStringList folders;
    // Last, a name the system keeps, which needs no folder: on Linux in the abstract socket
    // namespace, on Windows a mutex in the session's namespace. None when empty.
    QString systemName;
};

// One running copy per user, decided before any window shows. The lock is one the system
// holds for the process and drops when it ends, however it ends, so no lock is ever stale
// and nothing is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &name, LockPlaces places = DefaultPlaces());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False only when another running copy of this user's holds the lock, at the first
    // place that can hold one. Where no place can, this copy runs unguarded: better than
    // not running.
    bool tryAcquire();

    // The lock file or the system's name held, or empty when this copy runs unguarded or
    // has not tried yet.
    QString heldAt() const;

    // This user's places, whatever the environment says: the runtime folder when it really
    // is theirs, a private folder in their home, then the system's name.
    static LockPlaces DefaultPlaces();

private:
    enum class Outcome
    {
        Held,
        Refused,
        Failed
    };
    Outcome lockFileIn(const QString &folder);
    Outcome takeSystemName();
    void release();

    QString m_name;
    LockPlaces m_places;
    QString m_held;
#ifdef Q_OS_WIN
    void *m_handle = nullptr;
    bool m_mutex = false;
#else
    int m_fd = -1;
#endif
};

} // namespace kelt
