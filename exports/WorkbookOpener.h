#pragma once
// Opens a written workbook file for the operator. The provider goes through this seam, so
// that tests can see what would be opened without starting anything.

#include <QString>
#include <QStringList>

class WorkbookOpener {
public:
    virtual ~WorkbookOpener() = default;
    // Opens the file; false when no application could be started for it or the opener
    // reported a failure.
    virtual bool open(const QString& path) = 0;
};

// The command of the installation setting "SpreadsheetOpenCommand" (settings.ini of the
// working folder) with the file's path as its last argument; when the setting is empty,
// the desktop's opener (OpenerPlatform). Its failure counts: a command that cannot be
// started or that ends with a failure within a few seconds gives false.
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
