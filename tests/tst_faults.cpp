#include "ProgramFixture.h"

#include "SettingsStore.h"
#include "SingleInstance.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

#include <memory>
#include <vector>

#ifndef Q_OS_WIN
#include <csignal>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace kelt;
using namespace kelt::test;

namespace {

// What a copy in another process gets now: "acquired" or "refused".
QString ProbeOutcome(const QString &name, const LockPlaces &places = OwnLockPlaces())
{
    QProcess probe;
    probe.start(Probe(), QStringList{name, "-"} + ProbePlaces(places));
    probe.waitForFinished(10000);
    return QString::fromLatin1(probe.readAllStandardOutput().trimmed());
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Lays the leftover named by kind at path, as a crash, a mishap or another program leaves it.
void Leave(const QString &kind, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    if (kind == "empty") {
        WriteFile(path, {});
    } else if (kind == "garbage") {
        WriteFile(path, QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 18));
    } else if (kind == "unreadable") {
        WriteFile(path, "12\n");
        QFile::setPermissions(path, {});
    } else if (kind == "other host") {
        WriteFile(path, "4242\nKeltFreeDescendantAstrology\nsome-other-machine\n");
    } else if (kind == "directory") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "full directory") {
        QVERIFY(QDir().mkpath(path));
        WriteFile(path + "/keep.txt", "kept");
#ifndef Q_OS_WIN
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (kind == "link") {
        WriteFile(path + ".target", "mine");
        QVERIFY(QFile::link(path + ".target", path));
#endif
    } else {
        QFAIL("unknown leftover");
    }
}

#ifndef Q_OS_WIN
// A tmpfs of the test's own, where this process may mount one; unmounted at the end.
class ScratchMount
{
public:
    ScratchMount(const QString &path, const QString &options) : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", path}) == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            QProcess::execute("umount", {m_path});
    }
    bool mounted() const { return m_mounted; }

private:
    QString m_path;
    bool m_mounted = false;
};

// Another user holding this user's name in the abstract socket namespace, listening or not,
// as a squatter would: the squatter's process, or -1 where none can be (only root can be
// another user).
pid_t Squat(const QByteArray &name, bool listening)
{
    int ready[2];
    if (::getuid() != 0 || ::pipe(ready) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::setgid(65534) == 0 && ::setuid(65534) == 0 &&
            ::bind(fd, reinterpret_cast<const sockaddr *>(&address),
                   socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()))) == 0 &&
            (!listening || ::listen(fd, 1) == 0) && ::write(ready[1], "y", 1) == 1)
            ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ::close(ready[1]);
    const bool squatting = pid > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (pid > 0 && !squatting)
        ::waitpid(pid, nullptr, 0);
    return squatting ? pid : -1;
}

