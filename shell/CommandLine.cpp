#include "CommandLine.h"

#include "ExactCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace kelt {

namespace {

// The options QGuiApplication and QApplication take for themselves, those with a value first.
constexpr const char *QtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "name",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr const char *QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void Print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char *argv[])
{
    // A start from the desktop carries no arguments and pays nothing here.
    if (argc <= 1)
        return std::nullopt;

    // The parser needs an application object for the arguments; this one opens no display,
    // and is gone before the program's own is made.
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Tells you your descendant sign in Western astrology."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version."));
    parser.addOption(help);
    parser.addOption(version);
    const ExactCommand exact;
    exact.AddTo(parser);
    for (const char *name : QtValueOptions) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlagOptions) {
        QCommandLineOption option{QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    if (!parser.parse(QCoreApplication::arguments())) {
        Print(stderr,
              QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(program, parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("Kelt Descendant Astrology " KELT_VERSION "\n"));
        return 0;
    }
    return exact.Answer(parser, program);
}

} // namespace kelt
