#include "exports/Spreadsheet.h"
#include "common/ErrorReport.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr qsizetype kMaxCellText = 32767; // the longest text that a cell holds

[[noreturn]] void refuseArgument(const QString& operation, int value) {
    throw AppError(QStringLiteral("Το λογιστικό φύλλο δεν δέχεται την τιμή %1 για «%2».")
                       .arg(value)
                       .arg(operation));
}

HorizontalAlignment alignmentOf(int value) {
    switch (value) {
    case xl::General:
        return HorizontalAlignment::General;
    case xl::Left:
        return HorizontalAlignment::Left;
    case xl::Center:
        return HorizontalAlignment::Centre;
    case xl::Right:
        return HorizontalAlignment::Right;
    }
    refuseArgument(QStringLiteral("HorizontalAlignment"), value);
}

// The rows of a reference such as "$2:$3" (the dollar signs may be left out).
std::pair<int, int> parseRowsReference(const QString& rows) {
    static const QRegularExpression pattern(QStringLiteral("^\\$?(\\d{1,7}):\\$?(\\d{1,7})$"));
    const QRegularExpressionMatch m = pattern.match(rows.trimmed());
    const int first = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int last = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (first < 1 || last < first || last > kSheetRows)
        throw AppError(
            QStringLiteral("Μη έγκυρες γραμμές «%1» για τους τίτλους εκτύπωσης.").arg(rows));
    return {first, last};
}

} // namespace

void CellBlock::setValue(const QString& text) const {
    if (text.size() > kMaxCellText)
        throw AppError(QStringLiteral("Το κείμενο για το κελί «%1» ξεπερνά τους %2 χαρακτήρες "
                                      "που χωρά ένα κελί.")
                           .arg(areaName(m_area))
                           .arg(QLocale(QLocale::Greek).toString(kMaxCellText)));
    m_sheet->setText(m_area, text);
}

void CellBlock::setValue(double number) const {
    if (!std::isfinite(number))
        throw AppError(QStringLiteral("Ο αριθμός για το κελί «%1» δεν είναι πεπερασμένος (%2)· "
                                      "το λογιστικό φύλλο δεν τον δέχεται.")
                           .arg(areaName(m_area), QString::number(number)));
    m_sheet->setNumber(m_area, number);
}

void CellBlock::setNumberFormat(const QString& code) const {
    m_sheet->setNumberFormat(m_area, code);
}

void CellBlock::setHorizontalAlignment(int alignment) const {
    m_sheet->setAlignment(m_area, alignmentOf(alignment));
}

void CellBlock::setMergeCells(bool merged) const {
    m_sheet->setMerged(m_area, merged);
}

CellBlock CellBlock::entireColumn() const {
    return CellBlock(*m_sheet, {1, m_area.left, kSheetRows, m_area.right});
}

void CellBlock::autoFit() const {
    if (!m_area.spansWholeColumns())
        throw AppError(QStringLiteral("Η προσαρμογή πλάτους «%1» γίνεται μόνο σε ολόκληρες στήλες.")
                           .arg(areaName(m_area)));
    m_sheet->autoFitColumns(m_area.left, m_area.right);
}

CellBorder CellBlock::borders(int edge) const {
    if (edge != xl::EdgeBottom)
        refuseArgument(QStringLiteral("Borders"), edge);
    return CellBorder(*this);
}

void CellBlock::freezePanes() const {
    if (!m_area.isSingleCell())
        throw AppError(QStringLiteral("Το πάγωμα παραθύρων γίνεται σε ένα κελί, όχι στην περιοχή "
                                      "«%1».")
                           .arg(areaName(m_area)));
    PageLayout layout = m_sheet->pageLayout();
    layout.frozenRows = m_area.top - 1;
    layout.frozenColumns = m_area.left - 1;
    m_sheet->setPageLayout(layout);
}

void PageSetup::setOrientation(int orientation) const {
    if (orientation != xl::Landscape && orientation != xl::Portrait)
        refuseArgument(QStringLiteral("PageSetup.Orientation"), orientation);
    PageLayout layout = m_sheet->pageLayout();
    layout.landscape = orientation == xl::Landscape;
    m_sheet->setPageLayout(layout);
}

void PageSetup::setFitToPages(int wide, int tall) const {
    if (wide < 1)
        refuseArgument(QStringLiteral("PageSetup.FitToPagesWide"), wide);
    if (tall < 0)
        refuseArgument(QStringLiteral("PageSetup.FitToPagesTall"), tall);
    PageLayout layout = m_sheet->pageLayout();
    layout.pagesWide = wide;
    layout.pagesTall = tall;
    m_sheet->setPageLayout(layout);
}

void PageSetup::setPrintTitleRows(const QString& rows) const {
    const auto [first, last] = parseRowsReference(rows);
    PageLayout layout = m_sheet->pageLayout();
    layout.firstTitleRow = first;
    layout.lastTitleRow = last;
    m_sheet->setPageLayout(layout);
}

void PageSetup::setPrintArea(const QString& reference) const {
    PageLayout layout = m_sheet->pageLayout();
    layout.printArea = parseBlockReference(reference);
    m_sheet->setPageLayout(layout);
}

void CellFont::setBold(bool bold) const {
    m_block.sheet().setBold(m_block.area(), bold);
}

void CellInterior::setColor(int colour) const {
    if (colour < 0 || colour > 0xFFFFFF)
        refuseArgument(QStringLiteral("Interior.Color"), colour);
    m_block.sheet().setFill(m_block.area(), colour);
}

void CellBorder::setWeight(int weight) const {
    if (weight != xl::Thin)
        refuseArgument(QStringLiteral("Borders.Weight"), weight);
    m_block.sheet().setBottomLine(m_block.area(), BottomLine::Thin);
}

void CellBorder::setLineStyle(int lineStyle) const {
    BottomLine line = BottomLine::None;
    if (lineStyle == xl::Double)
        line = BottomLine::Double;
    else if (lineStyle == xl::Continuous)
        line = BottomLine::Thin;
    else if (lineStyle != xl::LineStyleNone)
        refuseArgument(QStringLiteral("Borders.LineStyle"), lineStyle);
    m_block.sheet().setBottomLine(m_block.area(), line);
}

CellBlock Sheet::cells(int row, int column) {
    checkCellPlace(row, column);
    return CellBlock(*this, {row, column, row, column});
}

CellBlock Sheet::range(const QString& reference) {
    return CellBlock(*this, parseBlockReference(reference));
}

CellBlock Sheet::range(const QString& first, const QString& last) {
    return CellBlock(*this, parseBlockReference(first, last));
}

CellBlock Sheet::columns(int column) {
    checkCellPlace(1, column);
    return CellBlock(*this, {1, column, kSheetRows, column});
}
