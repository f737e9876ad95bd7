#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace kelt {

// One running copy per user, decided before any window shows.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();

    // True when this copy may run; the lock is held until this object goes.
    bool tryAcquire();

    QString lockFilePath() const { return m_path; }
    static QString lockDirectory();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace kelt
