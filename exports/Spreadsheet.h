#pragma once
// The spreadsheet operations that the exports need, and nothing else of a spreadsheet
// application, so that any provider of them can stand behind the exports. The members
// follow the application's automation members, so export code reads like the operations:
//
//   std::shared_ptr<SpreadsheetApp> app = startSpreadsheetApp(); // SpreadsheetStarter.h
//   app->addWorkbook();
//   Sheet& sheet = app->workbook(1).worksheet(1);
//   app->setVisible(false);
//   sheet.range("A3:ZZ3").setHorizontalAlignment(xl::Center);
//   sheet.range("A3:ZZ3").font().setBold(true);
//   sheet.cells(4, 1).interior().setColor(14610923);
//   sheet.columns(8).setNumberFormat(xl::AmountFormat);
//   sheet.cells(4, 8).setValue(1234.5);
//   sheet.range("A2:E2").setMergeCells(true);
//   sheet.range("A7:AH7").borders(xl::EdgeBottom).setWeight(xl::Thin);
//   sheet.range("A1", "AZ1").entireColumn().autoFit();
//   Chart& chart = sheet.addChart(350, 200, 500, 300);   // ChartObjects.Add(…).Chart
//   chart.setChartType(xl::ColumnClustered);
//   chart.setSourceData(sheet.range("C15:D19"));
//   chart.setHasTitle(true);
//   chart.setChartTitleText("…");
//   sheet.pageSetup().setOrientation(xl::Landscape);
//   sheet.pageSetup().setFitToPages(1, 0);                // one page wide, as tall as needed
//   sheet.pageSetup().setPrintTitleRows("$2:$3");
//   sheet.pageSetup().setPrintArea("A1:M40");
//   sheet.cells(4, 1).freezePanes();                      // ActiveWindow.FreezePanes at A4
//   app->setVisible(true);                                // hands the workbook over
//
// Rows and columns count from 1. Every refused operation (a malformed block reference, a
// row or column off the sheet, a value that the application does not know) raises AppError
// with a Greek text; nothing is changed by a refused operation.

#include "exports/CellReferences.h"

#include <QString>
#include <optional>

// The application's own values for the arguments of the operations.
namespace xl {
constexpr int Center = -4108;                          // HorizontalAlignment: centred
constexpr int Left = -4131;                            // HorizontalAlignment: left
constexpr int Right = -4152;                           // HorizontalAlignment: right
constexpr int General = 1;                             // HorizontalAlignment: by the kind of value
constexpr int EdgeBottom = 9;                          // Borders(): the bottom edge of a block
constexpr int Thin = 2;                                // Weight: a thin line
constexpr int Continuous = 1;                          // LineStyle: a single line
constexpr int Double = -4119;                          // LineStyle: a double line
constexpr int LineStyleNone = -4142;                   // LineStyle: no line
constexpr int ColumnClustered = 51;                    // ChartType: clustered columns
constexpr int Portrait = 1;                            // PageSetup.Orientation
constexpr int Landscape = 2;                           // PageSetup.Orientation
inline const QString TextFormat = QStringLiteral("@"); // keeps values as written
inline const QString AmountFormat = QStringLiteral("#.##0,00"); // 1.234,50
} // namespace xl

enum class HorizontalAlignment : quint8 { General, Left, Centre, Right };
enum class BottomLine : quint8 { None, Thin, Double };

// How a sheet prints, and what its window keeps in view.
struct PageLayout {
    bool landscape = false;
    int pagesWide = 0;     // fitted to so many pages across; 0 for printing at its own size
    int pagesTall = 0;     // with pagesWide: fitted to so many pages down; 0 for as many as needed
    int firstTitleRow = 0; // the rows printed atop every page; 0 for none
    int lastTitleRow = 0;
    std::optional<CellArea> printArea; // none: what the sheet holds
    int frozenRows = 0;                // the rows above and the columns left of the panes
    int frozenColumns = 0;
};

class Sheet;
class PageSetup;
class CellFont;
class CellInterior;
class CellBorder;

// A handle on a cell, a block or whole columns of one sheet. Cheap to make and copy; it
// forwards each operation to its sheet.
class CellBlock {
public:
    CellBlock(Sheet& sheet, const CellArea& area) : m_sheet(&sheet), m_area(area) {}
    Sheet& sheet() const { return *m_sheet; }
    const CellArea& area() const { return m_area; }

    // Value := text or number, for every cell of the block. An empty text empties the cell;
    // a text longer than a cell holds (32,767 characters) is refused.
    void setValue(const QString& text) const;
    void setValue(double number) const;
    // NumberFormat := code, in the application's Greek notation ("@", "#.##0,00").
    void setNumberFormat(const QString& code) const;
    // HorizontalAlignment := xl::Center (or xl::Left, xl::Right, xl::General).
    void setHorizontalAlignment(int alignment) const;
    // MergeCells := flag. Merging takes in any merged block that it overlaps.
    void setMergeCells(bool merged) const;
    // EntireColumn: the whole columns that the block touches.
    CellBlock entireColumn() const;
    // AutoFit of whole columns: widths that fit their contents. Refused on other blocks.
    void autoFit() const;

