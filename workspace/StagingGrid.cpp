#include "workspace/StagingGrid.h"

StagingGrid::StagingGrid() {
    m_rows.resize(kInitialRows);
}

void StagingGrid::setRowCount(int rows) {
    m_rowCount = qMax(rows, 1);
    if (m_rows.size() < m_rowCount)
        m_rows.resize(m_rowCount);
}

QString StagingGrid::cell(int column, int row) const {
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= kColumns)
        return QString();
    const QVector<QString>& cells = m_rows.at(row);
    return column < cells.size() ? cells.at(column) : QString();
}

void StagingGrid::setCell(int column, int row, const QString& text) {
    if (row < 0 || column < 0 || column >= kColumns)
        return;
    if (row >= m_rows.size())
        m_rows.resize(row + 1);
    QVector<QString>& cells = m_rows[row];
    if (cells.size() <= column) {
        if (text.isEmpty())
            return;
        cells.resize(column + 1);
    }
    cells[column] = text;
}

void StagingGrid::clearAll() {
    for (QVector<QString>& cells : m_rows)
        cells.clear();
}

void StagingGrid::clearFrom(int row, int column) {
    if (row < 0 || row >= m_rows.size())
        return;
    QVector<QString>& cells = m_rows[row];
    if (cells.size() > column)
        cells.resize(qMax(column, 0));
}

void StagingGrid::fillHeaderRow() {
    for (int column = 0; column < kColumns; ++column)
        setCell(column, 0, QString::number(column));
}

StagingGrid::Found StagingGrid::FindInSubmissionList(const QString& number) const {
    Found found;
    for (int row = 1; row < m_rowCount; ++row) {
        QString registration = cell(1, row);
        const qsizetype bracket = registration.indexOf(QLatin1Char('('));
        if (bracket >= 0)
            registration.truncate(bracket);
        if (registration.trimmed() != number)
            continue;
        found.row = row;
        const QString kind = cell(5, row);
        if (kind == QStringLiteral("Αρχική"))
            found.kind = Kind::Initial;
        else if (kind == QStringLiteral("Τροποποιητική"))
            found.kind = Kind::Amending;
        else if (kind == QStringLiteral("Λύση"))
            found.kind = Kind::Termination;
    }
    return found;
}
