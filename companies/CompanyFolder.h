#pragma once
// A company's data folder, "Data\" + AFM.

#include <QString>

namespace CompanyFolder {
// Creates the folder inside "Data" (which must exist) unless it is there already.
void make(const QString& afm);
// Creates the folder inside "Data" (which must exist) and fills it with empty tables.
// Table files already there (a company deleted earlier under the same number) are moved
// first into a dated backup folder inside it, so that nothing is lost.
void createWithEmptyTables(const QString& afm);
// Moves the table files of the folder into "Backup-YYYYMMDD-hhmmss"; returns that
// folder's path, or empty when there was nothing to move.
QString backupTables(const QString& afm);
} // namespace CompanyFolder
