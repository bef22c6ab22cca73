#pragma once
// The page setup that every sheet of the exports gets, so that it prints as a person
// reads it: landscape, one page wide and as many pages down as its rows need, its heading
// rows atop every page, and in the window the same rows frozen above the data. The printed
// block is the sheet's own; the workbook provider widens it to take in the charts.

#include "exports/Spreadsheet.h"

void setPrintLayout(Sheet& sheet, int firstHeadingRow, int lastHeadingRow, const CellArea& printed);
