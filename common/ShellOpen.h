#pragma once
// The desktop's "open" for an address (a web page, a file). Tests install a handler
// that records what would have been opened.

#include <QString>
#include <functional>

using ShellOpenFn = std::function<bool(const QString& address)>;

// Opens the address with the desktop's default application; false if nothing could.
bool shellOpen(const QString& address);
// Installs a handler (an empty function restores the desktop's).
void setShellOpen(ShellOpenFn handler);
