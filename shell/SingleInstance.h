#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace kelt {

// One running copy per user, decided before any window shows. The lock lives in a folder
// of this user's own: the runtime folder, or else a private folder in the user's cache.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();

    // False only when another live copy of this user holds the lock. Where no lock can be
    // made at all, this copy runs unguarded: better than not running.
    bool tryAcquire();

    // The lock file in use, or empty when this copy runs unguarded or has not tried yet.
    QString lockFilePath() const;
    // Where the lock may live, most preferred first.
    static QStringList lockDirectories();

private:
    static constexpr int FolderChoices = 2;
    // The runtime folder (0) or the private one in the cache (1), made private if need be;
    // empty when it cannot be had.
    static QString lockDirectory(int choice);

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace kelt
