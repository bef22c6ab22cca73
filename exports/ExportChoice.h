#pragma once
// What the export template dialog hands the register export: the ticks and item texts of
// its four column lists (each item's text is also its column's header), the layout
// option, and the workspace's stage choice.

#include "workspace/StageChoice.h"

#include <QList>
#include <QStringList>
#include <optional>

// The layout options of the export template dialog, in the dialog's order. Their numbers
// are also what a template stores (Properties) and what the export tool takes (--layout).
enum class ExportLayout {
    Full = 0,                // four sections side by side, with every amending declaration
    Latest = 1,              // the latest declaration of each agreement only
    LatestFirstProperty = 2, // the same, with the first property only
};

// The layout of an option or a stored number; none for a number outside the options.
std::optional<ExportLayout> exportLayoutOf(int option);
inline int optionOf(ExportLayout layout) {
    return static_cast<int>(layout);
}

struct ExportChoice {
    QList<bool> mast;     // declaration columns, 9
    QList<bool> mistotes; // lessee columns, 3
    QList<bool> trops;    // amending declaration columns, 8
    QList<bool> akinita;  // property columns, 14
    QStringList mastTexts;
    QStringList mistotesTexts;
    QStringList tropsTexts;
    QStringList akinitaTexts;
    ExportLayout layout = ExportLayout::Full;
    StageChoice stage = StageChoice::Unchosen; // the workspace's stage list

    // The lists' texts with the ticks the dialog starts with.
    static ExportChoice defaults();
};
