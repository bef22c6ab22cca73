#pragma once
// An embedded chart as the workbook model records it: its place and size, its kind, the
// block it plots and its title.
//
// How a block is plotted (as a spreadsheet plots a table with a header row):
// - the block's first row holds the headers, the rows below it the data;
// - with two or more columns, the first column gives the categories (the labels along the
//   axis) and every further column is one series, named by its header cell;
// - with a single column, that column is the one series and there are no categories.
// So the block C15:D19 plots one series "Μίσθωμα" (D16:D19) over the dates of C16:C19.

#include "exports/CellReferences.h"
#include "exports/Spreadsheet.h"

#include <QList>
#include <optional>

// The place and size of a chart on its sheet, in points.
struct ChartPlace {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// One plotted series: the header cell that names it, its values and its categories.
struct ChartSeries {
    int nameRow = 0;
    int nameColumn = 0;
    CellArea values;
    std::optional<CellArea> categories;
};

class ChartModel final : public Chart {
public:
    ChartModel(const Sheet& sheet, const ChartPlace& place) : m_sheet(sheet), m_place(place) {}

    void setChartType(int type) override;
    void setSourceData(const CellBlock& block) override;
    void setHasTitle(bool hasTitle) override { m_hasTitle = hasTitle; }
    void setChartTitleText(const QString& text) override;

    const ChartPlace& place() const { return m_place; }
    int chartType() const { return m_type; }
    std::optional<CellArea> source() const { return m_source; }
    bool hasTitle() const { return m_hasTitle; }
    QString title() const { return m_title; }
    // The series plotted from the source block; none before SetSourceData.
    QList<ChartSeries> series() const;

private:
    const Sheet& m_sheet;
    ChartPlace m_place;
    int m_type = xl::ColumnClustered; // the kind of a new chart
    std::optional<CellArea> m_source;
    bool m_hasTitle = false;
    QString m_title;
};
