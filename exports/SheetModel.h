#pragma once
// The sheet of the workbook provider: it records every value, number format, alignment,
// bold type, merge, fill, bottom line, column width, chart and page setup as operated, the
// way the spreadsheet application keeps them, for the .xlsx writer and for inspection.
//
// Storage is sparse and compact: only cells that were written or formatted exist, keyed by
// (row, column), each pointing at a shared style. Each column keeps a style of its own,
// which its new cells start from, as in the application; setting a column's format to
// what it already is costs nothing, and a change visits that column's cells only.
// AutoFit visits the cells of the columns it fits and nothing else.

#include "exports/CellStyle.h"
#include "exports/ChartModel.h"
#include "exports/Spreadsheet.h"

#include <QHash>
#include <QList>
#include <QVariant>
#include <memory>
#include <vector>

struct SheetCell {
    enum class Kind : quint8 { Empty, Text, Number };
    QString text;
    double number = 0;
    StyleTable::Id style = 0;
    Kind kind = Kind::Empty;
};

class SheetModel final : public Sheet {
public:
    explicit SheetModel(const QString& name) : m_name(name) {}

    Chart& addChart(double left, double top, double width, double height) override;
    void setText(const CellArea& area, const QString& text) override;
    void setNumber(const CellArea& area, double number) override;
    void setNumberFormat(const CellArea& area, const QString& code) override;
    void setAlignment(const CellArea& area, HorizontalAlignment alignment) override;
    void setBold(const CellArea& area, bool bold) override;
    void setMerged(const CellArea& area, bool merged) override;
    void setFill(const CellArea& area, int colour) override;
    // The line under the area's last row.
    void setBottomLine(const CellArea& area, BottomLine line) override;
    // Each column's width becomes its longest shown text in characters plus a margin
    // (merged cells do not count, as in the application); a column without text gets
    // the standard width back.
    void autoFitColumns(int firstColumn, int lastColumn) override;
    PageLayout pageLayout() const override { return m_page; }
    void setPageLayout(const PageLayout& layout) override { m_page = layout; }

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    // The cell at (row, column); nullptr for a cell that was never written or formatted.
    const SheetCell* cell(int row, int column) const;
    // The cell's value: a QString, a double, or an invalid QVariant when it is empty.
    QVariant value(int row, int column) const;
    // The cell's style; a cell that does not exist shows its column's style.
    const CellStyle& style(int row, int column) const;
    const CellStyle& columnStyle(int column) const;
    StyleTable::Id columnStyleId(int column) const;
    // The width set by AutoFit, in characters; 0 for the standard width.
    double columnWidth(int column) const;
    // The highest column that holds a cell or a column style or width.
    int lastColumn() const { return int(m_columns.size()); }
    const QList<CellArea>& merges() const { return m_merges; }
    const std::vector<std::unique_ptr<ChartModel>>& charts() const { return m_charts; }
    const StyleTable& styles() const { return m_styles; }
    qsizetype cellCount() const { return m_cells.size(); }
    // Calls visit(row, column, cell) for every cell, in no particular order.
    template <typename Visit> void forEachCell(Visit visit) const {
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
            visit(int(it.key() >> 32), int(it.key() & 0xFFFFFFFFu), it.value());
    }

private:
    struct ColumnState {
        StyleTable::Id style = 0;
        quint8 deviating = 0; // aspects in which some cell differs from the column's style
        double width = 0;
        std::vector<int> rows; // the rows of the column's cells
    };

    SheetCell& touch(int row, int column);
    ColumnState& columnState(int column);
    template <typename Change> void restyle(const CellArea& area, quint8 aspect, Change change);
    template <typename Change> void restyleColumn(int column, quint8 aspect, Change change);
    template <typename Write> void writeCells(const CellArea& area, Write write);
    void clearCoveredValues(const CellArea& merged);

    QString m_name;
    QHash<quint64, SheetCell> m_cells;
    StyleTable m_styles;
    std::vector<ColumnState> m_columns; // column n at n - 1
    QList<CellArea> m_merges;
    std::vector<std::unique_ptr<ChartModel>> m_charts;
    PageLayout m_page;
};
