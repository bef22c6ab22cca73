#include "store/StoreQuery.h"
#include "store/StoreError.h"
#include "store/TableStore.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Releases the files a statement attached once it has run.
class HeldPaths {
public:
    ~HeldPaths() {
        for (const QString& p : paths)
            TableStore::instance().release(p);
    }
    QStringList paths;
};

} // namespace

QString rewriteTablePaths(const QString& sql, QStringList* paths) {
    // A quoted text ending in ".db" (any case) stands where a table name does.
    static const QRegularExpression quotedTable(QStringLiteral("'([^']+\\.[dD][bB])'"));
    TableStore& store = TableStore::instance();
    QString result;
    qsizetype last = 0;
    auto it = quotedTable.globalMatch(sql);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString path = m.captured(1);
        store.acquire(path);
        paths->append(path);
        result += sql.mid(last, m.capturedStart(0) - last);
        result += store.qualifiedName(path);
        last = m.capturedEnd(0);
    }
    result += sql.mid(last);
    return result;
}

void StoreQuery::addLine(const QString& line) {
    if (!m_sql.isEmpty())
        m_sql += QLatin1Char('\n');
    m_sql += line;
}

void StoreQuery::clear() {
    close();
    m_sql.clear();
}

void StoreQuery::open() {
    close();
    HeldPaths held;
    const QString rewritten = rewriteTablePaths(m_sql, &held.paths);
    TableStore& store = TableStore::instance();
    QSqlQuery query = store.exec(rewritten);
    const QSqlRecord record = query.record();
    // A server's tables carry a row id column of the store's own: "SELECT *" leaves it
    // out, as it does on SQLite.
    const bool serverRowId = store.isServer();
    QList<int> columns;
    for (int i = 0; i < record.count(); ++i) {
        if (serverRowId && record.fieldName(i) == QLatin1String("rowid"))
            continue;
        m_names << record.fieldName(i);
        columns << i;
    }
    while (query.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (const int i : columns)
            row << query.value(i);
        m_rows << row;
    }
    query.finish();
    m_open = true;
    m_pos = 0;
}

int StoreQuery::execSql() {
    close();
    HeldPaths held;
    const QString rewritten = rewriteTablePaths(m_sql, &held.paths);
    TableStore::Transaction transaction;
    QSqlQuery query = TableStore::instance().exec(rewritten);
    const int changed = query.numRowsAffected();
    query.finish();
    transaction.commit();
    return changed;
}

void StoreQuery::close() {
    m_open = false;
    m_names.clear();
    m_rows.clear();
    m_pos = 0;
}

QVariant StoreQuery::value(int column) const {
    if (eof() || bof())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: δεν υπάρχει τρέχουσα εγγραφή"));
    return m_rows.at(m_pos).value(column);
}

QVariant StoreQuery::value(const QString& field) const {
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return value(i);
    throw StoreError(QStringLiteral("Σφάλμα πίνακα: το πεδίο ") + field +
                     QStringLiteral(" δεν υπάρχει"));
}
