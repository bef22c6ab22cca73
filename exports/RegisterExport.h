#pragma once
// The register export: the declarations of the workspace's view (its declarations
// cursor under its current filter, with the amending declarations and properties that
// follow it) written into a new workbook, in the full or the latest-state layout, and
// handed to the operator.

#include "exports/CellReferences.h"
#include "exports/ExportChoice.h"

#include <functional>

// The workspace's wait window while the export runs.
struct ExportProgress {
    std::function<void()> show;
    std::function<void(int percent)> setPercent;
    std::function<void()> hide;
};

// A view that needs more rows than a sheet holds (sheetRows, the heading rows included;
// tests give fewer) is refused with a message that names both, before anything is made.
// A value that the sheet refuses (a text too long for a cell, an amount that is no
// number) refuses the export with a message that names its declaration.

// Four sections side by side: declaration, lessees, amending declarations, properties.
void ExportRegisterFull(const ExportChoice& choice, const ExportProgress& progress = {},
                        int sheetRows = kSheetRows);
// One section with the latest state of each agreement, then lessees and properties.
void ExportRegisterLatest(const ExportChoice& choice, const ExportProgress& progress = {},
                          int sheetRows = kSheetRows);
// By the layout option: the full layout, or the latest with or without every property.
void ExportRegister(const ExportChoice& choice, const ExportProgress& progress = {},
                    int sheetRows = kSheetRows);
