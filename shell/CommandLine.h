#pragma once

#include <optional>

namespace kelt {

// Answers --help and --version, and refuses an option the program does not know, before
// anything needs a display. Gives the exit code when the command line was answered here,
// nothing when the program should start. Qt's own options (-platform, -style, ...) pass.
std::optional<int> AnswerCommandLine(int argc, char *argv[]);

} // namespace kelt
