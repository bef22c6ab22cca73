#pragma once
// What opening a workbook needs from the operating system: the desktop's own opener for
// a file, and a start of an opener whose failure is seen. Everything that depends on the
// operating system lives in the one file that implements this (OpenerPlatformPosix.cpp).

#include "exports/WorkbookOpener.h"

namespace OpenerPlatform {
// The desktop's opener with the file as its argument ("xdg-open" and the path).
OpenCommand desktopOpener(const QString& path);
// Starts the command on its own, apart from this program, and waits at most waitMs for
// it. True when it is still running then (it is the program that shows the file, and it
// stays when this program ends) or ended with success; false when it could not be
// started, or ended with a failure or a crash within the wait.
bool startOpener(const OpenCommand& command, int waitMs);
} // namespace OpenerPlatform
