#pragma once
// The hidden staging grid of the workspace: one row per submission of the platform's
// list, with fixed column numbers (the list's cells, the import's marks, then the
// declaration's own values as read from its page). Row 0 is a header row.

#include <QString>
#include <QVector>

class StagingGrid {
public:
    static constexpr int kColumns = 1200;
    static constexpr int kInitialRows = 1000;

    StagingGrid();

    int rowCount() const { return m_rowCount; }
    void setRowCount(int rows);
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row) { m_currentRow = row; }

    // A cell's text; empty outside the grid or where nothing was written.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // Empties every cell of every row (the row count stays).
    void clearAll();
    // Empties the row's cells from the column on.
    void clearFrom(int row, int column);
    // Fills row 0 with the column numbers "0" to "1199".
    void fillHeaderRow();

    enum class Kind { None = 0, Initial = 1, Amending = 2, Termination = 3 };
    struct Found {
        int row = 0;
        Kind kind = Kind::None;
    };
    // The last row after the header whose registration number (column 1, up to any "(")
    // equals the number, and its kind from column 5.
    Found FindInSubmissionList(const QString& number) const;

private:
    QVector<QVector<QString>> m_rows; // rows allocated when first written
    int m_rowCount = kInitialRows;
    int m_currentRow = 0;
};
