#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#endif

namespace kelt {

SingleInstance::SingleInstance(const QString &name, LockPlaces places)
    : m_name(name), m_places(std::move(places))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

QString SingleInstance::heldAt() const
{
    return m_held;
}

bool SingleInstance::tryAcquire()
{
    if (!m_held.isEmpty())
        return true;
    for (const QString &folder : m_places.folders) {
        const Outcome outcome = lockFileIn(folder);
        if (outcome != Outcome::Failed)
            return outcome == Outcome::Held;
    }
    return m_places.systemName.isEmpty() || takeSystemName() != Outcome::Refused;
}

#ifdef Q_OS_WIN

LockPlaces SingleInstance::DefaultPlaces()
{
    // The user's local application data, from the shell rather than the environment.
    return {{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)},
            QStringLiteral("SarvelSoftwares")};
}

SingleInstance::Outcome SingleInstance::lockFileIn(const QString &folder)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(m_name + QStringLiteral(".lock"));
    // Opened for this process alone; Windows closes it when the process ends, however it
    // ends, and the file goes with it.
    const HANDLE file =
        ::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                      GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION ? Outcome::Refused : Outcome::Failed;
    m_handle = file;
    m_held = path;
    return Outcome::Held;
}

SingleInstance::Outcome SingleInstance::takeSystemName()
{
    // In the session's own namespace, owned by the thread that took it; a copy that ends
    // leaves it abandoned, which the next one takes. One another user made carries their
    // security, which opens it to no one else: it refuses no one.
    const QString name = QStringLiteral("Local\\") + m_places.systemName + '/' + m_name;
    const HANDLE mutex =
        ::CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(name.utf16()));
    if (!mutex)
        return Outcome::Failed;
    const DWORD waited = ::WaitForSingleObject(mutex, 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        m_handle = mutex;
        m_mutex = true;
        m_held = name;
        return Outcome::Held;
    }
    ::CloseHandle(mutex);
    return waited == WAIT_TIMEOUT ? Outcome::Refused : Outcome::Failed;
}

void SingleInstance::release()
{
    if (m_mutex)
        ::ReleaseMutex(static_cast<HANDLE>(m_handle));
    if (m_handle)
        ::CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
    m_mutex = false;
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
// empty folder of this user's, as a mishap may leave them; another user's is left alone.
// Done under a lock on the folder, and looked at again once that is held, so a lock file
// another copy made meanwhile is never removed.
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
        else if (st.st_uid != ::getuid())
            cleared = false;
        else if (S_ISDIR(st.st_mode))
            cleared = ::rmdir(path.constData()) == 0;
        else if (!S_ISREG(st.st_mode))
            cleared = ::unlink(path.constData()) == 0;
        else // made readable again
            cleared = ::chmod(path.constData(), 0600) == 0;
    }
    ::close(dir);
    return cleared;
}

} // namespace

LockPlaces SingleInstance::DefaultPlaces()
{
    // Where the session's runtime folder always is; $XDG_RUNTIME_DIR may be missing or
    // point elsewhere in one shell and not in another. The home folder comes from the
    // password database, not $HOME, for the same reason.
    LockPlaces places;
    const QString runtime = QStringLiteral("/run/user/") + QString::number(::getuid());
    if (PrivateFolder(runtime, false))
        places.folders << runtime;
    const passwd *user = ::getpwuid(::getuid());
    const QString home =
        user && user->pw_dir && *user->pw_dir ? QFile::decodeName(user->pw_dir) : QDir::homePath();
    places.folders << home + QStringLiteral("/.cache/SarvelSoftwares");
    places.systemName = QStringLiteral("SarvelSoftwares");
    return places;
}

SingleInstance::Outcome SingleInstance::lockFileIn(const QString &folder)
{
    if (!PrivateFolder(folder, true))
        return Outcome::Failed;
    const QString file = QDir(folder).filePath(m_name + QStringLiteral(".lock"));
    const QByteArray path = QFile::encodeName(file);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Read-only is enough for a file lock, and opens the file a running copy made even
        // where the folder has turned read-only since.
        const int fd = ::open(path.constData(),
                              O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        struct stat opened;
        if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            opened.st_uid != ::getuid()) {
            if (fd >= 0)
                ::close(fd);
            if (!ClearPath(QFile::encodeName(folder), path))
                return Outcome::Failed;
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Outcome::Refused : Outcome::Failed;
        }
        // A copy on its way out removes its file: only the file still at the path counts.
        struct stat now;
        if (::stat(path.constData(), &now) == 0 && now.st_dev == opened.st_dev &&
            now.st_ino == opened.st_ino) {
            m_fd = fd;
            m_held = file;
            return Outcome::Held;
        }
        ::close(fd);
    }
    return Outcome::Failed;
}

SingleInstance::Outcome SingleInstance::takeSystemName()
{
    // A name in the abstract socket namespace goes with the socket, so with the process.
    // Anyone may bind any name there: whoever holds this user's is asked who they are, and
    // only this user's copy refuses. Each copy that asked stays queued until the holder ends,
    // which the queue of thousands allows.
    const QByteArray name = '\0' + QFile::encodeName(m_places.systemName + '/' + m_name + '/' +
                                                     QString::number(::getuid()));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() > qsizetype(sizeof address.sun_path))
        return Outcome::Failed;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const auto *where = reinterpret_cast<const sockaddr *>(&address);
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(name.size()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (::bind(fd, where, length) == 0 && ::listen(fd, SOMAXCONN) == 0) {
            m_fd = fd;
            m_held = QLatin1Char('@') + QFile::decodeName(name.mid(1));
            return Outcome::Held;
        }
        const bool taken = errno == EADDRINUSE;
        ucred holder{};
        socklen_t size = sizeof holder;
        const bool asked = taken && ::connect(fd, where, length) == 0 &&
                           ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &holder, &size) == 0;
        const bool between = taken && errno == ECONNREFUSED;
        ::close(fd);
        if (asked)
            return holder.uid == ::getuid() ? Outcome::Refused : Outcome::Failed;
        if (!between)
            return Outcome::Failed;
        // Bound but not listening yet: a copy between its two steps, or one just gone.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return Outcome::Failed;
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    // A lock file is removed while still held, so whoever opens it next finds it gone and
    // makes a new one.
    struct stat held;
    struct stat now;
    const QByteArray path = QFile::encodeName(m_held);
    if (::fstat(m_fd, &held) == 0 && S_ISREG(held.st_mode) &&
        ::lstat(path.constData(), &now) == 0 && held.st_dev == now.st_dev &&
        held.st_ino == now.st_ino)
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
    m_held.clear();
}

#endif

} // namespace kelt
