#pragma once
// The file that register-export writes: checked before the export runs, and put in place
// only when complete. The workbook is copied into a new file beside the target, which
// is then renamed over it; on any failure the new file is removed and a file already at
// the target stays as it was.

#include "exports/WorkbookOpener.h"

#include <QString>

// Why the path cannot take the workbook (in Greek), or an empty text when it can: a path
// that exists must be a regular file (never a folder, a device or a pipe), and its
// folder must exist.
QString outputPathProblem(const QString& path);

// Places each written workbook at the target and removes the written one; a failure is
// thrown as an AppError naming the target.
class PlaceOutputFile final : public WorkbookOpener {
public:
    explicit PlaceOutputFile(QString target) : m_target(std::move(target)) {}
    bool open(const QString& written) override;
    bool placed() const { return m_placed; }

private:
    QString m_target;
    bool m_placed = false;
};
