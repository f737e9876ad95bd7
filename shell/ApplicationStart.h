#pragma once

#include <memory>

class QApplication;

namespace kelt {

// The application object, or, where no display can be opened, one line on standard error
// and exit status 1: Qt would abort the process there and leave a core behind.
std::unique_ptr<QApplication> CreateApplicationOrExit(int &argc, char **argv);

} // namespace kelt
