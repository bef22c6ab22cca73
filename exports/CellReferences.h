#pragma once
// Cells and blocks named as the spreadsheet names them: columns A … Z, AA … ZZ, AAA … XFD,
// cells such as "B7" (or "$B$7"), blocks such as "A3:ZZ3". Every place that names a
// column goes through columnName(), so columns past Z get their two- and three-letter names.

#include <QString>

constexpr int kSheetRows = 1048576;
constexpr int kSheetColumns = 16384;

// A rectangle of cells: rows and columns counted from 1, both corners included.
struct CellArea {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    qint64 cellCount() const { return qint64(bottom - top + 1) * (right - left + 1); }
    bool isSingleCell() const { return top == bottom && left == right; }
    bool contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool contains(const CellArea& o) const {
        return o.top >= top && o.bottom <= bottom && o.left >= left && o.right <= right;
    }
    bool intersects(const CellArea& o) const {
        return o.top <= bottom && o.bottom >= top && o.left <= right && o.right >= left;
    }
    // Whole columns: every row of the sheet.
    bool spansWholeColumns() const { return top == 1 && bottom == kSheetRows; }
    friend bool operator==(const CellArea&, const CellArea&) = default;
};

// The name of column n: 1 → "A", 26 → "Z", 27 → "AA", 702 → "ZZ", 703 → "AAA".
// AppError outside 1 … 16384.
QString columnName(int column);
// The number of a column name, case ignored: "AA" → 27. AppError for anything else.
int columnNumber(const QString& name);

// One cell, "B7" or "$B$7". AppError for a malformed reference or one off the sheet.
CellArea parseCellReference(const QString& reference);
// A block, "A3:ZZ3", or a single cell; the corners may come in any order.
CellArea parseBlockReference(const QString& reference);
// The block spanned by two cell references, as Range("A1", "AZ1") names it.
CellArea parseBlockReference(const QString& first, const QString& last);

// "B7" for a single cell, "A3:ZZ3" otherwise.
QString areaName(const CellArea& area);

// AppError unless row and column lie on the sheet.
void checkCellPlace(int row, int column);
