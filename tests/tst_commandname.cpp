// The program started by another name (a lower-case link, as the Linux package installs it,
// or a shortcut, as Windows starts it) keeps the setting and the single-instance lock of
// its own file name; without a display it still answers its command line. These cases take
// the lock in the user's real place, so CTest runs nothing else that does beside them.
#include "SingleInstance.h"
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char OwnName[] = "KeltFreeDescendantAstrology";
constexpr char Command[] = "kelt-descendant-astrology";
constexpr int StartMs = 10000;

QString Program()
{
    return QStringLiteral(KELT_PROGRAM_PATH);
}

#ifdef Q_OS_WIN
QString ProbeOutcome()
{
    QProcess probe;
    probe.start(kelt::test::Probe(), {QLatin1String(OwnName)});
    probe.waitForFinished(StartMs);
    return QString::fromLatin1(probe.readAllStandardOutput().trimmed());
}
#else
QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A user of one's own: settings, runtime and cache folders, and a folder on PATH holding
// the lower-case link to the built program.
struct User
{
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    QString runtime() const { return path(QStringLiteral("runtime")); }
    QString settings() const { return path(QStringLiteral("config/SarvelSoftwares")); }
    static QString locks() { return kelt::SingleInstance::DefaultPlaces().folders.first(); }
    QString settingsFile() const { return settings() + QLatin1Char('/') + OwnName + ".ini"; }
    QString link() const { return path(QStringLiteral("bin/")) + Command; }

    bool prepare() const
    {
        return dir.isValid() && QDir().mkpath(runtime()) &&
               QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner) &&
               QDir().mkpath(path(QStringLiteral("config"))) &&
               QDir().mkpath(path(QStringLiteral("cache"))) &&
               QDir().mkpath(path(QStringLiteral("bin"))) && QFile::link(Program(), link());
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("cache")));
        env.insert(QStringLiteral("PATH"), path(QStringLiteral("bin")) + QLatin1Char(':') +
                                               env.value(QStringLiteral("PATH")));
        return env;
    }

    // Everything under the user's folders that carries the command's name instead of the
    // program's own.
    QStringList namedAfterTheCommand() const
    {
        QStringList found;
        QDirIterator it(dir.path(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString entry = it.next();
            if (entry != link() && QFileInfo(entry).fileName().contains(QLatin1String(Command)))
                found << entry;
        }
        return found;
    }
};

// A running copy of the program, ended when it goes out of scope.
class Run
{
public:
    Run(const User &user, const QString &command)
    {
        m_process.setProcessEnvironment(user.environment());
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        if (command.contains(QLatin1Char('/'))) {
            m_process.setProgram(command);
        } else {
            // Looked up on the user's PATH by the shell, which then becomes the program
            // under the same process id, with the bare command as its argv[0].
            m_process.setProgram(QStringLiteral("/bin/sh"));
            m_process.setArguments({QStringLiteral("-c"), QStringLiteral("exec ") + command});
        }
        m_process.start();
    }
    ~Run() { stop(); }

    bool started() { return m_process.waitForStarted(StartMs); }
    bool running() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

private:
    QProcess m_process;
};

// True once the process holds a file lock on path, as the kernel's table of locks says.
// Looking takes no lock, so it cannot turn away a copy that is still starting.
bool Holds(qint64 pid, const QString &path)
{
    struct stat st;
    QFile locks(QStringLiteral("/proc/locks"));
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(quint64(st.st_ino));
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 5 && fields[1] == "FLOCK" && fields[4] == QByteArray::number(pid) &&
            fields[5].endsWith(inode))
            return true;
    }
    return false;
}

QString ProbeOutcome(const User &user)
{
    QProcess probe;
    probe.setProcessEnvironment(user.environment());
    probe.start(kelt::test::Probe(), {QLatin1String(OwnName), QStringLiteral("0")});
    probe.waitForFinished(StartMs);
    return QString::fromLatin1(probe.readAllStandardOutput().trimmed());
}

