#include "exports/SheetModel.h"
#include "common/ErrorReport.h"
#include "exports/NumberFormats.h"

#include <QStringTokenizer>
#include <algorithm>

namespace {

// The aspects of a style that one operation changes.
enum Aspect : quint8 {
    FormatAspect = 1,
    AlignmentAspect = 2,
    BoldAspect = 4,
    FillAspect = 8,
    LineAspect = 16,
};

// A block operation that visits every cell refuses blocks larger than this; whole
// columns take formats as column styles instead.
constexpr qint64 kMaxBlockCells = 1'000'000;
constexpr double kFitMargin = 2;        // characters added to the longest text
constexpr double kMaxColumnWidth = 255; // the widest column that the application allows

quint64 keyOf(int row, int column) {
    return (quint64(row) << 32) | quint32(column);
}

bool sameAspect(const CellStyle& a, const CellStyle& b, quint8 aspect) {
    switch (aspect) {
    case FormatAspect:
        return a.numberFormat == b.numberFormat;
    case AlignmentAspect:
        return a.alignment == b.alignment;
    case BoldAspect:
        return a.bold == b.bold;
    case FillAspect:
        return a.fill == b.fill;
    default:
        return a.bottomLine == b.bottomLine;
    }
}

void checkBlockSize(const CellArea& area) {
    if (area.cellCount() > kMaxBlockCells)
        throw AppError(QStringLiteral("Η περιοχή «%1» είναι πολύ μεγάλη για αυτή τη λειτουργία.")
                           .arg(areaName(area)));
}

// Characters as a reader counts them: a surrogate pair or a combining accent is no
// character of its own.
int characterCount(QStringView text) {
    int count = 0;
    for (const QChar c : text)
        if (!c.isLowSurrogate() && !c.isMark())
            ++count;
    return count;
}

// The length of the longest line that the cell shows.
int shownLength(const SheetCell& cell, const CellStyle& style) {
    if (cell.kind == SheetCell::Kind::Number)
        return characterCount(NumberFormats::displayText(cell.number, style.numberFormat));
    int longest = 0;
    for (const QStringView line : QStringTokenizer(cell.text, u'\n'))
        longest = std::max(longest, characterCount(line));
    return longest;
}

} // namespace

SheetModel::ColumnState& SheetModel::columnState(int column) {
    if (size_t(column) > m_columns.size())
        m_columns.resize(size_t(column));
    return m_columns[size_t(column) - 1];
}

SheetCell& SheetModel::touch(int row, int column) {
    ColumnState& state = columnState(column);
    const qsizetype before = m_cells.size();
    SheetCell& cell = m_cells[keyOf(row, column)];
    if (m_cells.size() != before) { // a new cell starts from its column's style
        cell.style = state.style;
        state.rows.push_back(row);
    }
    return cell;
}

template <typename Change>
void SheetModel::restyleColumn(int column, quint8 aspect, Change change) {
    ColumnState& state = columnState(column);
    CellStyle wanted = m_styles[state.style];
    change(wanted);
    const StyleTable::Id id = m_styles.idOf(wanted);
    if (id == state.style && !(state.deviating & aspect))
        return;
    state.style = id;
    for (const int row : state.rows) {
        SheetCell& cell = m_cells[keyOf(row, column)];
        CellStyle style = m_styles[cell.style];
        change(style);
        cell.style = m_styles.idOf(style);
    }
    state.deviating &= quint8(~aspect);
}

template <typename Change>
void SheetModel::restyle(const CellArea& area, quint8 aspect, Change change) {
    if (area.spansWholeColumns()) {
        for (int column = area.left; column <= area.right; ++column)
            restyleColumn(column, aspect, change);
        return;
    }
    checkBlockSize(area);
    for (int row = area.top; row <= area.bottom; ++row) {
        for (int column = area.left; column <= area.right; ++column) {
            SheetCell& cell = touch(row, column);
            CellStyle style = m_styles[cell.style];
            change(style);
            cell.style = m_styles.idOf(style);
            ColumnState& state = m_columns[size_t(column) - 1];
            if (!sameAspect(m_styles[cell.style], m_styles[state.style], aspect))
                state.deviating |= aspect;
        }
    }
}

template <typename Write> void SheetModel::writeCells(const CellArea& area, Write write) {
    checkBlockSize(area);
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column)
            write(touch(row, column));
}

void SheetModel::setText(const CellArea& area, const QString& text) {
    writeCells(area, [&](SheetCell& cell) {
        cell.kind = text.isEmpty() ? SheetCell::Kind::Empty : SheetCell::Kind::Text;
        cell.text = text;
        cell.number = 0;
    });
}

void SheetModel::setNumber(const CellArea& area, double number) {
    writeCells(area, [&](SheetCell& cell) {
        cell.kind = SheetCell::Kind::Number;
        cell.text.clear();
        cell.number = number;
    });
}

void SheetModel::setNumberFormat(const CellArea& area, const QString& code) {
    restyle(area, FormatAspect, [&](CellStyle& s) { s.numberFormat = code; });
}

