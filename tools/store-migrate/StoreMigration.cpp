#include "tools/store-migrate/StoreMigration.h"
#include "common/WorkFolder.h"
#include "store/ServerEngine.h"
#include "store/StoreError.h"
#include "store/StoreFailure.h"
#include "store/TableSchema.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSqlQuery>
#include <algorithm>

namespace {
const int kRowsPerStatement = 200;

qint64 rowsOnServer(QSqlDatabase db, const QString& qualified) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + qualified) || !query.next())
        throw StoreError(storeFailureText(query.lastError(), qualified));
    return query.value(0).toLongLong();
}

// The folder's table file, opened on a connection of its own, read only.
class FolderTable {
public:
    explicit FolderTable(const QString& path) : m_name(QStringLiteral("store-migrate-") + path) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(WorkFolder::path(path));
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_db.open())
            throw StoreError(QStringLiteral("Δεν ανοίγει ο πίνακας ") + path +
                             QStringLiteral(": ") + m_db.lastError().text());
    }
    ~FolderTable() {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Copies the rows with their row ids, many rows to a statement.
void copyRows(QSqlDatabase from, const TableDef& def, ServerEngine& to, const QString& target) {
    QStringList names{QStringLiteral("rowid")};
    for (const FieldDef& f : def.fields)
        names << quoted(f.name);
    QSqlQuery read(from);
    read.setForwardOnly(true);
    const QString select = QStringLiteral("SELECT ") + names.join(QLatin1Char(',')) +
                           QStringLiteral(" FROM ") + quoted(def.name) +
                           QStringLiteral(" ORDER BY rowid");
    if (!read.exec(select))
        throw StoreError(storeFailureText(read.lastError(), select));
    const QString row = QLatin1Char('(') +
                        QStringList(names.size(), QStringLiteral("?")).join(',') + QLatin1Char(')');
    const QString insert = QStringLiteral("INSERT INTO ") + target + QStringLiteral(" (") +
                           names.join(QLatin1Char(',')) + QStringLiteral(") VALUES ");
    QVariantList values;
    int rows = 0;
    const auto flush = [&] {
        if (rows == 0)
            return;
        to.run(insert + QStringList(rows, row).join(QLatin1Char(',')), values);
        values.clear();
        rows = 0;
    };
    while (read.next()) {
        for (int i = 0; i < names.size(); ++i)
            values << read.value(i);
        if (++rows == kRowsPerStatement)
            flush();
    }
    flush();
    // New rows continue after the copied ones.
    to.run(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, 'rowid'), "
                          "GREATEST((SELECT MAX(rowid) FROM ") +
               target + QStringLiteral("), 1))"),
           {target});
}
} // namespace

QStringList StoreMigration::tableFiles() {
    QStringList found;
    for (const QString& top : {QStringLiteral("Tables"), QStringLiteral("Data")}) {
        QDirIterator it(WorkFolder::path(top), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const TableDef* def = TableSchema::byFile(file);
            if (def && QFileInfo(file).fileName().compare(def->fileName, Qt::CaseInsensitive) == 0)
                found << QDir(WorkFolder::root()).relativeFilePath(file);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

QList<MigratedTable> StoreMigration::run(const QString& connection) {
    const QStringList files = tableFiles();
    ServerEngine server(connection);
    QSqlDatabase db = server.database();
    // Refused before anything is written: a table on the server that holds rows.
    for (const QString& path : files) {
        const QString absolute = WorkFolder::path(path);
        if (!server.exists(absolute))
            continue;
        const QString qualified = server.qualifiedName(
            ServerEngine::schemaOf(QFileInfo(path).path()), TableSchema::tableName(path));
        if (rowsOnServer(db, qualified) > 0)
            throw StoreError(QStringLiteral("Ο πίνακας ") + path +
                             QStringLiteral(" έχει ήδη εγγραφές στον διακομιστή· δεν "
                                            "αντικαθίσταται. Δεν αντιγράφηκε κανένας πίνακας."));
    }
    QList<MigratedTable> tables;
    server.run(QStringLiteral("BEGIN"));
    try {
        for (const QString& path : files) {
            const TableDef& def = *TableSchema::byFile(path);
            const QString schema = ServerEngine::schemaOf(QFileInfo(path).path());
            const QString target = server.qualifiedName(schema, def.name);
            server.run(QStringLiteral("CREATE SCHEMA IF NOT EXISTS ") + schema);
            server.run(QStringLiteral("DROP TABLE IF EXISTS ") + target);
            for (const QString& sql : TableSchema::createStatements(def, schema))
                server.run(sql);
            FolderTable source(path);
            copyRows(source.db(), def, server, target);
            tables << MigratedTable{path, summarise(source.db(), quoted(def.name), def), {}};
        }
        server.run(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    for (MigratedTable& table : tables) {
        const TableDef& def = *TableSchema::byFile(table.path);
        table.server = summarise(
            db,
            server.qualifiedName(ServerEngine::schemaOf(QFileInfo(table.path).path()), def.name),
            def);
    }
    return tables;
}