QString PrivateFolder(const QTemporaryDir &dir)
{
    const QString folder = dir.filePath("locks");
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

// True while some process waits for a lock on the file or folder at path.
bool SomeoneWaitsFor(const QString &path)
{
    struct stat st;
    QFile locks("/proc/locks");
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ":" + QByteArray::number(quint64(st.st_ino)) + " ";
    for (const QByteArray &line : locks.readAll().split('\n'))
        if (line.contains("->") && line.contains(inode))
            return true;
    return false;
}
#endif

// Lays out one place of the lock as kind says: how its folder is, or what lies at the lock's
// path. False where this process may not (the mounts and another user's things need root).
bool LayOut(const QString &kind, const QString &folder, const QString &lock,
            std::vector<std::shared_ptr<void>> &undo)
{
    if (kind == "a plain file") { // in place of the folder, which then cannot be made
        WriteFile(folder, "x");
        return true;
    }
#ifndef Q_OS_WIN
    const QMap<QString, QString> mounts = {{"read-only", "ro,size=64k,mode=0700"},
                                           {"no inodes", "nr_inodes=1,mode=0700"},
                                           {"full disk", "size=8k,mode=0700"}};
    if (mounts.contains(kind)) {
        const auto mount = std::make_shared<ScratchMount>(folder, mounts[kind]);
        undo.push_back(mount);
        if (!mount->mounted())
            return false;
        QFile filler(folder + "/filler");
        const QByteArray block(4096, 'x');
        if (kind == "full disk" && filler.open(QIODevice::WriteOnly))
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        return true;
    }
    const auto others = [](const QString &path) {
        return ::lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
    };
    if (kind == "open to all")
        return QDir().mkpath(folder) &&
               QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
    if (kind == "someone else's")
        return QDir().mkpath(folder) && others(folder);
    if (kind == "someone else's file") {
        Leave("empty", lock);
        return others(lock);
    }
#else
    Q_UNUSED(undo);
#endif
    if (!kind.isEmpty())
        Leave(kind, lock);
    return true;
}

// The four values of a referral, the message left to MessageOfLength.
modTellAFriend ReferralFor()
{
    modTellAFriend referral;
    static_cast<ReferralValues &>(referral) = {
        "Ann", "ann@example.com", {}, "Bob", "bob@example.com"};
    return referral;
}

// A message, as typed, that makes the referral's address this long: lines of a hundred
// letters, each adding 106 characters as its line break goes out as CR LF, encoded, then as
// many letters as make up the rest.
QString MessageOfLength(const modTellAFriend &values, qsizetype length)
{
    const qsizetype room = length - values.BuildReferralAddress().size();
    const qsizetype lines = (room - 1) / 106;
    return QString(QString(100, 'x') + "\n").repeated(lines) + QString(room - lines * 106, 'x');
}

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    static QString settingsFile(const QString &app)
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/SarvelSoftwares/" + app + ".ini";
    }

private Q_SLOTS:
    // A lock held by another process refuses; the same process ended by force never blocks
    // the next start, in a folder or under the system's name.
    void aKilledCopyNeverBlocksTheNext_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("lock file") << true;
        QTest::newRow("system's name") << false;
    }
    void aKilledCopyNeverBlocksTheNext()
    {
        QFETCH(bool, folder);
        LockPlaces places = OwnLockPlaces();
        if (!folder)
            places.folders.clear();
        const QString name = "KeltKilledCopy";
        QProcess holder;
        holder.start(Probe(), QStringList{name, "hold"} + ProbePlaces(places));
        QCOMPARE(FirstLine(holder), QString("acquired"));
        QCOMPARE(ProbeOutcome(name, places), QString("refused"));
        QVERIFY(!SingleInstance(name, places).tryAcquire());
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(ProbeOutcome(name, places), QString("acquired"));
    }

    // The lock goes to the first place that holds one: whatever lies at a place never refuses
    // or holds up a start, a place that cannot hold a lock gives way to the next, and the
    // system's name, last, needs no folder at all. Nothing of another user's is touched, and
    // a name another user holds keeps no one out.
    void theFirstPlaceThatHoldsALockTakesIt_data()
    {
        QTest::addColumn<QString>("first");  // how the first folder is, or what lies at its lock
        QTest::addColumn<QString>("second"); // the same for the second folder
        QTest::addColumn<QString>("squat");  // how another user holds the system's name
        QTest::addColumn<int>("held");       // the folder that holds it, 2 the name, -1 none
        const auto row = [](const QString &tag, const char *first, const char *second, int held,
                            const char *squat = "") {
            QTest::newRow(qPrintable(tag))
                << QString(first) << QString(second) << QString(squat) << held;
        };
        row("fine", "", "", 0);
        for (const char *kind : {"empty", "garbage", "other host"})
            row(QString("lock: ") + kind, kind, "", 0);
        // Nothing inside a folder is ever removed.
        row("lock: full directory", "full directory", "", 1);
        row("no first folder", "a plain file", "", 1);
        row("no folder", "a plain file", "a plain file", 2);
#ifdef Q_OS_WIN
        row("lock: directory", "directory", "", 1);
#else
        for (const char *kind : {"unreadable", "directory", "fifo", "device", "link"})
            row(QString("lock: ") + kind, kind, "", 0);
        row("read-only", "read-only", "", 1);
        row("no inodes", "no inodes", "", 1);
        // The lock is an empty file: it needs no room.
        row("full disk", "full disk", "", 0);
        row("someone else's folder", "someone else's", "", 1);
        row("someone else's lock", "someone else's file", "", 1);
        row("next: link", "a plain file", "link", 1);
        row("next: open to all", "a plain file", "open to all", 1);
        row("both read-only", "read-only", "read-only", 2);
        row("name squatted", "a plain file", "a plain file", -1, "listening");
        row("name squatted, not listening", "a plain file", "a plain file", -1, "bound");
#endif
    }
    void theFirstPlaceThatHoldsALockTakesIt()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, held);
        QTemporaryDir dir;
        const QString name = "KeltPlaces";
        const LockPlaces places{{dir.filePath("first"), dir.filePath("second")},
                                OwnLockPlaces().systemName};
        const QStringList locks = {places.folders[0] + "/" + name + ".lock",
                                   places.folders[1] + "/" + name + ".lock"};
        std::vector<std::shared_ptr<void>> undo;
        if (!LayOut(first, places.folders[0], locks[0], undo) ||
            !LayOut(second, places.folders[1], locks[1], undo))
            QSKIP("laying this out needs root");
