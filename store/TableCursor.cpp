#include "store/TableCursor.h"
#include "store/GreekOrder.h"
#include "store/StoreError.h"
#include "store/TableStore.h"

#include <QSqlQuery>
#include <algorithm>

namespace {

QString quoted(const QString& identifier) {
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

const int kRowCacheLimit = 4096;
const int kReadAhead = 64;

int compareValues(const QVariant& a, const QVariant& b, FieldType type) {
    const bool aNull = a.isNull();
    const bool bNull = b.isNull();
    if (aNull || bNull)
        return aNull == bNull ? 0 : (aNull ? -1 : 1);
    if (type == FieldType::Text)
        return GreekOrder::compare(a.toString(), b.toString());
    const double x = a.toDouble();
    const double y = b.toDouble();
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace

TableCursor::TableCursor(QObject* parent) : QObject(parent) {}

TableCursor::~TableCursor() {
    if (isOpen())
        TableStore::instance().release(m_path);
}

void TableCursor::setTableName(const QString& path) {
    if (isOpen())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + m_path +
                         QStringLiteral(" είναι ανοικτός"));
    m_path = path;
    m_def = TableSchema::byFile(path);
}

const TableDef& TableCursor::definition() const {
    if (!m_def)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: άγνωστος πίνακας ") + m_path);
    return *m_def;
}

void TableCursor::setIndexName(const QString& name) {
    if (!name.isEmpty() && !definition().index(name))
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + m_path +
                         QStringLiteral(" δεν έχει το ευρετήριο ") + name);
    m_indexName = name;
    if (isOpen())
        reload(m_pos >= 0 ? m_rows.at(m_pos) : -1, 0);
}

void TableCursor::setFilter(const QString& expression) {
    m_filter = expression;
    if (isOpen() && m_filtered)
        reload(-1, 0);
}

void TableCursor::setFiltered(bool on) {
    if (m_filtered == on)
        return;
    m_filtered = on;
    if (isOpen())
        reload(-1, 0);
}

void TableCursor::setMasterLink(TableCursor* master, const QString& field) {
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterField = field;
    if (master) {
        connect(master, &TableCursor::scrolled, this, &TableCursor::masterMoved);
    }
}

void TableCursor::open() {
    if (isOpen())
        return;
    definition();
    TableStore& store = TableStore::instance();
    store.acquire(m_path);
    try {
        m_qualified = store.qualifiedName(m_path);
        store.exec(QStringLiteral("SELECT 1 FROM ") + m_qualified + QStringLiteral(" LIMIT 0"));
        m_state = State::Browse;
        reload(-1, 0);
    } catch (...) {
        m_state = State::Inactive;
        store.release(m_path);
        throw;
    }
}

void TableCursor::close() {
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_rows.clear();
    m_keys.clear();
    m_primaryKeys.clear();
    m_positionById.clear();
    m_rowCache.clear();
    m_buffer.clear();
    m_read.clear();
    m_pos = -1;
    m_eof = m_bof = true;
    TableStore::instance().release(m_path);
}

void TableCursor::requireOpen() const {
    if (!isOpen())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + m_path +
                         QStringLiteral(" δεν είναι ανοικτός"));
}

void TableCursor::requireBrowse() const {
    requireOpen();
    if (m_state != State::Browse)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + m_path +
                         QStringLiteral(" είναι σε κατάσταση μεταβολής"));
}

int TableCursor::column(const QString& field) const {
    const QList<FieldDef>& fields = definition().fields;
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    throw StoreError(QStringLiteral("Σφάλμα πίνακα: το πεδίο ") + field +
                     QStringLiteral(" δεν υπάρχει στον πίνακα ") + m_path);
}

QList<TableCursor::OrderPart> TableCursor::orderParts() const {
    QList<OrderPart> parts;
    const TableDef& def = definition();
    if (!m_indexName.isEmpty()) {
        for (const IndexPart& p : def.index(m_indexName)->parts) {
            const int c = column(p.field);
            parts << OrderPart{c, def.fields.at(c).type, p.descending};
        }
    } else {
        for (const QString& k : def.primaryKey) {
            const int c = column(k);
            parts << OrderPart{c, def.fields.at(c).type, false};
        }
    }
    return parts;
}

