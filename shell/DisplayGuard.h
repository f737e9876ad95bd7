#pragma once

#include <QtGlobal>

namespace kelt {

// Held while the application object is made: where no display can be opened, Qt would
// abort with a page of plugin messages; instead the program says so in one line and ends
// with status 1. Qt's other messages from that time are passed on once the guard goes.
class DisplayGuard
{
public:
    explicit DisplayGuard(const char *programPath);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

private:
    QtMessageHandler m_previous;
};

} // namespace kelt
