#pragma once
// What the export template dialog hands the register export: the ticks and item texts of
// its four column lists (each item's text is also its column's header), the layout
// option, and the workspace's stage choice.

#include <QList>
#include <QStringList>

struct ExportChoice {
    QList<bool> mast;     // declaration columns, 9
    QList<bool> mistotes; // lessee columns, 3
    QList<bool> trops;    // amending declaration columns, 8
    QList<bool> akinita;  // property columns, 14
    QStringList mastTexts;
    QStringList mistotesTexts;
    QStringList tropsTexts;
    QStringList akinitaTexts;
    int layout = 0; // 0 full; 1 latest; 2 latest, first property only
    int stage = 0; // the workspace's stage list; 2 is "Μόνο τις Ενεργές Δηλώσεις"

    // The lists' texts with the ticks the dialog starts with.
    static ExportChoice defaults();
};