void SheetModel::setAlignment(const CellArea& area, HorizontalAlignment alignment) {
    restyle(area, AlignmentAspect, [&](CellStyle& s) { s.alignment = alignment; });
}

void SheetModel::setBold(const CellArea& area, bool bold) {
    restyle(area, BoldAspect, [&](CellStyle& s) { s.bold = bold; });
}

void SheetModel::setFill(const CellArea& area, int colour) {
    restyle(area, FillAspect, [&](CellStyle& s) { s.fill = colour; });
}

void SheetModel::setBottomLine(const CellArea& area, BottomLine line) {
    const CellArea lastRow{area.bottom, area.left, area.bottom, area.right};
    restyle(lastRow, LineAspect, [&](CellStyle& s) { s.bottomLine = line; });
}

void SheetModel::setMerged(const CellArea& area, bool merged) {
    if (!merged) {
        m_merges.removeIf([&](const CellArea& m) { return m.intersects(area); });
        return;
    }
    if (area.isSingleCell() || m_merges.contains(area))
        return;
    // A merge takes in every merged block that it overlaps, and what they overlap.
    CellArea whole = area;
    for (bool grown = true; grown;) {
        grown = false;
        for (const CellArea& m : std::as_const(m_merges)) {
            if (m.intersects(whole) && !whole.contains(m)) {
                whole = {std::min(whole.top, m.top), std::min(whole.left, m.left),
                         std::max(whole.bottom, m.bottom), std::max(whole.right, m.right)};
                grown = true;
            }
        }
    }
    m_merges.removeIf([&](const CellArea& m) { return whole.contains(m); });
    m_merges.append(whole);
    clearCoveredValues(whole);
}

void SheetModel::clearCoveredValues(const CellArea& merged) {
    // The merged cell shows the value of its first cell; the others are dropped.
    const int lastColumn = std::min(merged.right, int(m_columns.size()));
    for (int column = merged.left; column <= lastColumn; ++column) {
        for (const int row : m_columns[size_t(column) - 1].rows) {
            if (!merged.contains(row, column) || (row == merged.top && column == merged.left))
                continue;
            SheetCell& cell = m_cells[keyOf(row, column)];
            cell.kind = SheetCell::Kind::Empty;
            cell.text.clear();
            cell.number = 0;
        }
    }
}

void SheetModel::autoFitColumns(int firstColumn, int lastColumn) {
    const int last = std::min(lastColumn, int(m_columns.size()));
    for (int column = firstColumn; column <= last; ++column) {
        QList<CellArea> mergedHere;
        for (const CellArea& m : std::as_const(m_merges))
            if (column >= m.left && column <= m.right)
                mergedHere.append(m);
        ColumnState& state = m_columns[size_t(column) - 1];
        int longest = 0;
        for (const int row : state.rows) {
            const SheetCell& cell = *m_cells.constFind(keyOf(row, column));
            if (cell.kind == SheetCell::Kind::Empty ||
                std::any_of(mergedHere.cbegin(), mergedHere.cend(),
                            [&](const CellArea& m) { return m.contains(row, column); }))
                continue;
            longest = std::max(longest, shownLength(cell, m_styles[cell.style]));
        }
        state.width = longest > 0 ? std::min(kMaxColumnWidth, longest + kFitMargin) : 0;
    }
}

Chart& SheetModel::addChart(double left, double top, double width, double height) {
    if (left < 0 || top < 0 || width <= 0 || height <= 0)
        throw AppError(QStringLiteral("Μη έγκυρη θέση ή μέγεθος γραφήματος (%1, %2, %3, %4).")
                           .arg(left)
                           .arg(top)
                           .arg(width)
                           .arg(height));
    m_charts.push_back(std::make_unique<ChartModel>(*this, ChartPlace{left, top, width, height}));
    return *m_charts.back();
}

const SheetCell* SheetModel::cell(int row, int column) const {
    const auto found = m_cells.constFind(keyOf(row, column));
    return found == m_cells.cend() ? nullptr : &*found;
}

QVariant SheetModel::value(int row, int column) const {
    const SheetCell* c = cell(row, column);
    if (!c || c->kind == SheetCell::Kind::Empty)
        return {};
    if (c->kind == SheetCell::Kind::Number)
        return c->number;
    return c->text;
}

StyleTable::Id SheetModel::columnStyleId(int column) const {
    return size_t(column) <= m_columns.size() && column > 0 ? m_columns[size_t(column) - 1].style
                                                            : 0;
}

const CellStyle& SheetModel::columnStyle(int column) const {
    return m_styles[columnStyleId(column)];
}

const CellStyle& SheetModel::style(int row, int column) const {
    const SheetCell* c = cell(row, column);
    return c ? m_styles[c->style] : columnStyle(column);
}

double SheetModel::columnWidth(int column) const {
    return size_t(column) <= m_columns.size() && column > 0 ? m_columns[size_t(column) - 1].width
                                                            : 0;
}
