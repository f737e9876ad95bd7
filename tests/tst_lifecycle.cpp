#include "ProgramFixture.h"

#include "Content.h"
#include "Scramble.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QAction>
#include <QProcess>
#include <QSettings>

#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <sddl.h>
#endif

using namespace kelt;
using namespace kelt::test;

class LifecycleTest : public QObject
{
    Q_OBJECT

    ProgramFixture f;

private Q_SLOTS:
    void init() { f.start(); }

    void cleanup() { f.finishAllClosed(); }

    void closingMainWindow_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("exit button") << "button";
        QTest::newRow("file exit") << "menu";
        QTest::newRow("close box") << "close";
    }
    void closingMainWindow()
    {
        QFETCH(QString, route);
        if (route == "button")
            QTest::mouseClick(f.child<QPushButton>(f.main(), "cmdExit"), Qt::LeftButton);
        else if (route == "menu")
            f.main()->findChild<QAction *>("mnuExit")->trigger();
        else
            f.main()->close();
        QTRY_VERIFY(!f.program->loadedMain());
        QCOMPARE(f.visibleWindows(), QStringList{"frmNagScreen2"});
        QVERIFY(!f.program->loadedDisplay());
        QCOMPARE(f.quits, 0);
        QVERIFY(!f.program->hasEnded());
        // In front and active with Exit focused, so that Enter and Alt+X work at once.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(f.exitWindow()));
        QCOMPARE(QApplication::focusWidget(), f.child<QPushButton>(f.exitWindow(), "cmdClose"));
    }

    void closingResultWindow_data() { closingMainWindow_data(); }
    void closingResultWindow()
    {
        QFETCH(QString, route);
        f.makeReading();
        const int drawn = f.exitWindow()->supportTextIndex();
        if (route == "button")
            QTest::mouseClick(f.child<QPushButton>(f.display(), "cmdExit"), Qt::LeftButton);
        else if (route == "menu")
            f.display()->findChild<QAction *>("mnuExit")->trigger();
        else
            f.display()->close();
        QTRY_VERIFY(!f.program->loadedDisplay());
        QCOMPARE(f.visibleWindows(), QStringList{"frmNagScreen2"});
        QVERIFY(f.program->loadedMain()); // hidden, still loaded
        QCOMPARE(f.exitWindow()->supportTextIndex(), drawn);

        // Ending closes the hidden birth-details window without bringing the exit window back.
        QTest::mouseClick(f.child<QPushButton>(f.exitWindow(), "cmdClose"), Qt::LeftButton);
        QCOMPARE(f.quits, 1);
        QVERIFY(f.program->hasEnded());
        QTRY_VERIFY(!f.program->loadedMain());
        QTRY_VERIFY(!f.program->loadedExitWindow());
        QCOMPARE(f.visibleWindows(), QStringList());
    }

    void backThenCloseShowsTextDrawnAtFirstLoad()
    {
        f.makeReading();
        const int drawn = f.exitWindow()->supportTextIndex();
        f.display()->findChild<QAction *>("mnuFileBack")->trigger();
        QTRY_COMPARE(f.visibleWindows(), QStringList{"frmMain"});
        f.main()->close();
        QTRY_COMPARE(f.visibleWindows(), QStringList{"frmNagScreen2"});
        QCOMPARE(f.exitWindow()->supportTextIndex(), drawn);
        QCOMPARE(f.child<QLabel>(f.exitWindow(), "Label2")->text(),
                 content::Text(QString("exit/support%1.txt").arg(drawn)));
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("quits");
        QTest::newRow("main alt+e") << "E" << QStringList{"frmNagScreen2"} << 0;
        QTest::newRow("result alt+b") << "dB" << QStringList{"frmMain"} << 0;
        QTest::newRow("result alt+e") << "dE" << QStringList{"frmNagScreen2"} << 0;
        QTest::newRow("exit alt+x") << "EX" << QStringList{} << 1;
    }
    void accessKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, visible);
        QFETCH(int, quits);
        for (const QChar key : keys) {
            if (key == 'd') {
                f.makeReading();
                continue;
            }
            QWidget *target = f.main();
            if (f.display() && f.display()->isVisible())
                target = f.display();
            else if (f.exitWindow() && f.exitWindow()->isVisible())
                target = f.exitWindow();
            QWidget *focus = target->focusWidget() ? target->focusWidget() : target;
            QTest::keyClick(focus, Qt::Key(key.unicode()), Qt::AltModifier);
            QTest::qWait(0);
        }
        QTRY_COMPARE(f.visibleWindows(), visible);
        QCOMPARE(f.quits, quits);
    }

    void exitWindowCloseBoxEndsOnce()
    {
        f.openExitWindow();
        f.exitWindow()->close();
        QCOMPARE(f.quits, 1);
        f.program->EndProgram();
        QCOMPARE(f.quits, 1);
        QTRY_COMPARE(f.visibleWindows(), QStringList());
    }

    void secondCopyIsRefused()
    {
        Program second(OwnLockPlaces());
        int secondQuits = 0;
        second.setQuitFunction([&] { ++secondQuits; });
        QVERIFY(!second.StartProgram());
        QCOMPARE(f.messages->texts(), QStringList{"Application is already running"});
        QCOMPARE(f.messages->shown.front().icon, QMessageBox::Information);
        QCOMPARE(secondQuits, 1);
        QVERIFY(!second.loadedMain());
        // The running copy keeps its window.
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});
    }

    void simultaneousStartsLetExactlyOneRun()
    {
        const QString name = "KeltRaceProbe";
        for (int round = 0; round < 5; ++round) {
            QProcess a;
            QProcess b;
            const QStringList args = QStringList{name, "hold"} + ProbePlaces(OwnLockPlaces());
            a.start(Probe(), args);
            b.start(Probe(), args);
            // Both have decided once both have spoken; the winner holds until told.
            QStringList outcomes = {FirstLine(a), FirstLine(b)};
            for (QProcess *p : {&a, &b}) {
                p->closeWriteChannel();
                QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(10000));
            }
            outcomes.sort();
            QCOMPARE(outcomes, (QStringList{"acquired", "refused"}));
        }
    }

    void settingsRoundTripUnderScrambledKey()
    {
#ifdef Q_OS_WIN
        // Windows keeps it in the registry, where every earlier version kept it.
        const auto raw = [] {
            return std::make_unique<QSettings>(
                "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KeltStoreProbe",
                QSettings::NativeFormat);
        };
        raw()->remove("");
#else
        const auto raw = [] {
            return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                               "SarvelSoftwares", "KeltStoreProbe");
        };
        QVERIFY(raw()->fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
#endif
        SettingsStore store("KeltStoreProbe");
        QCOMPARE(store.GetSetting("Duration"), QString());
        QVERIFY(store.SaveSetting("Duration", "2026-12-08"));
        QCOMPARE(store.GetSetting("Duration"), QString("2026-12-08"));

        // What lies in the store is the scrambled key and value, under "Settings".
        const auto stored = raw();
        QCOMPARE(stored->childGroups(), QStringList{"Settings"});
        stored->beginGroup("Settings");
        QCOMPARE(stored->childKeys(), QStringList{ScrambleText("Duration")});
        QCOMPARE(stored->value(ScrambleText("Duration")).toString(), ScrambleText("2026-12-08"));

        // Another executable name has a store of its own.
        QCOMPARE(SettingsStore("KeltOtherName").GetSetting("Duration"), QString());
    }

    void unwritableStoreDoesNotStopTheProgram()
    {
        f.stop();
#ifdef Q_OS_WIN
        // The program's key open to reading only, as on a locked-down account.
        const QString key = "Software\\VB and VBA Program Settings\\KeltReadOnly";
        const auto path = reinterpret_cast<const wchar_t *>(key.utf16());
        RegDeleteTreeW(HKEY_CURRENT_USER, path);
        HKEY handle = nullptr;
        QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &handle, nullptr),
                 LONG(ERROR_SUCCESS));
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;CI;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr));
        QCOMPARE(RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, readOnly),
                 LONG(ERROR_SUCCESS));
        LocalFree(readOnly);
        const ScopeGuard restore([handle, path] {
            PSECURITY_DESCRIPTOR open = nullptr;
            ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;CI;KA;;;WD)",
                                                                 SDDL_REVISION_1, &open, nullptr);
            RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, open);
            LocalFree(open);
            RegCloseKey(handle);
            RegDeleteTreeW(HKEY_CURRENT_USER, path);
        });
#else
        // A folder inside a plain file cannot be made, not even by root.
        const QString blocker = qEnvironmentVariable("XDG_CONFIG_HOME") + "/blocker";
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const auto config = ScopedEnv("XDG_CONFIG_HOME", QFile::encodeName(blocker + "/config"));
#endif
        QVERIFY(!SettingsStore("KeltReadOnly").SaveSetting("Duration", "x"));
        QCOMPARE(SettingsStore("KeltReadOnly").GetSetting("Duration"), QString());
        f.start();
        QCOMPARE(f.visibleWindows(), QStringList{"frmMain"});
    }
};

KELT_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