#ifndef Q_OS_WIN
        QFETCH(QString, squat);
        const pid_t squatter = squat.isEmpty()
                                   ? 0
                                   : Squat(QFile::encodeName(places.systemName + "/" + name + "/" +
                                                             QString::number(::getuid())),
                                           squat == "listening");
        const ScopeGuard end([squatter] {
            if (squatter > 0 && ::kill(squatter, SIGKILL) == 0)
                ::waitpid(squatter, nullptr, 0);
        });
        if (squatter < 0)
            QSKIP("only root can be another user");
#endif
        QElapsedTimer timer;
        timer.start();
        {
            SingleInstance instance(name, places);
            QVERIFY(instance.tryAcquire());
            QVERIFY2(timer.elapsed() < TimeLimitMs(1000),
                     qPrintable(QString::number(timer.elapsed())));
            if (held == 2)
                QVERIFY2(instance.heldAt().contains(places.systemName),
                         qPrintable(instance.heldAt()));
            else
                QCOMPARE(instance.heldAt(), held < 0 ? QString() : locks[held]);
            QCOMPARE(ProbeOutcome(name, places), QString(held < 0 ? "acquired" : "refused"));
        }
        QCOMPARE(ProbeOutcome(name, places), QString("acquired"));
        if (first == "full directory")
            QVERIFY(QFile::exists(locks[0] + "/keep.txt"));
        if (first == "someone else's file")
            QCOMPARE(QFileInfo(locks[0]).ownerId(), 65534u);
    }

