#pragma once
// The look of a cell as the workbook model keeps it. Styles are shared: a sheet keeps each
// distinct style once and its cells refer to it by number.

#include "exports/Spreadsheet.h"

#include <QHash>
#include <QString>
#include <vector>

struct CellStyle {
    QString numberFormat; // Greek notation; empty for the general format
    HorizontalAlignment alignment = HorizontalAlignment::General;
    bool bold = false;
    BottomLine bottomLine = BottomLine::None;
    int fill = -1; // colour value red + 256 × green + 65536 × blue; -1 for none

    bool operator==(const CellStyle&) const = default;
};

size_t qHash(const CellStyle& style, size_t seed = 0);

// The distinct styles of a sheet; number 0 is the plain style.
class StyleTable {
public:
    using Id = quint32;
    StyleTable();
    const CellStyle& operator[](Id id) const { return m_styles[id]; }
    Id idOf(const CellStyle& style);
    Id size() const { return Id(m_styles.size()); }

private:
    std::vector<CellStyle> m_styles;
    QHash<CellStyle, Id> m_ids;
};
