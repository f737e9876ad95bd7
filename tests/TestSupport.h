#pragma once

#include "ApplicationSetup.h"
#include "Clock.h"
#include "MessageBox.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QObject>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

#ifdef Q_OS_WIN
// The registry only: <windows.h> would make MessageBox a macro. The types come first.
#include <windef.h>

#include <winbase.h>
#include <winreg.h>
#endif

namespace kelt::test {

// The site's page script, written out here apart from the program's own address code.
inline const QString SitePage =
    QStringLiteral("http://www.sarvelsoftwares.com/kelt-free-descendant-astrology/ssd.php?page=");

// The helper beside the test that takes the program's single-instance lock in a process
// of its own.
inline QString Probe()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/kelt_lockprobe");
}

// The folder this test process keeps its settings, runtime and locks in.
inline QString &TestFolder()
{
    static QString folder;
    return folder;
}

// The lock's places of this test process alone, never the user's: two suites running at
// once, or the user's own copy of the program, never meet there.
inline LockPlaces OwnLockPlaces()
{
    return {{TestFolder() + QStringLiteral("/locks")},
            QStringLiteral("KeltTests/") + QString::number(QCoreApplication::applicationPid())};
}

// The probe's arguments for these places.
inline QStringList ProbePlaces(const LockPlaces &places)
{
    QStringList args = places.folders;
    if (!places.systemName.isEmpty())
        args << QLatin1Char('@') + places.systemName;
    return args;
}

// The first line a process prints, waiting up to a minute for it: a bound, not a pace, for
// a probe speaks within a second, but Wine on a loaded machine has taken over ten to start.
inline QString FirstLine(QProcess &process)
{
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 60000)
        process.waitForReadyRead(100);
    return QString::fromLatin1(process.readLine().trimmed());
}

// Catches every address the program hands to the desktop, instead of a browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "handle");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "handle");
    }
    ~UrlRecorder() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    QStringList opened;

public Q_SLOTS:
    void handle(const QUrl &url) { opened << url.toString(QUrl::FullyEncoded); }
};

// Answers the program's message boxes and remembers what they said.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        MessageBox::setHandler([this](const MessageBox::Request &request) {
            shown.push_back(request);
            if (onShow)
                onShow(request);
            if (answers.empty())
                return request.defaultButton;
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { MessageBox::setHandler({}); }

    QStringList texts() const
    {
        QStringList list;
        for (const auto &r : shown)
            list << r.text;
        return list;
    }

    std::vector<MessageBox::Request> shown;
    std::deque<QMessageBox::StandardButton> answers;
    std::function<void(const MessageBox::Request &)> onShow;
};

// The query's fields in order, each value decoded as a server reads it.
inline QList<QPair<QString, QString>> QueryFields(const QString &address)
{
    QList<QPair<QString, QString>> fields;
    const QString query = QUrl(address, QUrl::StrictMode).query(QUrl::FullyEncoded);
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const auto eq = pair.indexOf(QLatin1Char('='));
        fields.append({pair.left(eq), QUrl::fromPercentEncoding(pair.mid(eq + 1).toUtf8())});
    }
    return fields;
}

// A time bound for a test, stretched where the build runs slowly (the sanitizers).
constexpr qint64 TimeLimitMs(qint64 ms)
{
#ifdef KELT_SLOW_BUILD
    return ms * 5;
#else
    return ms;
#endif
}

// Puts a global back as it was when the scope ends, however the test leaves it.
class ScopeGuard
{
public:
    explicit ScopeGuard(std::function<void()> restore) : m_restore(std::move(restore)) {}
    ~ScopeGuard() { m_restore(); }
    ScopeGuard(const ScopeGuard &) = delete;
    ScopeGuard &operator=(const ScopeGuard &) = delete;

private:
    std::function<void()> m_restore;
};

// An environment variable set for one scope.
inline ScopeGuard ScopedEnv(const char *name, const QByteArray &value)
{
    const bool had = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    qputenv(name, value);
    return ScopeGuard([name, had, old] {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    });
}

// Today as the update reminder sees it, for one scope.
inline ScopeGuard PinnedToday(QDate date)
{
    Clock::SetToday(date);
    return ScopeGuard([] { Clock::SetToday(std::nullopt); });
}

// The default locale, for one scope.
inline ScopeGuard DefaultLocale(const QLocale &locale)
{
    const QLocale old;
    QLocale::setDefault(locale);
    return ScopeGuard([old] { QLocale::setDefault(old); });
}

// The character with this code in Windows-1252, written out here apart from the program's
// own table; the five undefined codes stand for the control characters of that number.
inline QChar Windows1252(int code)
{
    static const char16_t high[32] = {u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡',
                                      u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0x8D, u'Ž', 0x8F,
                                      0x90, u'‘', u'’', u'“', u'”', u'•', u'–', u'—',
                                      u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ'};
    return code >= 0x80 && code <= 0x9F ? QChar(high[code - 0x80]) : QChar(code);
}

// The platform the run names (QT_QPA_PLATFORM), as it was before the test main set its own.
inline QByteArray &NamedPlatform()
{
    static QByteArray platform;
    return platform;
}

// Keeps the user's own settings, cache and running copy out of reach of the tests.
inline void PrepareEnvironment(QTemporaryDir &dir)
{
    TestFolder() = dir.path();
    // Offscreen unless the run names a platform: on Windows the suites run natively too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("runtime")).toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")).toUtf8());
    QDir().mkpath(dir.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       dir.filePath(QStringLiteral("config")));
}

#ifdef Q_OS_WIN
// Windows keeps settings in the registry, one for the whole user: for as long as a test
// runs, this process's HKEY_CURRENT_USER is a key of its own, removed at the end.
class PrivateRegistry
{
public:
    PrivateRegistry() : m_name(L"Software\\KeltTests\\" + std::to_wstring(GetCurrentProcessId()))
    {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, m_name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &s_key, nullptr) == ERROR_SUCCESS)
            RegOverridePredefKey(HKEY_CURRENT_USER, s_key);
    }
    ~PrivateRegistry()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (s_key)
            RegCloseKey(s_key);
        s_key = nullptr;
        RegDeleteTreeW(HKEY_CURRENT_USER, m_name.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KeltTests");
    }
    PrivateRegistry(const PrivateRegistry &) = delete;
    PrivateRegistry &operator=(const PrivateRegistry &) = delete;

    // The user's own registry, for one scope: where a program started by the test writes.
    static ScopeGuard Real()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        return ScopeGuard([] { RegOverridePredefKey(HKEY_CURRENT_USER, s_key); });
    }

private:
    std::wstring m_name;
    inline static HKEY s_key = nullptr;
};
#else
struct PrivateRegistry
{
};
#endif

} // namespace kelt::test

// A GUI test main that runs with private settings, on the offscreen platform unless the
// environment names another.
#define KELT_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        kelt::test::NamedPlatform() = qgetenv("QT_QPA_PLATFORM");                                  \
        QTemporaryDir kelt_test_dir;                                                               \
        [[maybe_unused]] const kelt::test::PrivateRegistry kelt_test_registry;                     \
        kelt::test::PrepareEnvironment(kelt_test_dir);                                             \
        QApplication app(argc, argv);                                                              \
        kelt::SetUpApplication();                                                                  \
        kelt::test::PrepareEnvironment(kelt_test_dir);                                             \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
