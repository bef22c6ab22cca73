#pragma once
// The in-use lock of a company: "Data\" + AFM + "\InUse.lck", whose first line is the
// identifier of the installation that holds the company open.

#include <QString>

namespace CompanyLock {
QString path(const QString& afm);
// Deletes the lock file; a missing one is no error.
void release(const QString& afm);
} // namespace CompanyLock
