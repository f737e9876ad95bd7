#include "ProgramFixture.h"

#include "SettingsStore.h"
#include "SingleInstance.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kelt;
using namespace kelt::test;

namespace {

// What a copy in another process gets now: "acquired" or "refused".
QString ProbeOutcome(const QString &name, const QString &folder = SingleInstance::DefaultFolder())
{
    QProcess probe;
    probe.start(Probe(), {name, "-", folder});
    probe.waitForFinished(10000);
    return QString::fromLatin1(probe.readAllStandardOutput().trimmed());
}

#ifndef Q_OS_WIN
void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (kind == "link") {
        WriteFile(path + ".target", "mine");
        QVERIFY(QFile::link(path + ".target", path));
    } else {
        QFAIL("unknown leftover");
    }
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
    // the next start.
    void aKilledCopyNeverBlocksTheNext()
    {
        const QString name = "KeltKilledCopy";
        QProcess holder;
        holder.start(Probe(), {name, "hold"});
        QCOMPARE(FirstLine(holder), QString("acquired"));
        QCOMPARE(ProbeOutcome(name), QString("refused"));
        QVERIFY(!SingleInstance(name).tryAcquire());
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(ProbeOutcome(name), QString("acquired"));
    }

#ifndef Q_OS_WIN
    void leftoversNeverRefuseAStart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("suffix"); // at the lock's own path, or beside it
        QTest::addColumn<bool>("guarded");
        for (const char *kind :
             {"empty", "garbage", "unreadable", "other host", "directory", "fifo", "device"})
            QTest::newRow(qPrintable(QString("lock: ") + kind)) << kind << "" << true;
        // Nothing inside a folder is ever removed: the copy runs, unguarded.
        QTest::newRow("lock: full directory") << "full directory"
                                              << "" << false;
        for (const char *kind : {"empty", "directory", "fifo"})
            QTest::newRow(qPrintable(QString("rmlock: ") + kind)) << kind << ".rmlock" << true;
    }
    void leftoversNeverRefuseAStart()
    {
        QFETCH(QString, kind);
        QFETCH(QString, suffix);
        QFETCH(bool, guarded);
        QTemporaryDir dir;
        const QString folder = PrivateFolder(dir);
        const QString name = "KeltLeftover";
        Leave(kind, folder + "/" + name + ".lock" + suffix);
        QElapsedTimer timer;
        timer.start();
        {
            SingleInstance instance(name, folder);
            QVERIFY(instance.tryAcquire());
            QVERIFY2(timer.elapsed() < TimeLimitMs(1000),
                     qPrintable(QString::number(timer.elapsed())));
            QCOMPARE(!instance.lockFilePath().isEmpty(), guarded);
            QCOMPARE(ProbeOutcome(name, folder), QString(guarded ? "refused" : "acquired"));
        }
        QCOMPARE(ProbeOutcome(name, folder), QString("acquired"));
        if (kind == "full directory")
            QVERIFY(QFile::exists(folder + "/" + name + ".lock/keep.txt"));
    }

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
            WriteFile(folder, "x");
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
        holder.start(Probe(), {name, "hold"});
        QCOMPARE(FirstLine(holder), QString("acquired"));
        // This process runs with a private runtime folder of its own.
        QVERIFY(!SingleInstance(name).tryAcquire());
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(SingleInstance(name).tryAcquire());

        const QFileInfo place(SingleInstance::DefaultFolder());
        QCOMPARE(place.ownerId(), ::getuid());
        QCOMPARE(place.permissions() & 0x0077, QFileDevice::Permissions());
        QVERIFY(!place.isSymLink());
    }

    // A copy in a namespace with another host name is still this user's copy on this machine.
    void anotherHostNameIsStillRefused()
    {
        if (QProcess::execute("unshare", {"-u", "true"}) != 0)
            QSKIP("no right to make a host name namespace here");
        const QString name = "KeltHostName";
        QProcess holder;
        holder.start("unshare", {"-u", "sh", "-c", "hostname kelt-elsewhere && exec \"$0\" \"$@\"",
                                 Probe(), name, "hold"});
        QCOMPARE(FirstLine(holder), QString("acquired"));
        QVERIFY(!SingleInstance(name).tryAcquire());
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
    }

    void fullOrReadOnlyFolderStillStarts_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<bool>("guarded");
        QTest::newRow("read-only") << "ro,size=64k,mode=0700" << false;
        // The lock is an empty file: it needs no room.
        QTest::newRow("full") << "size=8k,mode=0700" << true;
    }
    void fullOrReadOnlyFolderStillStarts()
    {
        QFETCH(QString, options);
        QFETCH(bool, guarded);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("locks");
        ScratchMount mount(folder, options);
        if (!mount.mounted())
            QSKIP("mounting a tmpfs needs root with the right to mount; none here");
        if (guarded) {
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        SingleInstance instance("KeltFullFolder", folder);
        QVERIFY(instance.tryAcquire());
        QCOMPARE(!instance.lockFilePath().isEmpty(), guarded);
        if (guarded)
            QCOMPARE(ProbeOutcome("KeltFullFolder", folder), QString("refused"));

        // Nowhere to make a lock at all: the program runs anyway.
        WriteFile(scratch.filePath("plain"), "x");
        SingleInstance unguarded("KeltNowhere", scratch.filePath("plain/locks"));
        QVERIFY(unguarded.tryAcquire());
        QVERIFY(unguarded.lockFilePath().isEmpty());
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