    CellFont font() const;         // Font
    CellInterior interior() const; // Interior
    // Borders(xl::EdgeBottom); other edges are refused.
    CellBorder borders(int edge) const;
    // ActiveWindow.FreezePanes := True with this single cell selected: the rows above it
    // and the columns left of it stay in view.
    void freezePanes() const;

private:
    Sheet* m_sheet;
    CellArea m_area;
};

class CellFont {
public:
    explicit CellFont(const CellBlock& block) : m_block(block) {}
    void setBold(bool bold) const;

private:
    CellBlock m_block;
};

class CellInterior {
public:
    explicit CellInterior(const CellBlock& block) : m_block(block) {}
    // Color := red + 256 × green + 65536 × blue.
    void setColor(int colour) const;

private:
    CellBlock m_block;
};

// The line under a block: under each cell of its last row.
class CellBorder {
public:
    explicit CellBorder(const CellBlock& block) : m_block(block) {}
    void setWeight(int weight) const;       // xl::Thin
    void setLineStyle(int lineStyle) const; // xl::Double, xl::Continuous, xl::LineStyleNone

private:
    CellBlock m_block;
};

inline CellFont CellBlock::font() const {
    return CellFont(*this);
}
inline CellInterior CellBlock::interior() const {
    return CellInterior(*this);
}

// The sheet's page setup (PageSetup).
class PageSetup {
public:
    explicit PageSetup(Sheet& sheet) : m_sheet(&sheet) {}
    // Orientation := xl::Landscape or xl::Portrait.
    void setOrientation(int orientation) const;
    // Zoom := False, FitToPagesWide := wide, FitToPagesTall := tall (0 stands for False:
    // as many pages down as the rows need).
    void setFitToPages(int wide, int tall) const;
    // PrintTitleRows := "$2:$3": the rows printed atop every page.
    void setPrintTitleRows(const QString& rows) const;
    // PrintArea := "A1:M40".
    void setPrintArea(const QString& reference) const;

private:
    Sheet* m_sheet;
};

// An embedded chart (ChartObjects.Add(…).Chart).
class Chart {
public:
    virtual ~Chart() = default;
    // ChartType := xl::ColumnClustered, the kind of a new chart.
    virtual void setChartType(int type) = 0;
    // SetSourceData(block): a block of the chart's own sheet.
    virtual void setSourceData(const CellBlock& block) = 0;
    // HasTitle := flag.
    virtual void setHasTitle(bool hasTitle) = 0;
    // ChartTitle.Text := text; giving the text also shows the title.
    virtual void setChartTitleText(const QString& text) = 0;
};

// One worksheet. The handles are made here; the pure virtual operations below are what
// the handles forward to, on areas already checked to lie on the sheet and with the
// application's argument values already checked and translated.
class Sheet {
public:
    virtual ~Sheet() = default;

    CellBlock cells(int row, int column);                       // Cells(row, column)
    CellBlock range(const QString& reference);                  // Range("A3:ZZ3")
    CellBlock range(const QString& first, const QString& last); // Range("A1", "AZ1")
    CellBlock columns(int column);                              // Columns(n)
    PageSetup pageSetup() { return PageSetup(*this); }          // PageSetup
    // ChartObjects.Add(left, top, width, height).Chart, in points.
    virtual Chart& addChart(double left, double top, double width, double height) = 0;

    virtual void setText(const CellArea& area, const QString& text) = 0;
    virtual void setNumber(const CellArea& area, double number) = 0;
    virtual void setNumberFormat(const CellArea& area, const QString& code) = 0;
    virtual void setAlignment(const CellArea& area, HorizontalAlignment alignment) = 0;
    virtual void setBold(const CellArea& area, bool bold) = 0;
    virtual void setMerged(const CellArea& area, bool merged) = 0;
    virtual void setFill(const CellArea& area, int colour) = 0;
    // The line under the area's last row.
    virtual void setBottomLine(const CellArea& area, BottomLine line) = 0;
    virtual void autoFitColumns(int firstColumn, int lastColumn) = 0;
    virtual PageLayout pageLayout() const = 0;
    virtual void setPageLayout(const PageLayout& layout) = 0;
};

class Workbook {
public:
    virtual ~Workbook() = default;
    // WorkSheets(index), counted from 1.
    virtual Sheet& worksheet(int index) = 0;
    // WorkSheets.Add after the last sheet, with Name := name. A name that the application
    // refuses (empty, over 31 characters, holding : \ / ? * [ ], or taken) raises AppError.
    virtual Sheet& addWorksheet(const QString& name) = 0;
    // WorkSheets(index).Name := name, with the same rule for the name.
    virtual void setWorksheetName(int index, const QString& name) = 0;
};

class SpreadsheetApp {
public:
    virtual ~SpreadsheetApp() = default;
    // Workbooks.Add: a new, empty workbook.
    virtual Workbook& addWorkbook() = 0;
    // WorkBooks(index), counted from 1.
    virtual Workbook& workbook(int index) = 0;
    // Visible := flag. True hands the workbooks to the operator.
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};