QString TableCursor::whereClause(QVariantList& values) const {
    QStringList conditions;
    if (m_filtered && !m_filter.trimmed().isEmpty())
        conditions << QLatin1Char('(') + m_filter + QLatin1Char(')');
    if (m_master) {
        if (!m_master->isOpen() || m_master->isEmpty()) {
            conditions << QStringLiteral("1 = 0");
        } else {
            conditions << quoted(definition().fields.at(column(m_masterField)).name) +
                              QStringLiteral(" = ?");
            values << m_master->value(m_masterField);
        }
    }
    return conditions.isEmpty()
               ? QString()
               : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QList<int> TableCursor::primaryKeyColumns() const {
    QList<int> columns;
    for (const QString& k : definition().primaryKey)
        columns << column(k);
    return columns;
}

QVariantList TableCursor::primaryKeyOf(const QVariantList& row) const {
    QVariantList key;
    for (int c : primaryKeyColumns())
        key << row.value(c);
    return key;
}

// The primary key, and every other field as it was read: a row that another workstation
// changed or deleted since matches nothing.
QString TableCursor::rowAsRead(const QVariantList& row, QVariantList& values) const {
    TableStore& store = TableStore::instance();
    const QList<FieldDef>& fields = definition().fields;
    const QList<int> keyColumns = primaryKeyColumns();
    QStringList conditions;
    for (int i = 0; i < fields.size(); ++i) {
        const QString name = quoted(fields.at(i).name);
        conditions << (keyColumns.contains(i) ? name + QStringLiteral(" = ?") : store.sameAs(name));
        values << row.value(i);
    }
    return conditions.join(QStringLiteral(" AND "));
}

QString TableCursor::fieldList() const {
    QStringList names;
    for (const FieldDef& f : definition().fields)
        names << quoted(f.name);
    return names.join(QStringLiteral(", "));
}

void TableCursor::reload(qint64 keepRowId, int fallbackPosition) {
    const QList<OrderPart> parts = orderParts();
    const TableDef& def = definition();
    // The few rows of a detail are read whole at once: they are about to be shown.
    const bool wholeRows = !m_master.isNull();
    QStringList selected{QStringLiteral("rowid")};
    QStringList order;
    for (const OrderPart& p : parts) {
        const QString name = quoted(def.fields.at(p.column).name);
        if (!wholeRows)
            selected << name;
        order << name + (p.type == FieldType::Text ? QStringLiteral(" COLLATE GREEK") : QString()) +
                     (p.descending ? QStringLiteral(" DESC") : QString());
    }
    const QList<int> keyColumns = primaryKeyColumns();
    if (wholeRows)
        selected << fieldList();
    else
        for (int c : keyColumns)
            selected << quoted(def.fields.at(c).name);
    order << QStringLiteral("rowid");
    QVariantList values;
    const QString sql = QStringLiteral("SELECT ") + selected.join(QStringLiteral(", ")) +
                        QStringLiteral(" FROM ") + m_qualified + whereClause(values) +
                        QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    QSqlQuery& query = TableStore::instance().execPrepared(sql, values);
    m_rows.clear();
    m_keys.clear();
    m_primaryKeys.clear();
    m_positionById.clear();
    m_rowCache.clear();
    const int fieldCount = static_cast<int>(def.fields.size());
    while (query.next()) {
        const qint64 rowId = query.value(0).toLongLong();
        m_rows << rowId;
        QVariantList key;
        if (wholeRows) {
            QVariantList row;
            row.reserve(fieldCount);
            for (int i = 0; i < fieldCount; ++i)
                row << query.value(i + 1);
            for (const OrderPart& p : parts)
                key << row.at(p.column);
            m_primaryKeys << primaryKeyOf(row);
            if (m_rowCache.size() < kRowCacheLimit)
                m_rowCache.insert(rowId, row);
        } else {
            for (int i = 0; i < parts.size(); ++i)
                key << query.value(i + 1);
            QVariantList primaryKey;
            for (int i = 0; i < keyColumns.size(); ++i)
                primaryKey << query.value(int(parts.size()) + i + 1);
            m_primaryKeys << primaryKey;
        }
        m_keys << key;
    }
    query.finish();
    int position = keepRowId >= 0 ? positionOfRowId(keepRowId) : -1;
    if (position < 0)
        position = qBound(0, fallbackPosition, static_cast<int>(m_rows.size()) - 1);
    setPosition(m_rows.isEmpty() ? -1 : position);
    m_bof = m_rows.isEmpty() || position == 0;
    Q_EMIT reloaded();
}

void TableCursor::setPosition(int position) {
    m_pos = position;
    m_eof = m_bof = m_rows.isEmpty();
    Q_EMIT scrolled();
}

int TableCursor::positionOfRowId(qint64 rowId) const {
    if (m_positionById.isEmpty())
        for (int i = 0; i < m_rows.size(); ++i)
            m_positionById.insert(m_rows.at(i), i);
    return m_positionById.value(rowId, -1);
}

void TableCursor::first() {
    requireBrowse();
    setPosition(m_rows.isEmpty() ? -1 : 0);
    m_bof = true;
}

void TableCursor::next() {
    requireBrowse();
    if (m_pos + 1 < m_rows.size()) {
        setPosition(m_pos + 1);
    } else {
        m_eof = true;
    }
}

void TableCursor::prior() {
    requireBrowse();
    if (m_pos > 0) {
        setPosition(m_pos - 1);
    } else {
        m_bof = true;
    }
}

void TableCursor::last() {
    requireBrowse();
    setPosition(m_rows.isEmpty() ? -1 : static_cast<int>(m_rows.size()) - 1);
    m_eof = true;
}

void TableCursor::moveTo(int position) {
    requireBrowse();
    if (m_rows.isEmpty())
        return;
    setPosition(qBound(0, position, static_cast<int>(m_rows.size()) - 1));
}

const QVariantList& TableCursor::rowValues(int position) const {
    static const QVariantList none;
    if (position < 0 || position >= m_rows.size())
        return none;
    const qint64 rowId = m_rows.at(position);
    auto it = m_rowCache.constFind(rowId);
    if (it != m_rowCache.constEnd())
        return *it;
    if (m_rowCache.size() + kReadAhead > kRowCacheLimit)
        m_rowCache.clear();
    // This row and the ones after it in one read: rows are mostly walked in order. The
    // statement always names kReadAhead row ids (-1 past the end) so that it is reused.
    QVariantList ids;
    for (int p = position; p < position + kReadAhead; ++p)
        ids << (p < m_rows.size() ? m_rows.at(p) : qint64(-1));
    QStringList marks(kReadAhead, QStringLiteral("?"));
    QSqlQuery& query = TableStore::instance().execPrepared(
        QStringLiteral("SELECT rowid, ") + fieldList() + QStringLiteral(" FROM ") + m_qualified +
            QStringLiteral(" WHERE rowid IN (") + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
        ids);
    const int fieldCount = static_cast<int>(definition().fields.size());
    while (query.next()) {
        QVariantList values;
        values.reserve(fieldCount);
        for (int i = 0; i < fieldCount; ++i)
            values << query.value(i + 1);
        // A row number that SQLite gave again to another row reads as a row that has gone.
        const qint64 id = query.value(0).toLongLong();
        const int at = positionOfRowId(id);
        if (at >= 0 && primaryKeyOf(values) == m_primaryKeys.at(at))
            m_rowCache.insert(id, values);
    }
    query.finish();
    it = m_rowCache.constFind(rowId);
    if (it != m_rowCache.constEnd())
        return *it;
    // The row has gone from the table since the row set was read.
    return *m_rowCache.insert(rowId, QVariantList(fieldCount));
}

QVariant TableCursor::value(const QString& field) const {
    requireOpen();
    const int c = column(field);
    if (m_state != State::Browse)
        return m_buffer.value(c);
    return rowValues(m_pos).value(c);
}

QVariant TableCursor::valueAt(int position, const QString& field) const {
    requireOpen();
    return rowValues(position).value(column(field));
}

void TableCursor::setValue(const QString& field, const QVariant& v) {
    requireOpen();
    if (m_state == State::Browse)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + m_path +
                         QStringLiteral(" δεν είναι σε κατάσταση μεταβολής"));
    const int c = column(field);
    m_buffer[c] = v;
    m_changed[c] = true;
}

