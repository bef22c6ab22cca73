#include "store/TableStore.h"
#include "common/WorkFolder.h"
#include "store/ServerEngine.h"
#include "store/SqliteEngine.h"
#include "store/StoreChoice.h"
#include "store/StoreError.h"
#include "store/StoreFailure.h"
#include "store/TableSchema.h"

#include <QCoreApplication>

namespace {

const int kMaxPrepared = 64;

void bindAndRun(QSqlQuery& query, const QVariantList& values, const QString& sql) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw StoreError(storeFailureText(query.lastError(), sql));
}

// The folder store's connection belongs to its folder: the names in its journals are
// relative to it.
QString choiceKey(const StoreChoice& choice) {
    return choice.engine == StoreChoice::Engine::Sqlite
               ? QStringLiteral("files:") + WorkFolder::root()
               : QStringLiteral("pg:") + choice.connection;
}

} // namespace

TableStore& TableStore::instance() {
    static TableStore store;
    return store;
}

TableStore::TableStore() {
    // The statements kept prepared and the connection end with the application object,
    // while Qt's SQL module can still release them: the store itself lives until the
    // process exits, after that module.
    qAddPostRoutine([] {
        TableStore& store = instance();
        store.m_prepared.clear();
        store.m_attached.clear();
        store.m_engine.reset();
        store.m_engineChoice.clear();
    });
}

TableStore::~TableStore() {
    m_prepared.clear();
    // At the process's end Qt's list of connections may be gone before the store: the
    // connection is left to end with the process.
    (void)m_engine.release();
}

StoreEngine& TableStore::engine() {
    if (m_engine && m_engineRoot == WorkFolder::root())
        return *m_engine;
    const StoreChoice choice = StoreChoice::ofWorkFolder();
    const QString key = choiceKey(choice);
    if (!m_engine || key != m_engineChoice) {
        if (m_transactionDepth > 0)
            throw StoreError(QStringLiteral("Σφάλμα πίνακα: αλλαγή αποθήκευσης μέσα σε μεταβολή"));
        m_prepared.clear();
        m_attached.clear();
        m_engine.reset();
        if (choice.engine == StoreChoice::Engine::Postgresql)
            m_engine = std::make_unique<ServerEngine>(choice.connection);
        else
            m_engine = std::make_unique<SqliteEngine>(WorkFolder::root());
        m_engineChoice = key;
    }
    m_engineRoot = WorkFolder::root();
    return *m_engine;
}

void TableStore::connect() {
    engine();
}

bool TableStore::isServer() {
    return engine().isServer();
}

QString TableStore::canonical(const QString& tablePath) const {
    return WorkFolder::path(tablePath);
}

QString TableStore::acquire(const QString& tablePath) {
    StoreEngine& store = engine();
    const QString key = canonical(tablePath);
    auto it = m_attached.find(key);
    if (it == m_attached.end()) {
        if (m_attached.size() >= store.maxAttached())
            detachUnused();
        if (m_attached.size() >= store.maxAttached())
            throw StoreError(QStringLiteral("Σφάλμα πίνακα: πάρα πολλοί ανοικτοί πίνακες (") +
                             tablePath + QLatin1Char(')'));
        const QString schema = store.attach(key, tablePath);
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
    engine().detach(schema);
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

bool TableStore::exists(const QString& tablePath) {
    return engine().exists(canonical(tablePath));
}

QString TableStore::qualifiedName(const QString& tablePath) {
    const QString key = canonical(tablePath);
    const auto it = m_attached.constFind(key);
    if (it == m_attached.constEnd())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + tablePath +
                         QStringLiteral(" δεν είναι ανοικτός"));
    return engine().qualifiedName(it->schema, TableSchema::tableName(key));
}

QSqlQuery TableStore::run(const QString& sql, const QVariantList& values) {
    StoreEngine& store = engine();
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    const QString text = store.statement(sql);
    // A server prepares only statements that take values; BEGIN and the like run as
    // they stand.
    if (values.isEmpty() && store.isServer()) {
        if (!query.exec(text))
            throw StoreError(storeFailureText(query.lastError(), sql));
        return query;
    }
    if (!query.prepare(text))
        throw StoreError(storeFailureText(query.lastError(), sql));
    bindAndRun(query, values, sql);
    return query;
}

QSqlQuery TableStore::exec(const QString& sql, const QVariantList& values) {
    return run(sql, values);
}

QString TableStore::sameAs(const QString& column) {
    return engine().sameAs(column);
}

qint64 TableStore::insert(const QString& sql, const QVariantList& values) {
    const QString returning = engine().returningRowId();
    QSqlQuery query = run(sql + returning, values);
    if (returning.isEmpty())
        return query.lastInsertId().toLongLong();
    return query.next() ? query.value(0).toLongLong() : -1;
}

QSqlQuery& TableStore::execPrepared(const QString& sql, const QVariantList& values) {
    StoreEngine& store = engine();
    std::shared_ptr<QSqlQuery>& query = m_prepared[sql];
    if (!query) {
        if (m_prepared.size() > kMaxPrepared) {
            m_prepared.clear();
            return execPrepared(sql, values);
        }
        query = std::make_shared<QSqlQuery>(store.database());
        query->setForwardOnly(true);
        if (!query->prepare(store.statement(sql))) {
            const QString failure = storeFailureText(query->lastError(), sql);
            m_prepared.remove(sql);
            throw StoreError(failure);
        }
    }
    QSqlQuery& prepared = *query;
    prepared.finish();
    bindAndRun(prepared, values, sql);
    return prepared;
}

bool TableStore::createEmpty(const QString& tablePath) {
    StoreEngine& store = engine();
    if (!store.isServer())
        return false;
    releaseFile(tablePath);
    Transaction transaction;
    const bool made = store.createEmpty(canonical(tablePath),
                                        TableSchema::byName(TableSchema::tableName(tablePath)));
    transaction.commit();
    return made;
}

bool TableStore::moveAside(const QString& folder, const QString& backupName) {
    StoreEngine& store = engine();
    if (!store.isServer())
        return false;
    const QString key = canonical(folder) + QLatin1Char('/');
    for (const QString& attached : m_attached.keys())
        if (attached.startsWith(key))
            releaseFile(attached);
    Transaction transaction;
    const bool moved = store.moveAside(canonical(folder), backupName);
    transaction.commit();
    return moved;
}

TableStore::Transaction::Transaction() {
    TableStore& store = instance();
    if (store.m_transactionDepth == 0) {
        // Deferred: each table is write-locked by the first statement that writes it, so
        // a change locks only the tables it writes. Every other table that happens to be
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
    if (!store.m_engine)
        return;
    QSqlQuery rollback(store.m_engine->database());
    rollback.exec(QStringLiteral("ROLLBACK"));
}