#ifndef Q_OS_WIN
    // A copy clearing a leftover waits for the folder, then looks again: a lock another
    // copy took meanwhile is never removed, and the clearing copy is refused.
    void clearingALeftoverNeverRemovesALiveLock()
    {
        QTemporaryDir dir;
        const QString folder = PrivateFolder(dir);
        const QString path = folder + "/KeltRace.lock";
        Leave("fifo", path);
        const int folderFd =
            ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QCOMPARE(::flock(folderFd, LOCK_EX), 0);
        QProcess taker;
        taker.start(Probe(), {"KeltRace", "-", folder});
        // The taker has seen the pipe and waits to clear it.
        QTRY_VERIFY_WITH_TIMEOUT(SomeoneWaitsFor(folder), 10000);

        // Meanwhile another copy has cleared it and holds a lock there.
        QVERIFY(QFile::remove(path));
        const int lockFd =
            ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QCOMPARE(::flock(lockFd, LOCK_EX | LOCK_NB), 0);
        struct stat before;
        QCOMPARE(::fstat(lockFd, &before), 0);
        ::close(folderFd);

        QVERIFY(taker.waitForFinished(10000));
        QCOMPARE(taker.readAllStandardOutput().trimmed(), QByteArray("refused"));
        struct stat after;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        ::close(lockFd);
    }

    // A copy in a namespace with another host name is still this user's copy on this machine.
    void anotherHostNameIsStillRefused()
    {
        if (QProcess::execute("unshare", {"-u", "true"}) != 0)
            QSKIP("no right to make a host name namespace here");
        const QString name = "KeltHostName";
        QProcess holder;
        holder.start("unshare",
                     QStringList{"-u", "sh", "-c", "hostname kelt-elsewhere && exec \"$0\" \"$@\"",
                                 Probe(), name, "hold"} +
                         ProbePlaces(OwnLockPlaces()));
        QCOMPARE(FirstLine(holder), QString("acquired"));
        QVERIFY(!SingleInstance(name, OwnLockPlaces()).tryAcquire());
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
    }

    void settingsNeverHoldTheProgram_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("atLock"); // beside the file, or in its place
        QTest::addColumn<bool>("saves");
        for (const char *kind : {"empty", "garbage", "other host", "directory", "fifo"})
            QTest::newRow(qPrintable(QString("lock: ") + kind)) << kind << true << true;
        QTest::newRow("lock: full directory") << "full directory" << true << false;
        for (const char *kind : {"fifo", "directory", "device"})
            QTest::newRow(qPrintable(QString("file: ") + kind)) << kind << false << false;
    }
    void settingsNeverHoldTheProgram()
    {
        QFETCH(QString, kind);
        QFETCH(bool, atLock);
        QFETCH(bool, saves);
        const QString app = "KeltStore" + QString::number(QTest::currentDataTag()[0] == 'l') +
                            QString(kind).remove(' ');
        const QString file = settingsFile(app);
        Leave(kind, atLock ? file + ".lock" : file);
        SettingsStore store(app);

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(store.GetSetting("Duration"), QString());
        QVERIFY2(timer.elapsed() < TimeLimitMs(1000), qPrintable(QString::number(timer.elapsed())));
        timer.restart();
        QCOMPARE(store.SaveSetting("Duration", "2026-12-08"), saves);
        QVERIFY2(timer.elapsed() < TimeLimitMs(1500), qPrintable(QString::number(timer.elapsed())));
        if (saves) {
            QCOMPARE(store.GetSetting("Duration"), QString("2026-12-08"));
            // Written whole, and nothing of the writing left beside it.
            QCOMPARE(
                QDir(QFileInfo(file).path()).entryList({app + ".ini*"}, QDir::Files | QDir::System),
                QStringList{app + ".ini"});
        } else {
            QVERIFY(QFileInfo::exists(file) || QFileInfo(file).isSymLink() ||
                    kind == "full directory");
        }
    }

    // The store writes only its own file: never through a link, never over someone else's.
    void settingsNeverWriteThroughALink_data()
    {
        QTest::addColumn<QString>("linked"); // the file, or its folder
        QTest::newRow("file") << "file";
        QTest::newRow("folder") << "folder";
        QTest::newRow("someone else's file") << "other";
    }
    void settingsNeverWriteThroughALink()
    {
        QFETCH(QString, linked);
        QTemporaryDir dir;
        const auto config = ScopedEnv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        const QString folder = dir.filePath("SarvelSoftwares");
        const QString file = folder + "/KeltLinked.ini";
        const QString target = dir.filePath("target.txt");
        WriteFile(target, "mine");
        if (linked == "folder") {
            QVERIFY(QDir().mkpath(dir.filePath("elsewhere")));
            QVERIFY(QFile::link(dir.filePath("elsewhere"), folder));
        } else {
            QVERIFY(QDir().mkpath(folder));
            if (linked == "file") {
                QVERIFY(QFile::link(target, file));
            } else {
                WriteFile(file, "[Settings]\n");
                if (::chown(QFile::encodeName(file).constData(), 65534, 65534) != 0)
                    QSKIP("only root can give a file to someone else");
            }
        }
        SettingsStore store("KeltLinked");
        QVERIFY(!store.SaveSetting("Duration", "2026-12-08"));
        QCOMPARE(store.GetSetting("Duration"), QString());
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
        QCOMPARE(QDir(dir.filePath("elsewhere")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        if (linked != "other")
            QVERIFY(QFileInfo(linked == "file" ? file : folder).isSymLink());
    }

#endif

    // A referral goes out whole up to the longest address the desktop takes, and past it is
    // refused with a message, nothing cut, a megabyte in a name box included.
    void referralsPastTheLimitAreRefused_data()
    {
        QTest::addColumn<int>("past"); // characters of the address past the limit
        QTest::addColumn<bool>("pasted");
        QTest::newRow("at the limit") << 0 << false;
        QTest::newRow("one past it") << 1 << false;
        QTest::newRow("a megabyte in a name box") << 0 << true;
    }
    void referralsPastTheLimitAreRefused()
    {
        QFETCH(int, past);
        QFETCH(bool, pasted);
        f.start();
        f.openExitWindow();
        const auto box = [this](const char *name) {
            return f.child<QLineEdit>(f.exitWindow(), name);
        };
        const modTellAFriend values = ReferralFor();
        box("txtName")->setText(values.ReferrerName);
        box("txtEmail")->setText(values.ReferrerEmail);
        box("txtFriendName")->setText(pasted ? QString(1000000, 'b') : values.FriendName);
        box("txtFriendEmail")->setText(values.FriendEmail);
        const QString typed = MessageOfLength(values, modHelp::MaxAddressLength + past);
        f.child<QPlainTextEdit>(f.exitWindow(), "txtMessage")->setPlainText(typed);

        QTest::mouseClick(f.child<QPushButton>(f.exitWindow(), "cmdSubmit"), Qt::LeftButton);
        if (past <= 0 && !pasted) {
            QVERIFY(f.messages->shown.empty());
            QCOMPARE(f.urls->opened.size(), 1);
            QCOMPARE(f.urls->opened.front().size(), modHelp::MaxAddressLength);
            QCOMPARE(QueryFields(f.urls->opened.front()).value(3).second,
                     QString(typed).replace("\n", "\r\n"));
        } else {
            QCOMPARE(
                f.messages->texts(),
                QStringList{"The Referral Is Too Long To Send. Please Shorten What You Typed."});
            QCOMPARE(f.messages->shown.front().icon, QMessageBox::Critical);
            QVERIFY(f.urls->opened.isEmpty());
        }
        f.finish();
    }

    // Referrals around the limit, handed to the desktop's own shell: under Wine, which cuts
    // longer addresses or crashes on them, those up to the limit reach the stand-in browser
    // that make windows puts behind Wine's browser bridge, to the last character, and the one
    // past it is refused.
    void addressesUpToTheLimitReachTheBrowserWhole()
    {
        const QDir handed(qEnvironmentVariable("KELT_STANDIN_BROWSER"));
        if (QGuiApplication::platformName() == "offscreen" || handed.path() == ".")
            QSKIP("needs a desktop that opens addresses, and a stand-in browser behind it");
        const auto arrived = [&handed] {
            const QStringList files = handed.entryList(QDir::Files);
            QFile file(handed.filePath(files.value(0)));
            return files.size() == 1 && file.open(QIODevice::ReadOnly) ? QString(file.readAll())
                                                                       : QString();
        };
        for (const int past : {-1, 0, 1}) {
            for (const QString &file : handed.entryList(QDir::Files))
                QFile::remove(handed.filePath(file));
            modTellAFriend referral = ReferralFor();
            ReferralValues typed = referral;
            typed.ReferralMessage =
                MessageOfLength(referral, modHelp::MaxAddressLength + past).replace("\n", "\r\n");
            const auto refused = referral.Refer(typed);
            QCOMPARE(refused.has_value(), past > 0);
            if (!refused)
                QTRY_COMPARE_WITH_TIMEOUT(arrived(), referral.ReferralAddress, 20000);
        }
    }

    void noAddressReachesTheLog()
    {
        // No browser anywhere, so Qt has something to complain of.
        QTemporaryDir empty;
        const auto path = ScopedEnv("PATH", QFile::encodeName(empty.path()));
        const auto browser = ScopedEnv("BROWSER", "");
        const auto defaultBrowser = ScopedEnv("DEFAULT_BROWSER", "");
        static QStringList logged;
        logged.clear();
        {
            const QtMessageHandler previous = qInstallMessageHandler(
                [](QtMsgType, const QMessageLogContext &, const QString &text) { logged << text; });
            const ScopeGuard restore([previous] { qInstallMessageHandler(previous); });
            modHelp::OpenInBrowser("http://www.sarvelsoftwares.com/?taf2=secret%40example.com");
        }
        QVERIFY2(logged.filter("secret").isEmpty(), qPrintable(logged.join('\n')));
    }
};

KELT_TEST_MAIN(FaultsTest)
#include "tst_faults.moc"
