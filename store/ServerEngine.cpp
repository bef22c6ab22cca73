#include "store/ServerEngine.h"
#include "common/WorkFolder.h"
#include "store/FieldNameQuoting.h"
#include "store/StoreChoice.h"
#include "store/StoreError.h"
#include "store/StoreFailure.h"
#include "store/TableSchema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace {
QString quotedIdentifier(QString name) {
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// The folder of an absolute path inside the working folder, relative to it with "/".
QString relativeFolder(const QString& absolutePath) {
    const QString relative = QDir(WorkFolder::root()).relativeFilePath(absolutePath);
    const QString folder = QFileInfo(relative).path();
    if (folder == QLatin1String(".") || folder.startsWith(QLatin1String("..")))
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + absolutePath +
                         QStringLiteral(" δεν ανήκει στον φάκελο δεδομένων"));
    return folder;
}
} // namespace

ServerEngine::ServerEngine(const QString& connection) {
    static QAtomicInt serial;
    m_name = QStringLiteral("lethora-server-%1").arg(serial.fetchAndAddRelaxed(1));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    QString options = connection;
    if (!options.contains(QLatin1String("connect_timeout")))
        options += QStringLiteral(" connect_timeout=10");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        const QString why =
            m_db.lastError().text().simplified(); // the driver breaks and indents its lines
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw StoreError(QStringLiteral("Δεν είναι δυνατή η σύνδεση με τον διακομιστή της βάσης "
                                        "δεδομένων «") +
                         StoreChoice::serverName(connection) + QStringLiteral("».\n") + why +
                         QStringLiteral("\nΕλέγξτε ότι ο διακομιστής λειτουργεί και ότι η σύνδεση "
                                        "(ενότητα [Store] του settings.ini στον φάκελο "
                                        "δεδομένων) είναι σωστή."));
    }
    run(QStringLiteral("SET client_min_messages = warning"));
    ensureGreekCollation();
}

ServerEngine::~ServerEngine() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

void ServerEngine::run(const QString& sql, const QVariantList& values) {
    QSqlQuery query(m_db);
    bool done = false;
    if (values.isEmpty()) {
        done = query.exec(sql);
    } else {
        query.prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        done = query.exec();
    }
    if (!done)
        throw StoreError(storeFailureText(query.lastError(), sql));
}

// Names in the operator's order: an ICU collation that ignores case and accents
// (primary strength, so final sigma equals sigma). It is nondeterministic, so it is
// named only where rows are ordered, never given to a column: comparisons and LIKE
// keep the columns' own, deterministic collation.
void ServerEngine::ensureGreekCollation() {
    const QString check =
        QStringLiteral("SELECT 1 FROM pg_collation WHERE collname = 'greek' AND collnamespace = "
                       "'public'::regnamespace");
    QSqlQuery query(m_db);
    if (query.exec(check) && query.next())
        return;
    QSqlQuery create(m_db);
    if (create.exec(QStringLiteral("CREATE COLLATION public.greek (provider = icu, locale = "
                                   "'el-u-ks-level1', deterministic = false)")))
        return;
    // Another workstation may have made it at the same moment.
    QSqlQuery again(m_db);
    if (!(again.exec(check) && again.next()))
        throw StoreError(storeFailureText(create.lastError(), create.lastQuery()));
}

QString ServerEngine::schemaOf(const QString& relativeFolder) {
    QString folder = relativeFolder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return quotedIdentifier(QDir::cleanPath(folder));
}

QString ServerEngine::schemaOfTable(const QString& absolutePath) const {
    return schemaOf(relativeFolder(absolutePath));
}

QString ServerEngine::qualifiedNameOf(const QString& absolutePath) const {
    return qualifiedName(schemaOfTable(absolutePath), TableSchema::tableName(absolutePath));
}

QString ServerEngine::attach(const QString& absolutePath, const QString& tablePath) {
    if (!exists(absolutePath))
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ο πίνακας ") + tablePath +
                         QStringLiteral(" δεν υπάρχει"));
    return schemaOfTable(absolutePath);
}

bool ServerEngine::exists(const QString& absolutePath) {
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT to_regclass(?) IS NOT NULL"));
    query.addBindValue(qualifiedNameOf(absolutePath));
    if (!query.exec())
        throw StoreError(storeFailureText(query.lastError(), query.lastQuery()));
    return query.next() && query.value(0).toBool();
}

QString ServerEngine::qualifiedName(const QString& schema, const QString& table) const {
    return schema + QLatin1Char('.') + quotedIdentifier(table);
}

QString ServerEngine::statement(const QString& sql) const {
    return quoteFieldNames(sql);
}

bool ServerEngine::createEmpty(const QString& absolutePath, const TableDef& def) {
    const QString schema = schemaOfTable(absolutePath);
    run(QStringLiteral("CREATE SCHEMA IF NOT EXISTS ") + schema);
    run(QStringLiteral("DROP TABLE IF EXISTS ") + qualifiedName(schema, def.name));
    for (const QString& sql :
         TableSchema::createStatements(def, schema) + TableSchema::initialRows(def, schema))
        run(sql);
    return true;
}

bool ServerEngine::moveAside(const QString& absoluteFolder, const QString& backupName) {
    const QString folder = relativeFolder(absoluteFolder + QStringLiteral("/table"));
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE schemaname = ?"));
    query.addBindValue(folder);
    if (!query.exec())
        throw StoreError(storeFailureText(query.lastError(), query.lastQuery()));
    if (!query.next() || query.value(0).toInt() == 0)
        return false;
    query.finish();
    run(QStringLiteral("ALTER SCHEMA ") + schemaOf(folder) + QStringLiteral(" RENAME TO ") +
        schemaOf(folder + QLatin1Char('/') + backupName));
    return true;
}
