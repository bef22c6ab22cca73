#include "store/SqliteEngine.h"
#include "store/FolderVfs.h"
#include "store/GreekOrder.h"
#include "store/StoreError.h"
#include "store/StoreFailure.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace {
const QString kConnectionName = QStringLiteral("lethora-store");

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
} // namespace

SqliteEngine::SqliteEngine(const QString& root) : m_files(std::make_unique<FolderVfs>(root)) {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnectionName);
    m_db.setDatabaseName(m_files->mainUri());
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=") +
                           QString::number(busyTimeoutMs()));
    if (!m_db.open())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ") + m_db.lastError().text());
    sqlite3* handle = handleOf(m_db);
    if (!handle)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο οδηγός SQLite δεν είναι διαθέσιμος"));
    sqlite3_create_collation(handle, GreekOrder::collationName, SQLITE_UTF8, nullptr,
                             greekCollation);
    // A name in double quotes is a column and never a text: a column missing from a
    // table is an error that names it.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
}

SqliteEngine::~SqliteEngine() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(kConnectionName);
}

void SqliteEngine::run(const QString& sql, const QVariantList& values) {
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw StoreError(storeFailureText(query.lastError(), sql));
}

QString SqliteEngine::attach(const QString& absolutePath, const QString& tablePath) {
    if (!exists(absolutePath))
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + tablePath +
                         QStringLiteral(" δεν υπάρχει"));
    const QString schema = QStringLiteral("t") + QString::number(m_nextSchema++);
    run(QStringLiteral("ATTACH DATABASE ? AS ") + schema, {m_files->fileUri(absolutePath)});
    return schema;
}

void SqliteEngine::detach(const QString& schema) {
    run(QStringLiteral("DETACH DATABASE ") + schema);
}

bool SqliteEngine::exists(const QString& absolutePath) {
    return QFileInfo(absolutePath).isFile();
}

QString SqliteEngine::qualifiedName(const QString& schema, const QString& table) const {
    return schema + QStringLiteral(".\"") + table + QLatin1Char('"');
}
