// `make bench`: start-up, a reading and peak memory of the program, each against a floor
// measured the same way in the same run: a bare Qt Widgets program with an empty window,
// the same with every text of the birth-details window (the text floor), a bare widget.
// Start-up and memory run the probes as child processes, interleaved with the floors' so
// that machine noise falls on all; start-up is measured on the offscreen platform and, where
// Xvfb is installed, on an X server. Readings run in this process.
//   kelt_bench [--wine FOLDER]  also the Windows build's start-up under Wine, on the native
//                               platform on the X server, against the Windows build of the
//                               text floor (the probes in FOLDER; scripts/windows/bench.sh)
#include "ApplicationSetup.h"
#include "MessageBox.h"
#include "PlaceData.h"
#include "ProbeSupport.h"
#include "Program.h"
#include "ReadingDriver.h"
#include "ReminderDate.h"
#include "Scramble.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace kelt::bench;

constexpr int StartupRuns = 36;
constexpr int MemoryRuns = 20;
constexpr int ReadingRounds = 20; // each round reads all twelve signs
constexpr int WarmUpRuns = 2;
constexpr int ChildLimitMs = 30000;

// Targets.
constexpr double StartupRatioLimit = 1.25; // against the text floor
constexpr double ReadingLimitMs = 2.0;
constexpr double MemoryExtraLimitMb = 10.0;
constexpr double KeystrokeLimitMs = 16.0; // every keystroke of the town search, within a frame

struct Stats
{
    int n = 0;
    double median = 0, q1 = 0, q3 = 0, min = 0, max = 0;
};

double Quantile(const std::vector<double> &sorted, double q)
{
    const double pos = q * static_cast<double>(sorted.size() - 1);
    const auto low = static_cast<std::size_t>(pos);
    const std::size_t high = std::min(low + 1, sorted.size() - 1);
    return sorted[low] + (sorted[high] - sorted[low]) * (pos - static_cast<double>(low));
}

Stats Summarise(std::vector<double> values)
{
    Stats s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    s.n = static_cast<int>(values.size());
    s.median = Quantile(values, 0.5);
    s.q1 = Quantile(values, 0.25);
    s.q3 = Quantile(values, 0.75);
    s.min = values.front();
    s.max = values.back();
    return s;
}

[[noreturn]] void Fail(const QString &what)
{
    std::fprintf(stderr, "bench: %s\n", qPrintable(what));
    std::exit(2);
}

struct ProbeResult
{
    double paintedMs = 0;
    double readingShownMs = 0;
    double peakMb = 0;
};

// Where a probe draws: the offscreen platform, or the X server on this display.
QString XServer;
// The Windows probes' folder, when they run under Wine too.
QString WineFolder;

enum class Platform
{
    Offscreen,
    X,
    Wine
};

