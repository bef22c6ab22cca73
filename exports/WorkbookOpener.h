#pragma once
// Opens a written workbook file for the operator. The provider goes through this seam, so
// that tests can see what would be opened without starting anything.

#include <QString>
#include <QStringList>

class WorkbookOpener {
public:
    virtual ~WorkbookOpener() = default;
    // Opens the file; false when no application could be started for it.
    virtual bool open(const QString& path) = 0;
};

// The command of the installation setting "SpreadsheetOpenCommand" (settings.ini of the
// working folder) with the file's path as its last argument; when the setting is empty,
// the desktop's default application for the file.
class DesktopOpener final : public WorkbookOpener {
public:
    bool open(const QString& path) override;
};

// The program and arguments that a command setting stands for, quotes respected:
// "libreoffice --calc" and a path give libreoffice with [--calc, path].
struct OpenCommand {
    QString program;
    QStringList arguments;
};
OpenCommand openCommandFor(const QString& setting, const QString& path);
