#pragma once
// What any program of the system needs from the operating system: checks on a process by
// its number, and the requests to end this program (on POSIX the signals SIGINT, SIGTERM
// and SIGHUP), caught so that a tool can end cleanly. Everything that depends on the
// operating system lives in the one file that implements this (ProcessPlatformPosix.cpp);
// another system brings a file of its own with the same functions. The browser driver's
// process groups add to this in portal/ProcessPlatform.h.

#include <QByteArray>
#include <QString>

namespace ProcessPlatform {
bool isRunning(qint64 pid);
// Whether the process runs the named program, so that a reused number is never taken for
// the process that had it before.
bool runsProgram(qint64 pid, const QByteArray& program);

// From now on a request to end this program no longer ends it: it is noted, and the
// program asks endRequested() at its safe points.
void catchEndRequests();
// The request to end that came since catchEndRequests(), or an empty text: its name
// ("SIGTERM").
QString endRequested();
// The exit status of a program that ended on the request: 128 and the signal's number on
// POSIX, as a shell reports it.
int endRequestStatus();
} // namespace ProcessPlatform
