#pragma once

#include <QIcon>
#include <QString>

namespace kelt::content {

// A text carried with the program, e.g. "label61.txt" or "exit/support0.txt".
QString Text(const QString &name);
QIcon ProgramIcon();

} // namespace kelt::content
