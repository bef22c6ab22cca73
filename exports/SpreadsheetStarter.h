#pragma once
// Starting the spreadsheet application: the first operation of every export. The
// application in force is the workbook provider; tests install a starter of their own
// to keep the application they hand out, or to refuse the start.

#include "exports/Spreadsheet.h"

#include <functional>
#include <memory>

using SpreadsheetStarter = std::function<std::shared_ptr<SpreadsheetApp>()>;

// A new, hidden spreadsheet application; AppError when none can be started.
std::shared_ptr<SpreadsheetApp> startSpreadsheetApp();
// Installs a starter; an empty one restores the workbook provider.
void setSpreadsheetStarter(SpreadsheetStarter starter);
