#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

namespace kelt {

// --exact with its place (--place, or --lat, --lon and --zone) and --earlier or --later:
// prints the exact ascendant, descendant and UT instant, with no display needed.
class ExactCommand
{
public:
    ExactCommand();
    void AddTo(QCommandLineParser &parser) const;

    // The exit code when the command line asked for it (0, or 2 with one line on standard
    // error), nothing otherwise.
    std::optional<int> Answer(const QCommandLineParser &parser, const QString &program) const;

private:
    QCommandLineOption exact_;
    QCommandLineOption place_;
    QCommandLineOption latitude_;
    QCommandLineOption longitude_;
    QCommandLineOption zone_;
    QCommandLineOption earlier_;
    QCommandLineOption later_;
};

} // namespace kelt
