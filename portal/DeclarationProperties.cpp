// A property's table ("propertyTable" + N) and its energy certificate.

#include "portal/DeclarationReading.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

namespace {
const QString kPropertyTable = QStringLiteral("propertyTable");
const QString kDetailsRow = QStringLiteral("displaySubmissionDetails1");
const QString kCertificateRow = QStringLiteral("ΕΝΕΡΓΕΙΑΚΟ ΠΙΣΤΟΠΟΙΗΤΙΚΟ");
const QString kCertificateHeading = QStringLiteral("Ενεργειακή κατάταξη");
const int kSubRows = 4;
const int kCells = 6;

// The inputs that a temporarily saved declaration shows instead of a sub-row's
// cells, by sub-row (1 to 3) and cell (1 to 6); the id ends with the property index.
const char* propertyInput(int m, int i) {
    static const char* const ids[3][kCells] = {
        {nullptr, nullptr, "atak", "street", "streetNo", "zip"},
        {nullptr, nullptr, "kaek", "area", "areaName", "district"},
        {nullptr, "floor", nullptr, "mainSurfaceArea", "auxSurfaceArea", "plotSurfaceArea"}};
    return m <= 3 ? ids[m - 1][i - 1] : nullptr;
}

// The inputs of the certificate's empty cells, by cell (1 to 6).
const char* certificateInput(int i) {
    static const char* const ids[kCells] = {
        "certReferenceNumber", "certIssueDate", nullptr, nullptr, "certSecurityNumber", nullptr};
    return ids[i - 1];
}

// N of "propertyTable" + N; nothing when the rest of the id is no number, or when the
// property's columns would lie beyond the grid.
std::optional<int> propertyIndex(const QString& tableId) {
    bool isNumber = false;
    const int index = tableId.mid(kPropertyTable.size()).trimmed().toInt(&isNumber);
    if (!isNumber || index < 0 || index >= StagingGrid::kColumns ||
        StagingColumn::propertyCertificateCell(index + 1, kCells) >= StagingGrid::kColumns)
        return std::nullopt;
    return index;
}

QString inputOrEmpty(DeclarationReading& reading, const char* id, int index) {
    if (!id)
        return QString();
    return reading.inputValue(QString::fromLatin1(id) + QString::number(index)).value_or(QString());
}

// The value of cell i of sub-row m.
QString subRowValue(DeclarationReading& reading, const PageElement& cell, int m, int i, int index) {
    if ((m == 3 || m == 4) && i == 3)
        return reading.flatHtml(cell).contains(QStringLiteral("\"checked\""))
                   ? QStringLiteral("ΝΑΙ")
                   : QStringLiteral("ΟΧΙ");
    if (!reading.temporarilySaved || (m == 1 && i == 1))
        return reading.text(cell);
    return inputOrEmpty(reading, propertyInput(m, i), index);
}

// The certificate table: a heading row of 6 cells ending with "Ενεργειακή κατάταξη", then
// the values. An empty value is taken from its input where the page has one; otherwise
// its column keeps what it held.
void certificate(DeclarationReading& reading, const PageElement& table, int index) {
    const QList<PageElement> rows = reading.rows(table);
    if (rows.isEmpty())
        return;
    const QList<PageElement> heading = reading.cells(rows.first());
    if (heading.size() != kCells || reading.trimmedText(heading.last()) != kCertificateHeading ||
        rows.size() < 2)
        return;
    const QList<PageElement> values = reading.cells(rows.at(1));
    for (int i = 1; i <= qMin(int(values.size()), kCells); ++i) {
        QString value = reading.text(values.at(i - 1));
        if (value.isEmpty())
            value = inputOrEmpty(reading, certificateInput(i), index);
        if (!value.isEmpty())
            reading.set(StagingColumn::propertyCertificateCell(index + 1, i), value);
    }
}
} // namespace

void DeclarationSections::property(DeclarationReading& reading, const QString& tableId,
                                   const QList<PageElement>& rows, const PageElement& nextTable) {
    const std::optional<int> index = propertyIndex(tableId);
    if (!index)
        return;
    const int p = *index + 1;
    int m = 0;
    // The certificate table reads the same every time: a page repeating its row does not
    // make the reading go over it again.
    bool certificateRead = false;
    for (const PageElement& row : rows) {
        if (row && reading.ops.GetClassName(row).trimmed() == kDetailsRow) {
            if (++m > kSubRows)
                continue;
            const QList<PageElement> cells = reading.cells(row);
            for (int i = 1; i <= qMin(int(cells.size()), kCells); ++i)
                reading.set(StagingColumn::propertySubRowCell(p, m, i),
                            subRowValue(reading, cells.at(i - 1), m, i, *index));
        } else if (nextTable && !certificateRead && reading.trimmedText(row) == kCertificateRow) {
            certificate(reading, nextTable, *index);
            certificateRead = true;
        }
    }
}
