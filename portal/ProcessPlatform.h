#pragma once
// What the browser's driver needs from the operating system: a process group of its own
// that ends with this program and a guard that ends the group when this program ends in
// any way, beside the checks on a process by its number of common/ProcessPlatform.h.
// Everything that depends on the operating system lives in the one file that implements
// this (ProcessPlatformPosix.cpp).

#include "common/ProcessPlatform.h"

#include <QString>

class QProcess;

namespace ProcessPlatform {
// Makes the process, when started, the leader of a group of its own that the programs it
// starts join, and has the system end it when this program ends.
void runInOwnGroup(QProcess& process);
// Starts the guard of a group: once the guard's input closes (this program ended or closed
// it), it ends the group's processes and then removes the folder.
void startGroupGuard(QProcess& guard, qint64 group, const QString& folder);
// Asks every process of the group to end.
void askGroupToEnd(qint64 group);
// Ends every process of the group at once.
void endGroup(qint64 group);
// Whether this program runs with the administrator's rights.
bool runsAsAdministrator();
} // namespace ProcessPlatform
