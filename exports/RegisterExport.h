#pragma once
// The register export: the declarations of the workspace's view (its declarations
// cursor under its current filter, with the amending declarations and properties that
// follow it) written into a new workbook, in the full or the latest-state layout, and
// handed to the operator.

#include "exports/ExportChoice.h"

#include <functional>

// The workspace's wait window while the export runs.
struct ExportProgress {
    std::function<void()> show;
    std::function<void(int percent)> setPercent;
    std::function<void()> hide;
};

// Four sections side by side: declaration, lessees, amending declarations, properties.
void ExportRegisterFull(const ExportChoice& choice, const ExportProgress& progress = {});
// One section with the latest state of each agreement, then lessees and properties.
void ExportRegisterLatest(const ExportChoice& choice, const ExportProgress& progress = {});
// By the layout option: the full layout, or the latest with or without every property.
void ExportRegister(const ExportChoice& choice, const ExportProgress& progress = {});
