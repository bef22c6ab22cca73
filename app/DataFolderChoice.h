#pragma once
// Which data folder this run uses, decided before the login.

#include <QString>

// The data folder in force: the one given on the command line (refused with a message
// when it cannot be written), the program's own folder when run from the build tree,
// the remembered one, or the one the operator chooses in "Φάκελος δεδομένων" (asked
// again after a folder that cannot be written, then remembered). Empty when the
// operator left the question or the command line's folder was refused.
QString chooseDataFolder(const QString& commandLineFolder, const QString& programFolder);