#endif

} // namespace

class CommandNameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
#ifdef Q_OS_WIN
    // Windows starts a program through a shortcut, and a program's names come from its file.
    void shortcutKeepsTheProgramsOwnNames()
    {
        // The program writes the user's own registry: what it held is put back at the end.
        const auto real = kelt::test::PrivateRegistry::Real();
        const QString key = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\";
        QSettings own(key + OwnName, QSettings::NativeFormat);
        QMap<QString, QVariant> kept;
        for (const QString &name : own.allKeys())
            kept.insert(name, own.value(name));
        const kelt::test::ScopeGuard restore([&own, kept] {
            own.remove(QString());
            for (auto it = kept.cbegin(); it != kept.cend(); ++it)
                own.setValue(it.key(), it.value());
        });
        own.remove(QString());
        own.sync();

        QTemporaryDir dir;
        const QString shortcut = dir.filePath(QStringLiteral("Kelt Descendant Astrology.lnk"));
        QVERIFY(QFile::link(Program(), shortcut));
        QCOMPARE(QFileInfo(shortcut).symLinkTarget(), QFileInfo(Program()).absoluteFilePath());

        QProcess::execute(QStringLiteral("cmd"),
                          {"/c", "start", "", QDir::toNativeSeparators(shortcut)});
        // The setting is written once the lock is taken: a probe before then could turn the
        // starting copy away.
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(key + OwnName, QSettings::NativeFormat).childGroups(),
                                  QStringList{"Settings"}, StartMs);
        QCOMPARE(ProbeOutcome(), QStringLiteral("refused"));
        QCOMPARE(
            QSettings(key + "Kelt Descendant Astrology", QSettings::NativeFormat).childGroups(),
            QStringList());
        QProcess::execute(QStringLiteral("taskkill"),
                          {"/f", "/im", QString(OwnName) + QStringLiteral(".exe")});
        QTRY_COMPARE_WITH_TIMEOUT(ProbeOutcome(), QStringLiteral("acquired"), StartMs);
    }
