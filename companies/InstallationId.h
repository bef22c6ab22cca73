#pragma once
#include <QString>

// This installation's identifier: a UUID made on first use and kept in the operator's
// own settings (never in the shared working folder), so that it differs between the
// workstations that share the data.
QString InstallationId();
