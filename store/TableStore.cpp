#include "store/TableStore.h"
#include "common/WorkFolder.h"
#include "store/GreekOrder.h"
#include "store/StoreError.h"
#include "store/TableSchema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <sqlite3.h>

namespace {

const int kMaxAttached = 10; // Debian's SQLite allows at most ten attached files
const int kMaxPrepared = 64;

int greekCollation(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return GreekOrder::compare(QString::fromUtf8(static_cast<const char*>(a), lengthA),
                               QString::fromUtf8(static_cast<const char*>(b), lengthB));
}

sqlite3* handleOf(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.data());
}

QString failureText(const QSqlError& error, const QString& sql) {
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return QStringLiteral("Σφάλμα πίνακα: ") + text + QStringLiteral("\n[") + sql.simplified() +
           QLatin1Char(']');
}

void bindAndRun(QSqlQuery& query, const QVariantList& values, const QString& sql) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw StoreError(failureText(query.lastError(), sql));
}

} // namespace

TableStore& TableStore::instance() {
    static TableStore store;
    return store;
}

TableStore::TableStore() {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lethora-store"));
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=") +
                           QString::number(busyTimeoutMs()));
    if (!m_db.open())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ") + m_db.lastError().text());
    sqlite3* handle = handleOf(m_db);
    if (!handle)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο οδηγός SQLite δεν είναι διαθέσιμος"));
    sqlite3_create_collation(handle, GreekOrder::collationName, SQLITE_UTF8, nullptr,
                             greekCollation);
    // The statements kept prepared end with the application object, while Qt's SQL
    // module can still end them: the store itself lives until the process exits, after
    // that module, and statements left to then would never be released.
    qAddPostRoutine([] { instance().m_prepared.clear(); });
}

QString TableStore::canonical(const QString& tablePath) const {
    return WorkFolder::path(tablePath);
}

QString TableStore::acquire(const QString& tablePath) {
    const QString key = canonical(tablePath);
    auto it = m_attached.find(key);
    if (it == m_attached.end()) {
        if (m_attached.size() >= kMaxAttached)
            detachUnused();
        if (m_attached.size() >= kMaxAttached)
            throw StoreError(QStringLiteral("Σφάλμα πίνακα: πάρα πολλοί ανοικτοί πίνακες (") +
                             tablePath + QLatin1Char(')'));
        if (!QFileInfo(key).isFile())
            throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + tablePath +
                             QStringLiteral(" δεν υπάρχει"));
        const QString schema = QStringLiteral("t") + QString::number(m_nextSchema++);
        const QString uri =
            QUrl::fromLocalFile(key).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
        exec(QStringLiteral("ATTACH DATABASE ? AS ") + schema, {uri});
        it = m_attached.insert(key, Attachment{schema, 0, 0});
    }
    it->holders++;
    it->lastUse = ++m_useCounter;
    return it->schema;
}

void TableStore::release(const QString& tablePath) {
    auto it = m_attached.find(canonical(tablePath));
    if (it != m_attached.end() && it->holders > 0)
        it->holders--;
}

void TableStore::detach(const QString& key) {
    const QString schema = m_attached.value(key).schema;
    // Statements kept prepared name the schema; they go with it.
    m_prepared.clear();
    exec(QStringLiteral("DETACH DATABASE ") + schema);
    m_attached.remove(key);
}

void TableStore::releaseFile(const QString& tablePath) {
    const QString key = canonical(tablePath);
    auto it = m_attached.find(key);
    if (it == m_attached.end())
        return;
    if (it->holders > 0)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + tablePath +
                         QStringLiteral(" είναι σε χρήση"));
    detach(key);
}

void TableStore::detachUnused() {
    if (m_transactionDepth > 0)
        return;
    const QStringList keys = m_attached.keys();
    for (const QString& key : keys)
        if (m_attached.value(key).holders == 0)
            detach(key);
}

QString TableStore::qualifiedName(const QString& tablePath) {
    const QString key = canonical(tablePath);
    const auto it = m_attached.constFind(key);
    if (it == m_attached.constEnd())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + tablePath +
                         QStringLiteral(" δεν είναι ανοικτός"));
    const TableDef* def = TableSchema::byFile(key);
    const QString table = def ? def->name : QFileInfo(key).completeBaseName();
    return it->schema + QStringLiteral(".\"") + table + QLatin1Char('"');
}

QSqlQuery TableStore::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw StoreError(failureText(query.lastError(), sql));
    bindAndRun(query, values, sql);
    return query;
}

QSqlQuery& TableStore::execPrepared(const QString& sql, const QVariantList& values) {
    std::shared_ptr<QSqlQuery>& query = m_prepared[sql];
    if (!query) {
        if (m_prepared.size() > kMaxPrepared) {
            m_prepared.clear();
            return execPrepared(sql, values);
        }
        query = std::make_shared<QSqlQuery>(m_db);
        query->setForwardOnly(true);
        if (!query->prepare(sql)) {
            const QString failure = failureText(query->lastError(), sql);
            m_prepared.remove(sql);
            throw StoreError(failure);
        }
    }
    QSqlQuery& prepared = *query;
    prepared.finish();
    bindAndRun(prepared, values, sql);
    return prepared;
}

TableStore::Transaction::Transaction() {
    TableStore& store = instance();
    if (store.m_transactionDepth == 0) {
        // Deferred: each file is write-locked by the first statement that writes it, so
        // a change locks only the files it writes. Every other file that happens to be
        // attached (the shared tables, another company's tables) stays free for the
        // other workstations.
        store.exec(QStringLiteral("BEGIN"));
        store.m_rollbackOnly = false;
    }
    store.m_transactionDepth++;
}

void TableStore::Transaction::commit() {
    if (m_done)
        return;
    TableStore& store = instance();
    m_done = true;
    store.m_transactionDepth--;
    if (store.m_transactionDepth > 0)
        return;
    if (store.m_rollbackOnly) {
        store.exec(QStringLiteral("ROLLBACK"));
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: η μεταβολή ακυρώθηκε"));
    }
    store.exec(QStringLiteral("COMMIT"));
}

TableStore::Transaction::~Transaction() {
    if (m_done)
        return;
    TableStore& store = instance();
    store.m_transactionDepth--;
    if (store.m_transactionDepth > 0) {
        store.m_rollbackOnly = true;
        return;
    }
    QSqlQuery rollback(store.m_db);
    rollback.exec(QStringLiteral("ROLLBACK"));
}
