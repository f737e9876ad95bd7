#include "ProgramFixture.h"

#include "SettingsStore.h"
#include "SingleInstance.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelt;
using namespace kelt::test;

namespace {

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
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else {
        QFAIL("unknown leftover");
    }
}

QString Probe()
{
    return QCoreApplication::applicationDirPath() + "/kelt_lockprobe";
}

// Whether a copy in another process would be refused now.
QString ProbeOutcome(const QString &name)
{
    QProcess probe;
    probe.start(Probe(), {name});
    probe.waitForFinished(10000);
    return QString::fromLatin1(probe.readAllStandardOutput().trimmed());
}

QString UserName()
{
    const passwd *entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

    QString runtime() const { return qEnvironmentVariable("XDG_RUNTIME_DIR"); }
    static QString settingsFile(const QString &app)
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/SarvelSoftwares/" + app + ".ini";
    }

private Q_SLOTS:
    void singleInstanceTakesOverWhatIsNoLiveLock_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"empty", "garbage", "unreadable", "other host", "directory",
                                 "full directory", "fifo", "device"})
            QTest::newRow(kind) << kind;
    }
    void singleInstanceTakesOverWhatIsNoLiveLock()
    {
        QFETCH(QString, kind);
        const QString name = "KeltLeftover" + QString(kind).remove(' ');
        const QString path = runtime() + "/" + name + ".lock";
        Leave(kind, path);
        QElapsedTimer timer;
        timer.start();
        {
            SingleInstance instance(name);
            QVERIFY(instance.tryAcquire());
            QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
            QVERIFY(!instance.lockFilePath().isEmpty());
            // The lock is really held: another copy is refused now.
            QCOMPARE(ProbeOutcome(name), QString("refused"));
        }
        QCOMPARE(ProbeOutcome(name), QString("acquired"));
        if (kind == "full directory")
            QVERIFY(QFile::exists(path + "/keep.txt"));
    }

    void unusableRuntimeFolderStillStarts_data()
    {
        QTest::addColumn<QString>("options");
        QTest::newRow("read-only") << "ro,size=64k,mode=0700";
        QTest::newRow("full") << "size=8k,mode=0700";
    }
    void unusableRuntimeFolderStillStarts()
    {
        QFETCH(QString, options);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("runtime");
        ScratchMount mount(folder, options);
        if (!mount.mounted())
            QSKIP("mounting a tmpfs needs root with the right to mount; none here");
        if (!options.startsWith("ro")) {
            // Fill it to the last byte.
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        const auto env = ScopedEnv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
        const QString name = "KeltUnusableRuntime";
        SingleInstance instance(name);
        QVERIFY(instance.tryAcquire());
        // Taken in the private folder instead, so one copy is still guaranteed.
        QVERIFY(!instance.lockFilePath().isEmpty());
        QVERIFY(!instance.lockFilePath().startsWith(folder));
        QCOMPARE(ProbeOutcome(name), QString("refused"));

        // Nowhere to make a lock at all: the program runs anyway.
        const QString plainFile = scratch.filePath("plain");
        WriteFile(plainFile, "x");
        const auto cache = ScopedEnv("XDG_CACHE_HOME", QFile::encodeName(plainFile + "/cache"));
        SingleInstance unguarded("KeltNowhere");
        QVERIFY(unguarded.tryAcquire());
        QVERIFY(unguarded.lockFilePath().isEmpty());
    }

    void anotherUsersLockInTheSharedFolderIsNeverMet()
    {
        // The runtime folder cannot be had: XDG_RUNTIME_DIR is no folder, and Qt's own
        // fallback in the temporary folder is blocked by a plain file.
        QTemporaryDir shared;
        const auto tmp = ScopedEnv("TMPDIR", QFile::encodeName(shared.path()));
        WriteFile(shared.filePath("not-a-folder"), "x");
        const auto env =
            ScopedEnv("XDG_RUNTIME_DIR", QFile::encodeName(shared.filePath("not-a-folder")));
        WriteFile(shared.filePath("runtime-" + UserName()), "x");
        const QString name = "KeltSharedTemp";
        const QString foreign = shared.filePath(name + ".lock");
        WriteFile(foreign, "1\nKeltFreeDescendantAstrology\n");
        QFile::setPermissions(foreign, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ReadOther);
        if (::getuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);

        for (const QString &folder : SingleInstance::lockDirectories()) {
            QVERIFY2(!folder.startsWith(shared.path()), qPrintable(folder));
            QCOMPARE(QFileInfo(folder).permissions() &
                         (QFileDevice::ReadOther | QFileDevice::WriteOther |
                          QFileDevice::ReadGroup | QFileDevice::WriteGroup),
                     QFileDevice::Permissions());
        }
        SingleInstance instance(name);
        QVERIFY(instance.tryAcquire());
        QVERIFY(!instance.lockFilePath().isEmpty());
        QVERIFY(QFile::exists(foreign));
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
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        timer.restart();
        QCOMPARE(store.SaveSetting("Duration", "2026-12-08"), saves);
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
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

    void startUpIsNotHeldByALeftoverSettingsLock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("atLock");
        QTest::newRow("empty lock") << "empty" << true;
        QTest::newRow("directory lock") << "directory" << true;
        QTest::newRow("fifo in place of the file") << "fifo" << false;
    }
    void startUpIsNotHeldByALeftoverSettingsLock()
    {
        QFETCH(QString, kind);
        QFETCH(bool, atLock);
        const QString file = settingsFile(SettingsStore::ExecutableBaseName());
        QFile::remove(file);
        QDir(file + ".lock").removeRecursively();
        QFile::remove(file + ".lock");
        Leave(kind, atLock ? file + ".lock" : file);
        QElapsedTimer timer;
        timer.start();
        f.start();
        QVERIFY2(timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});
        f.finish();
        QFile::remove(file);
        QDir().rmdir(file + ".lock");
        QFile::remove(file + ".lock");
    }

    void fitEditCutsOnlyWhatWouldNotFit_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("room"); // address characters the box may take
        QTest::addColumn<QString>("kept");
        QTest::newRow("fits") << "ab"
                              << "abc" << 3 << "abc";
        QTest::newRow("typed past the end") << "abc"
                                            << "abcd" << 3 << "abc";
        QTest::newRow("paste cut") << "ab"
                                   << "a123456b" << 5 << "a123b";
        QTest::newRow("deletion") << "abcdef"
                                  << "abef" << 3 << "abef";
        QTest::newRow("no half emoji")
            << "" << QString::fromUtf16(u"x\U0001F600\U0001F600") << 2 << "x";
    }
    void fitEditCutsOnlyWhatWouldNotFit()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, room);
        QFETCH(QString, kept);
        // An address that grows by one per UTF-16 unit, with the box's room left at the end.
        const auto addressWith = [room](const QString &text) {
            return MaxAddressLength - room + text.size();
        };
        QCOMPARE(modTellAFriend::FitEdit(before, after, addressWith), kept);
    }

    void hugeInputStopsAtTheAddressLimitAndArrivesWhole()
    {
        f.start();
        f.main()->close();
        QTRY_VERIFY(f.nag() && f.nag()->isVisible());
        const auto box = [this](const char *name) { return f.child<QLineEdit>(f.nag(), name); };
        box("txtName")->setText("Ann");
        box("txtEmail")->setText("ann@example.com");
        box("txtFriendEmail")->setText("bob@example.com");
        // A pasted megabyte: more than the 32,767 characters a line box takes by default.
        box("txtFriendName")->selectAll();
        box("txtFriendName")->insert(QString(1000000, 'b'));
        const int kept = box("txtFriendName")->text().size();
        QVERIFY2(kept > 32767, qPrintable(QString::number(kept)));
        // The next key no longer fits.
        QTest::keyClick(box("txtFriendName"), Qt::Key_B);
        QCOMPARE(box("txtFriendName")->text().size(), kept);

        // The message takes the rest, emoji and all, and is cut without splitting one.
        auto *message = f.child<QPlainTextEdit>(f.nag(), "txtMessage");
        box("txtFriendName")->setText("Bob");
        message->selectAll();
        QString emoji;
        for (int i = 0; i < 11000; ++i)
            emoji += QString::fromUtf16(u"\U0001F600");
        message->insertPlainText(QString::fromUtf16(u"Hi \u00A0there\u2028") + emoji);
        const QString typed = message->document()->toRawText();
        QVERIFY(typed.size() < 3 + 7 + 22000);
        QVERIFY(!typed.back().isHighSurrogate());

        QTest::mouseClick(f.child<QPushButton>(f.nag(), "cmdSubmit"), Qt::LeftButton);
        QVERIFY(f.messages->shown.empty());
        QCOMPARE(f.urls->opened.size(), 1);
        QVERIFY(f.urls->opened.front().size() <= MaxAddressLength);
        const auto fields = QueryFields(f.urls->opened.front());
        QCOMPARE(fields.value(3).first, QString("taf3"));
        // Sent exactly as typed: the no-break space and the line separator are kept.
        QCOMPARE(fields.value(3).second, typed);
        QCOMPARE(fields.value(4).second, QString("Bob"));
        f.finish();
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