void TableCursor::insert() {
    requireBrowse();
    const int count = definition().fields.size();
    m_buffer = QVariantList(count);
    m_changed = QVector<bool>(count, false);
    m_state = State::Insert;
    if (m_master && m_master->isOpen() && !m_master->isEmpty())
        setValue(m_masterField, m_master->value(m_masterField));
}

void TableCursor::edit() {
    requireBrowse();
    if (m_rows.isEmpty()) {
        insert();
        return;
    }
    m_buffer = rowValues(m_pos);
    m_read = m_buffer;
    m_changed = QVector<bool>(m_buffer.size(), false);
    m_state = State::Edit;
}

void TableCursor::cancel() {
    requireOpen();
    m_state = State::Browse;
    m_buffer.clear();
    m_read.clear();
    m_changed.clear();
}

void TableCursor::post() {
    requireOpen();
    if (m_state == State::Browse)
        return;
    const QList<FieldDef>& fields = definition().fields;
    QStringList names;
    QVariantList values;
    for (int i = 0; i < fields.size(); ++i)
        if (m_changed.at(i)) {
            names << quoted(fields.at(i).name);
            values << m_buffer.at(i);
        }
    TableStore& store = TableStore::instance();
    TableStore::Transaction transaction;
    qint64 rowId = -1;
    if (m_state == State::Insert) {
        QString sql = QStringLiteral("INSERT INTO ") + m_qualified;
        if (names.isEmpty()) {
            sql += QStringLiteral(" DEFAULT VALUES");
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql += QStringLiteral(" (") + names.join(QStringLiteral(", ")) +
                   QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) +
                   QLatin1Char(')');
        }
        rowId = store.insert(sql, values);
    } else {
        rowId = m_rows.at(m_pos);
        if (!names.isEmpty()) {
            QStringList sets;
            for (const QString& n : names)
                sets << n + QStringLiteral(" = ?");
            const QString sql = QStringLiteral("UPDATE ") + m_qualified + QStringLiteral(" SET ") +
                                sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
                                rowAsRead(m_read, values);
            if (store.exec(sql, values).numRowsAffected() < 1)
                throw StoreError(kChangedElsewhere);
        }
    }
    transaction.commit();
    m_state = State::Browse;
    m_buffer.clear();
    m_read.clear();
    m_changed.clear();
    reload(rowId, m_pos);
}

