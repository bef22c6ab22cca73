#pragma once
// The files of the workbooks handed to the operator. They hold lessees' tax numbers,
// names and rents, so they lie in a folder of the operator's own that only its owner can
// open, each file readable by its owner only, and they are removed after a week.

#include <QDateTime>
#include <QString>

namespace WorkbookFiles {
// How long a handed-over workbook is kept.
constexpr int kKeptDays = 7;

// The operator's workbook folder (Settings::userFolder("Workbooks")), made when missing,
// open to its owner only. AppError naming it when it cannot be made.
QString folder();
// A new, empty file "Lethora-YYYYMMDD-hhmmss-N.xlsx" in the folder, readable and
// writable by its owner only; the file holds the name until the workbook is written.
// AppError naming it when the folder takes no files.
QString reserve(const QString& folder);
// Removes the application's workbooks in the folder last written before the moment;
// other files stay. Returns how many were removed.
int removeWrittenBefore(const QString& folder, const QDateTime& moment);
// At start-up: removes the application's workbooks older than kKeptDays from the
// workbook folder and from the temporary folder, where they used to be written.
void removeStale();
} // namespace WorkbookFiles