// The settings of a program that reminded its user today, as on 14 starts in 15: the
// reminder reads its date and asks nothing and stores nothing.
void StoreReminderDate(const QString &configFolder, const QString &program)
{
    QSettings settings(configFolder + QStringLiteral("/SarvelSoftwares/") +
                           QFileInfo(program).completeBaseName() + QStringLiteral(".ini"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("Settings/") + kelt::ScrambleText(QStringLiteral("Duration")),
                      kelt::ScrambleText(kelt::FormatReminderDate(QDate::currentDate())));
}

// One child from process start to its "painted" line, each with a fresh 0700 runtime
// folder for the lock and fresh settings: a first start (the reminder stores the date),
// or, with `reminded`, a start on the day of the last reminder. Under Wine the settings
// are those of the Wine folder, where the warm-up's first start stored the date.
ProbeResult RunProbe(const QString &program, const QStringList &args,
                     Platform platform = Platform::Offscreen, bool reminded = false)
{
    const bool reading = args.contains(QStringLiteral("reading"));
    QTemporaryDir dir; // created 0700
    if (!dir.isValid())
        Fail(QStringLiteral("no temporary folder"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               platform == Platform::X ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
    if (platform != Platform::Offscreen)
        env.insert(QStringLiteral("DISPLAY"), XServer);
    // Wine keeps the QT_ variables from Windows programs; a WINE prefix hands them on.
    env.insert(QStringLiteral("WINEQT_QPA_PLATFORM"), QStringLiteral("windows"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
    if (reminded && platform != Platform::Wine)
        StoreReminderDate(dir.filePath(QStringLiteral("config")), program);

    QProcess child;
    if (platform == Platform::Wine) {
        child.setProgram(QStringLiteral("wine"));
        child.setArguments(QStringList{QDir(WineFolder).filePath(program + ".exe")} + args);
    } else {
        child.setProgram(program);
        child.setArguments(args);
    }
    child.setProcessEnvironment(env);
    child.setStandardErrorFile(QProcess::nullDevice());

    ProbeResult result;
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    child.start();
    // A Windows program's lines end in CR LF.
    const auto read = [&] { out += child.readAllStandardOutput().replace('\r', ""); };
    while (!out.contains("painted\n")) {
        if (!child.waitForReadyRead(ChildLimitMs))
            Fail(program + QStringLiteral(" never painted: ") + QString::fromLatin1(out));
        read();
    }
    result.paintedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    if (!child.waitForFinished(ChildLimitMs)) {
        child.kill();
        child.waitForFinished();
        Fail(program + QStringLiteral(" did not end"));
    }
    read();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        Fail(program + QStringLiteral(" failed: ") + QString::fromLatin1(out));

    bool sawReading = false;
    bool sawPeak = false;
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.value(0) == "message")
            Fail(program + QStringLiteral(" showed a message box"));
        if (words.value(0) == "reading" && words.size() >= 2) {
            result.readingShownMs = words[1].toDouble();
            sawReading = true;
        }
        if (words.value(0) == "vmhwm" && words.size() >= 2) {
            result.peakMb = words[1].toDouble() / 1024.0;
            sawPeak = result.peakMb > 0;
        }
    }
    if (reading && (!sawReading || !sawPeak))
        Fail(program + QStringLiteral(" reported no reading or memory: ") +
             QString::fromLatin1(out));
    return result;
}

struct Series
{
    std::vector<double> ours;
    std::vector<double> floor;
};

// Alternates which of the pair goes first, so neither always runs on a warmer machine.
template <typename Measure> void Interleave(int runs, Measure &&measure)
{
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            measure(true);
            measure(false);
        } else {
            measure(false);
            measure(true);
        }
    }
}

struct ReadingSeries
{
    Series shown;
    Series painted;
};

// Readings in this process: all twelve signs per round, each followed by Back and by the
// floor (a bare widget the size of the result window, created and shown).
ReadingSeries RunReadings()
{
    ReadingSeries series;
    int messages = 0;
    kelt::MessageBox::setHandler([&messages](const kelt::MessageBox::Request &) {
        ++messages;
        return QMessageBox::No;
    });

    PaintWatcher watcher;
    kelt::Program program;
    program.setQuitFunction([] {});
    watcher.arm(QStringLiteral("frmMain"));
    if (!program.StartProgram() || !ProcessUntil([&] { return watcher.painted(); }))
        Fail(QStringLiteral("the program did not start in this process"));

    QSet<QString> signs;
    // Round -1 is not timed: the first use loads each picture once.
    for (int round = -1; round < ReadingRounds; ++round) {
        for (int sign = 0; sign < SignCount; ++sign) {
            ShowTimes ours;
            QString shownSign;
            if (!TimeReading(program, watcher, sign, ours, shownSign) || !GoBack(watcher))
                Fail(QStringLiteral("a reading did not show or return"));
            signs.insert(shownSign);

            ShowTimes floor;
            std::unique_ptr<QWidget> bare;
            const bool floorShown = TimeShow(
                watcher, QStringLiteral("floorDisplay"),
                [&bare] {
                    bare = std::make_unique<QWidget>();
                    bare->setObjectName(QStringLiteral("floorDisplay"));
                    bare->setFixedSize(697, 368);
                    bare->show();
                },
                floor);
            if (!floorShown)
                Fail(QStringLiteral("the bare widget did not show"));
            bare.reset();
            QCoreApplication::processEvents();

            if (round < 0)
                continue;
            series.shown.ours.push_back(ours.shownMs);
            series.shown.floor.push_back(floor.shownMs);
            series.painted.ours.push_back(ours.paintedMs);
            series.painted.floor.push_back(floor.paintedMs);
        }
    }
    signs.remove(QString());
    if (signs.size() != SignCount || messages != 0)
        Fail(QStringLiteral("expected twelve different signs and no message, got %1 signs, "
                            "%2 messages")
                 .arg(signs.size())
                 .arg(messages));
    kelt::MessageBox::setHandler({});
    return series;
}

struct SearchSeries
{
    std::vector<double> loadMs;
    std::vector<double> keystrokeMs;
};

// The town search as the exact descendant's window asks it, a keystroke at a time over the
// whole list: every beginning of every 97th town's label, and two texts no town begins
// with, which pass over every town. The list's load is timed once, as a first use would.
SearchSeries RunTownSearches()
{
    SearchSeries series;
    QElapsedTimer clock;
    clock.start();
    const kelt::TownList &towns = kelt::content::Towns();
    series.loadMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (towns.size() == 0)
        Fail(QStringLiteral("no town list"));
    std::vector<std::string> texts = {"xq", "zzzz, zz"};
    for (std::size_t i = 0; i < towns.size(); i += 97)
        texts.push_back(towns.Label(i));
    std::size_t found = 0;
    for (const std::string &text : texts) {
        for (std::size_t length = 1; length <= text.size(); ++length) {
            // Keystrokes end on whole characters.
            if (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
                continue;
            // The best of three: what the search costs, without another process's turn
            // on a shared machine.
            double best = 0;
            for (int run = 0; run < 3; ++run) {
                clock.restart();
                found += towns.Search(std::string_view(text).substr(0, length)).size();
                const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                best = run == 0 ? ms : std::min(best, ms);
            }
            series.keystrokeMs.push_back(best);
        }
    }
    if (found == 0)
        Fail(QStringLiteral("the town search found nothing"));
    return series;
}

QString FirstMatch(const QString &path, const QString &prefix)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // Files in /proc tell no size, so read them whole rather than up to atEnd().
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (line.startsWith(prefix))
            return line.mid(line.indexOf(QLatin1Char(':')) + 1).trimmed();
    return {};
}

QString WineVersion()
{
    QProcess wine;
    wine.start(QStringLiteral("wine"), {QStringLiteral("--version")});
    wine.waitForFinished(ChildLimitMs);
    return QString::fromLocal8Bit(wine.readAllStandardOutput()).trimmed();
}

void PrintMachine()
{
    const QString cpu = FirstMatch(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"));
    const double ramGb = FirstMatch(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"))
                             .split(QLatin1Char(' '))
                             .value(0)
                             .toDouble() /
                         (1024.0 * 1024.0);
    std::printf("Machine: %s, %d cores, %.1f GB RAM; Qt %s, offscreen platform, %s build\n",
                cpu.isEmpty() ? "unknown CPU" : qPrintable(cpu), QThread::idealThreadCount(), ramGb,
                qVersion(), KELT_BUILD_TYPE);
    if (!WineFolder.isEmpty())
        std::printf("Under Wine: %s, the Windows build's probes from %s, native platform\n",
                    qPrintable(WineVersion()), qPrintable(WineFolder));
}

struct Row
{
    const char *figure;
    Stats ours;
    Stats floor;
    const char *target;
    std::optional<bool> met;
};

std::string Cell(const Stats &s)
{
    char text[96];
    std::snprintf(text, sizeof text, "%7.2f  %7.2f-%-7.2f  %7.2f-%-7.2f", s.median, s.q1, s.q3,
                  s.min, s.max);
    return text;
}

void PrintTable(const std::vector<Row> &rows)
{
    std::printf("\n%-38s %4s | %-7s  %-15s  %-15s | %-7s  %-15s  %-15s | %6s %7s | %-18s %s\n",
                "figure", "n", "ours", "IQR", "min-max", "floor", "IQR", "min-max", "ratio", "diff",
                "target", "met");
    std::printf("%s\n", std::string(177, '-').c_str());
    for (const Row &row : rows) {
        const double ratio = row.floor.median > 0 ? row.ours.median / row.floor.median : 0;
        std::printf("%-38s %4d | %s | %s | %6.2f %+7.2f | %-18s %s\n", row.figure, row.ours.n,
                    Cell(row.ours).c_str(), Cell(row.floor).c_str(), ratio,
                    row.ours.median - row.floor.median, row.target,
                    row.met ? (*row.met ? "yes" : "NO") : "-");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // This process runs the program too: keep its settings and lock out of the user's.
    QTemporaryDir own;
    if (!own.isValid())
        Fail(QStringLiteral("no temporary folder"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", own.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", own.filePath(QStringLiteral("config")).toUtf8());

    QApplication app(argc, argv);
    kelt::SetUpApplication();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--wine"))
        WineFolder = arguments[2];
    else if (arguments.size() != 1)
        Fail(QStringLiteral("usage: kelt_bench [--wine FOLDER]"));

    const QDir here(QCoreApplication::applicationDirPath());
    const QString startupProbe = here.filePath(QStringLiteral("kelt_startup_probe"));
    const QString floorProbe = here.filePath(QStringLiteral("kelt_floor_probe"));
    for (const QString &probe : {startupProbe, floorProbe})
        if (!QFile::exists(probe))
            Fail(probe + QStringLiteral(" is missing; build it first"));

    PrintMachine();
    QProcess xvfb;
    if (!QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        // Xvfb picks a free display and writes its number to the given descriptor.
        xvfb.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("1280x1024x24")});
        if (xvfb.waitForReadyRead(10000))
            XServer = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
    }
    if (XServer.isEmpty())
        std::printf("No Xvfb: start-up on the offscreen platform only.\n");
    if (XServer.isEmpty() && !WineFolder.isEmpty()) {
        std::printf("No Xvfb: no start-up under Wine either.\n");
        WineFolder.clear();
    }
    const bool wine = !WineFolder.isEmpty();

    std::printf("Warming up...\n");
    std::fflush(stdout);
    for (int i = 0; i < WarmUpRuns; ++i) {
        RunProbe(startupProbe, {QStringLiteral("reading")});
        RunProbe(floorProbe, {QStringLiteral("text")});
        RunProbe(floorProbe, {});
        if (wine) {
            RunProbe(QStringLiteral("kelt_startup_probe"), {}, Platform::Wine);
            RunProbe(QStringLiteral("kelt_floor_probe"), {QStringLiteral("text")}, Platform::Wine);
        }
    }

    std::printf("Start-up, %d runs each of the program and the two floors%s%s...\n", StartupRuns,
                XServer.isEmpty() ? "" : ", offscreen and on Xvfb",
                wine ? ", and of the program and the text floor under Wine" : "");
    std::fflush(stdout);
    struct StartupSeries
    {
        std::vector<double> ours, first, text, empty;
    } offscreen, onX, onWine;
    struct Kind
    {
        std::vector<double> *series;
        std::function<double()> run;
    };
    std::vector<Kind> kinds;
    for (const Platform p : {Platform::Offscreen, Platform::X}) {
        if (p == Platform::X && XServer.isEmpty())
            continue;
        StartupSeries &series = p == Platform::X ? onX : offscreen;
        kinds.push_back(
            {&series.ours, [=] { return RunProbe(startupProbe, {}, p, true).paintedMs; }});
        kinds.push_back({&series.text, [=] {
                             return RunProbe(floorProbe, {QStringLiteral("text")}, p).paintedMs;
                         }});
        kinds.push_back({&series.empty, [=] { return RunProbe(floorProbe, {}, p).paintedMs; }});
        kinds.push_back({&series.first, [=] { return RunProbe(startupProbe, {}, p).paintedMs; }});
    }
    if (wine) {
        kinds.push_back({&onWine.ours, [] {
                             return RunProbe(QStringLiteral("kelt_startup_probe"), {},
                                             Platform::Wine)
                                 .paintedMs;
                         }});
        kinds.push_back({&onWine.text, [] {
                             return RunProbe(QStringLiteral("kelt_floor_probe"),
                                             {QStringLiteral("text")}, Platform::Wine)
                                 .paintedMs;
                         }});
    }
    for (int i = 0; i < StartupRuns; ++i) {
        // Each goes first in turn, so none always runs on a warmer machine.
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const Kind &kind = kinds[(std::size_t(i) + k) % kinds.size()];
            kind.series->push_back(kind.run());
        }
    }

    std::printf("Start, one reading, end: %d runs each...\n", MemoryRuns);
    std::fflush(stdout);
    Series memory;
    Series firstReading;
    Interleave(MemoryRuns, [&](bool ours) {
        const ProbeResult r =
            RunProbe(ours ? startupProbe : floorProbe, {QStringLiteral("reading")});
        (ours ? memory.ours : memory.floor).push_back(r.peakMb);
        (ours ? firstReading.ours : firstReading.floor).push_back(r.readingShownMs);
    });

    std::printf("Readings in one process, %d rounds of %d signs...\n", ReadingRounds, SignCount);
    std::fflush(stdout);
    const ReadingSeries readings = RunReadings();

    std::printf("Town search, a keystroke at a time...\n");
    std::fflush(stdout);
    const SearchSeries search = RunTownSearches();

    std::vector<Row> rows;
    const auto startupRows = [&rows](const StartupSeries &series, const char *vsText,
                                     const char *firstVsText, const char *vsEmpty) {
        const Stats ours = Summarise(series.ours);
        const Stats text = Summarise(series.text);
        rows.push_back({vsText, ours, text, "<= 1.25 x text floor",
                        ours.median <= StartupRatioLimit * text.median});
        rows.push_back(
            {firstVsText, Summarise(series.first), text, "(for information)", std::nullopt});
        rows.push_back({vsEmpty, ours, Summarise(series.empty), "(for information)", std::nullopt});
    };
    startupRows(offscreen, "start-up vs text floor, offscreen",
                "first start vs text floor, offscreen", "start-up vs empty floor, offscreen");
    if (!XServer.isEmpty())
        startupRows(onX, "start-up vs text floor, Xvfb", "first start vs text floor, Xvfb",
                    "start-up vs empty floor, Xvfb");
    if (wine)
        rows.push_back({"start-up vs text floor, Wine", Summarise(onWine.ours),
                        Summarise(onWine.text), "(for information)", std::nullopt});
    const Stats readOurs = Summarise(readings.shown.ours);
    rows.push_back({"reading, click to shown (ms)", readOurs, Summarise(readings.shown.floor),
                    "< 2 ms", readOurs.median < ReadingLimitMs});
    rows.push_back({"reading, click to painted (ms)", Summarise(readings.painted.ours),
                    Summarise(readings.painted.floor), "(for information)", std::nullopt});
    rows.push_back({"first reading of a process (ms)", Summarise(firstReading.ours),
                    Summarise(firstReading.floor), "(for information)", std::nullopt});
    const Stats memOurs = Summarise(memory.ours);
    const Stats memFloor = Summarise(memory.floor);
    rows.push_back({"peak memory, start+reading (MB)", memOurs, memFloor, "<= floor + 10 MB",
                    memOurs.median - memFloor.median <= MemoryExtraLimitMb});
    const Stats keystroke = Summarise(search.keystrokeMs);
    rows.push_back({"town search, a keystroke (ms)", keystroke, Stats(), "max < 16 ms",
                    keystroke.max < KeystrokeLimitMs});
    rows.push_back({"town list, first load (ms)", Summarise(search.loadMs), Stats(),
                    "(for information)", std::nullopt});
    PrintTable(rows);

    int met = 0;
    int targets = 0;
    for (const Row &row : rows) {
        if (!row.met)
            continue;
        ++targets;
        met += *row.met ? 1 : 0;
    }
    std::printf("\nMedians with interquartile range and min-max; diff = ours - floor (ms or "
                "MB).\nTargets met: %d of %d\n",
                met, targets);
    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }
    return 0;
}