void TableCursor::remove() {
    requireBrowse();
    if (m_rows.isEmpty())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + m_path +
                         QStringLiteral(" δεν έχει εγγραφές"));
    const int position = m_pos;
    QVariantList values;
    const QString sql = QStringLiteral("DELETE FROM ") + m_qualified + QStringLiteral(" WHERE ") +
                        rowAsRead(rowValues(position), values);
    TableStore::Transaction transaction;
    if (TableStore::instance().exec(sql, values).numRowsAffected() < 1)
        throw StoreError(kChangedElsewhere);
    transaction.commit();
    reload(-1, position);
}

bool TableCursor::locateWhere(const QString& condition, const QVariantList& conditionValues) {
    requireBrowse();
    QVariantList values = conditionValues;
    QSqlQuery query = TableStore::instance().exec(
        QStringLiteral("SELECT rowid FROM ") + m_qualified + QStringLiteral(" WHERE ") + condition,
        values);
    int best = -1;
    while (query.next()) {
        const int p = positionOfRowId(query.value(0).toLongLong());
        if (p >= 0 && (best < 0 || p < best))
            best = p;
    }
    query.finish();
    if (best < 0)
        return false;
    setPosition(best);
    return true;
}

bool TableCursor::findKey(const QVariantList& key) {
    const QStringList& primaryKey = definition().primaryKey;
    if (primaryKey.isEmpty() || key.size() != primaryKey.size())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: λάθος κλειδί αναζήτησης στον πίνακα ") +
                         m_path);
    QStringList conditions;
    for (const QString& k : primaryKey)
        conditions << quoted(k) + QStringLiteral(" = ?");
    return locateWhere(conditions.join(QStringLiteral(" AND ")), key);
}

bool TableCursor::locate(const QString& field, const QVariant& v) {
    return locateWhere(quoted(definition().fields.at(column(field)).name) + QStringLiteral(" = ?"),
                       {v});
}

bool TableCursor::locate(const QString& field1, const QVariant& v1, const QString& field2,
                         const QVariant& v2) {
    const QList<FieldDef>& fields = definition().fields;
    return locateWhere(quoted(fields.at(column(field1)).name) + QStringLiteral(" = ? AND ") +
                           quoted(fields.at(column(field2)).name) + QStringLiteral(" = ?"),
                       {v1, v2});
}

int TableCursor::compareKeys(const QVariantList& rowKey, const QVariantList& key,
                             const QList<OrderPart>& parts) const {
    for (int i = 0; i < key.size() && i < parts.size(); ++i) {
        int c = compareValues(rowKey.value(i), key.at(i), parts.at(i).type);
        if (parts.at(i).descending)
            c = -c;
        if (c != 0)
            return c;
    }
    return 0;
}

void TableCursor::findNearest(const QVariantList& key) {
    requireBrowse();
    if (m_rows.isEmpty())
        return;
    const QList<OrderPart> parts = orderParts();
    const auto it = std::lower_bound(m_keys.cbegin(), m_keys.cend(), key,
                                     [&](const QVariantList& rowKey, const QVariantList& wanted) {
                                         return compareKeys(rowKey, wanted, parts) < 0;
                                     });
    const int position = static_cast<int>(it - m_keys.cbegin());
    setPosition(qMin(position, static_cast<int>(m_rows.size()) - 1));
}

void TableCursor::refresh() {
    requireBrowse();
    reload(m_pos >= 0 ? m_rows.at(m_pos) : -1, m_pos);
}

void TableCursor::masterMoved() {
    if (m_state == State::Browse)
        reload(-1, 0);
}
