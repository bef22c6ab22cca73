#pragma once
#include <QString>

// This installation's identifier: this machine with the operator's own settings (never
// the shared working folder), so that it differs between the workstations that share
// the data, also when a roaming or network home gives two machines one settings file.
// Fixed for the process.
QString InstallationId();

// The identifier on the machine that `machine` names (MachineId() on this one), from the
// operator's settings: a UUID made on first use, which stays the identifier on the
// machine that made it (the settings remember which); any other machine derives its own
// from it and the machine. A value from before the machine was remembered stays with the
// first machine that reads it.
QString InstallationIdOn(const QString& machine);

// This machine's identifier: the operating system's, or the machine's network name when
// it keeps none.
QString MachineId();