#else
    void lowerCaseCommandKeepsTheProgramsOwnNames()
    {
        User user;
        QVERIFY(user.prepare());
        QCOMPARE(QFileInfo(user.link()).symLinkTarget(), QFileInfo(Program()).absoluteFilePath());

        // Started by the command name, found on PATH, as a desktop entry starts it.
        Run run(user, QLatin1String(Command));
        QVERIFY(run.started());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(user.settingsFile()), StartMs);
        // The lock is the one a copy started by the program's own name asks for.
        QTRY_COMPARE_WITH_TIMEOUT(ProbeOutcome(user), QStringLiteral("refused"), StartMs);
        QVERIFY(run.running());
        QVERIFY(QFile::exists(User::locks() + QLatin1Char('/') + OwnName + ".lock"));
        QCOMPARE(Entries(User::locks()).filter(QLatin1String(Command)), QStringList());
        QCOMPARE(Entries(user.settings()), QStringList{QString(OwnName) + ".ini"});
        QCOMPARE(user.namedAfterTheCommand(), QStringList());
    }

    void bothNamesShareOneSettingsFile()
    {
        User user;
        QVERIFY(user.prepare());
        QByteArray stored;
        {
            Run run(user, Program());
            QVERIFY(run.started());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(user.settingsFile()), StartMs);
            QTRY_COMPARE_WITH_TIMEOUT(ProbeOutcome(user), QStringLiteral("refused"), StartMs);
            run.stop();
            QFile file(user.settingsFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            stored = file.readAll();
            QVERIFY(!stored.isEmpty());
        }
        {
            Run run(user, user.link());
            QVERIFY(run.started());
            // The same lock, now held by the copy started through the link. Nothing marks
            // the moment it has taken it, and a probe then could turn it away: the kernel
            // is asked instead.
            QTRY_VERIFY_WITH_TIMEOUT(
                Holds(run.pid(), User::locks() + QLatin1Char('/') + OwnName + ".lock"), StartMs);
            run.stop();
        }
        // The second start read the date the first one stored and had nothing to add.
        QCOMPARE(Entries(user.settings()), QStringList{QString(OwnName) + ".ini"});
        QFile file(user.settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
        QCOMPARE(user.namedAfterTheCommand(), QStringList());
    }

    // The lock's place does not depend on the environment a copy was started with.
    void oneLockWhateverTheEnvironment_data()
    {
        QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR of the first copy
        QTest::newRow("unset") << "";
        QTest::newRow("a plain file") << "file";
        QTest::newRow("open to all") << "0777";
        QTest::newRow("someone else's") << "other";
        QTest::newRow("a private folder") << "private";
    }
    void oneLockWhateverTheEnvironment()
    {
        QFETCH(QString, runtime);
        QTemporaryDir dir;
        const QString folder = dir.filePath("runtime");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        if (runtime == "file") {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (!runtime.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            QFile::setPermissions(folder, runtime == "0777" ? QFileDevice::Permissions(0x7777)
                                                            : QFileDevice::Permissions(0x7700));
            if (runtime == "other" &&
                ::chown(QFile::encodeName(folder).constData(), 65534, 65534) != 0)
                QSKIP("only root can give a folder to someone else");
        }
        if (!runtime.isEmpty())
            env.insert("XDG_RUNTIME_DIR", folder);
        const QString name = "KeltEnvironment";
        QProcess holder;
        holder.setProcessEnvironment(env);
        holder.start(kelt::test::Probe(), {name, "hold"});
        QCOMPARE(kelt::test::FirstLine(holder), QString("acquired"));
        // This process runs with a private runtime folder of its own.
        QVERIFY(!kelt::SingleInstance(name).tryAcquire());
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(kelt::SingleInstance(name).tryAcquire());

        const QFileInfo place(User::locks());
        QCOMPARE(place.ownerId(), ::getuid());
        QCOMPARE(place.permissions() & 0x0077, QFileDevice::Permissions());
        QVERIFY(!place.isSymLink());
    }

    // Where no display can be had, as over ssh: what the command line asks is answered,
    // and a start that needs a window says why it cannot and ends, with no crash.
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("version") << QStringList{"--version"} << "" << 0
                                 << "Kelt Descendant Astrology 1.15\n"
                                 << "";
        QTest::newRow("help") << QStringList{"-h"} << "" << 0 << "--version"
                              << "";
        QTest::newRow("a Qt option passes")
            << QStringList{"-style", "fusion", "--help"} << "" << 0 << "--help"
            << "";
        QTest::newRow("unknown option") << QStringList{"--colour"} << "" << 2 << ""
                                        << "Unknown option 'colour'";
        QTest::newRow("no display") << QStringList{} << "" << 1 << ""
                                    << "cannot open a display";
        QTest::newRow("a display that does not answer") << QStringList{} << ":4242" << 1 << ""
                                                        << "cannot open a display (DISPLAY=:4242)";
    }
    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        User user;
        QVERIFY(user.prepare());
        QProcessEnvironment env = user.environment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
        QFETCH(QString, display);
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(Program(), arguments);
        QVERIFY(process.waitForFinished(StartMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QTEST(process.exitCode(), "status");
        const QString printed = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString complained = QString::fromLocal8Bit(process.readAllStandardError());
        QFETCH(QString, output);
        QFETCH(QString, error);
        QVERIFY2(printed.contains(output), qPrintable(printed));
        QVERIFY2(complained.contains(error), qPrintable(complained));
        QCOMPARE(printed.isEmpty(), output.isEmpty());
        QCOMPARE(complained.isEmpty(), error.isEmpty());
        // No display: one line, not Qt's page of plugin messages.
        if (process.exitCode() == 1)
            QVERIFY2(complained.count(QLatin1Char('\n')) == 1, qPrintable(complained));
    }
#endif
};

KELT_TEST_MAIN(CommandNameTest)
#include "tst_commandname.moc"
