#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelt {

SingleInstance::SingleInstance(const QString &name, const QString &folder)
    : m_path(QDir(folder).filePath(name + QStringLiteral(".lock")))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

QString SingleInstance::lockFilePath() const
{
    return m_held;
}

#ifdef Q_OS_WIN

QString SingleInstance::DefaultFolder()
{
    // The user's local application data, from the shell rather than the environment.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool SingleInstance::tryAcquire()
{
    if (m_handle)
        return true;
    QDir().mkpath(QFileInfo(m_path).path());
    // Opened for this process alone; Windows closes it when the process ends, however it
    // ends, and the file goes with it.
    const HANDLE file =
        ::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(m_path).utf16()),
                      GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() != ERROR_SHARING_VIOLATION;
    m_handle = file;
    m_held = m_path;
    return true;
}

void SingleInstance::release()
{
    if (m_handle)
        ::CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
    m_held.clear();
}

#else

namespace {

// True when the folder is this user's alone. With make, a missing one is made first and one
// of this user's that others may enter is closed to them.
bool PrivateFolder(const QString &folder, bool make)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat st;
    if (make && QDir().mkpath(folder) && ::lstat(path.constData(), &st) == 0 &&
        S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
        ::chmod(path.constData(), 0700);
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

// Clears what cannot be a lock file from the lock's path: a link, a pipe, a device or an
// empty folder, as a mishap may leave them. Done under a lock on the folder, and looked at
// again once that is held, so a lock file another copy made meanwhile is never removed.
bool ClearPath(const QByteArray &folder, const QByteArray &path)
{
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0)
        return false;
    bool cleared = false;
    struct stat st;
    if (::flock(dir, LOCK_EX) == 0) {
        if (::lstat(path.constData(), &st) != 0)
            cleared = errno == ENOENT;
        else if (S_ISDIR(st.st_mode))
            cleared = ::rmdir(path.constData()) == 0;
        else if (!S_ISREG(st.st_mode))
            cleared = ::unlink(path.constData()) == 0;
        else // a file of this user's after all, made readable again; another's is left alone
            cleared = st.st_uid == ::getuid() && ::chmod(path.constData(), 0600) == 0;
    }
    ::close(dir);
    return cleared;
}

} // namespace

QString SingleInstance::DefaultFolder()
{
    // Where the session's runtime folder always is; $XDG_RUNTIME_DIR may be missing or
    // point elsewhere in one shell and not in another. The home folder comes from the
    // password database, not $HOME, for the same reason.
    const QString runtime = QStringLiteral("/run/user/") + QString::number(::getuid());
    if (PrivateFolder(runtime, false))
        return runtime;
    const passwd *user = ::getpwuid(::getuid());
    const QString home =
        user && user->pw_dir && *user->pw_dir ? QFile::decodeName(user->pw_dir) : QDir::homePath();
    return home + QStringLiteral("/.cache/SarvelSoftwares");
}

bool SingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    const QString folder = QFileInfo(m_path).path();
    if (!PrivateFolder(folder, true))
        return true;
    const QByteArray path = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        struct stat opened;
        if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            opened.st_uid != ::getuid()) {
            if (fd >= 0)
                ::close(fd);
            if (!ClearPath(QFile::encodeName(folder), path))
                return true;
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return !held;
        }
        // A copy on its way out removes its file: only the file still at the path counts.
        struct stat now;
        if (::stat(path.constData(), &now) == 0 && now.st_dev == opened.st_dev &&
            now.st_ino == opened.st_ino) {
            m_fd = fd;
            m_held = m_path;
            return true;
        }
        ::close(fd);
    }
    return true;
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so whoever opens it next finds it gone and makes a new one.
    struct stat held;
    struct stat now;
    const QByteArray path = QFile::encodeName(m_held);
    if (::fstat(m_fd, &held) == 0 && ::lstat(path.constData(), &now) == 0 &&
        held.st_dev == now.st_dev && held.st_ino == now.st_ino)
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
    m_held.clear();
}

#endif

} // namespace kelt
