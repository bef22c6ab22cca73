#include "tools/store-migrate/StoreMigration.h"
#include "common/WorkFolder.h"
#include "store/ServerEngine.h"
#include "store/StoreError.h"
#include "store/StoreFailure.h"
#include "store/TableSchema.h"
#include "tools/store-migrate/FolderCompanies.h"
#include "tools/store-migrate/FolderTable.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringDecoder>
#include <algorithm>

namespace {
const int kRowsPerStatement = 200;
const QString kNothingCopied = QStringLiteral(" Δεν αντιγράφηκε κανένας πίνακας.");

qint64 rowsOnServer(QSqlDatabase db, const QString& qualified) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + qualified) || !query.next())
        throw StoreError(storeFailureText(query.lastError(), qualified));
    return query.value(0).toLongLong();
}

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Whether the server can hold the stored bytes of a text as they are: UTF-8, no NUL.
bool carriable(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = utf8(bytes); // hasError() tells after the decoding
    return !utf8.hasError() && !bytes.contains('\0');
}

// "DilCode 1668105" for a row of a keyed table, "εγγραφή 12" (its row id) otherwise.
QString rowName(const TableDef& def, const QSqlQuery& read) {
    if (def.primaryKey.isEmpty())
        return QStringLiteral("εγγραφή ") + read.value(0).toString();
    QStringList parts;
    for (const QString& key : def.primaryKey)
        for (int i = 0; i < def.fields.size(); ++i)
            if (def.fields.at(i).name == key)
                parts << key + QLatin1Char(' ') +
                             (read.value(i + 1).typeId() == QMetaType::QByteArray
                                  ? QString::fromUtf8(read.value(i + 1).toByteArray())
                                  : read.value(i + 1).toString());
    return parts.join(QStringLiteral(", "));
}

// Copies the rows with their row ids, many rows to a statement. Texts are read as the
// bytes stored; a row with a text that the server cannot hold as stored is not copied
// but named in uncarried ("path, key: field").
void copyRows(QSqlDatabase from, const QString& path, const TableDef& def, ServerEngine& to,
              const QString& target, QStringList& uncarried) {
    QStringList names{QStringLiteral("rowid")};
    QStringList columns{QStringLiteral("rowid")};
    for (const FieldDef& f : def.fields) {
        names << quoted(f.name);
        columns << (f.type == FieldType::Text
                        ? QStringLiteral("CAST(") + quoted(f.name) + QStringLiteral(" AS BLOB)")
                        : quoted(f.name));
    }
    QSqlQuery read(from);
    read.setForwardOnly(true);
    const QString select = QStringLiteral("SELECT ") + columns.join(QLatin1Char(',')) +
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
        QVariantList fields{read.value(0)};
        QStringList damaged;
        for (int i = 0; i < def.fields.size(); ++i) {
            const QVariant value = read.value(i + 1);
            if (def.fields.at(i).type != FieldType::Text)
                fields << value;
            else if (value.isNull())
                fields << QVariant(QMetaType::fromType<QString>());
            else if (value.toByteArray().isEmpty())
                fields << QStringLiteral(""); // an empty text, not an empty field
            else if (carriable(value.toByteArray()))
                fields << QString::fromUtf8(value.toByteArray());
            else
                damaged << def.fields.at(i).name;
        }
        if (!damaged.isEmpty()) {
            uncarried << path + QStringLiteral(", ") + rowName(def, read) + QStringLiteral(": ") +
                             damaged.join(QStringLiteral(", "));
            continue;
        }
        values << fields;
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

QString uncarriedText(const QStringList& rows) {
    const int shown = 20;
    QString text = QStringLiteral("Κείμενα που δεν είναι γραμμένα σε UTF-8 (ή έχουν τον χαρακτήρα "
                                  "NUL) θα αλλοιώνονταν στη βάση. Διορθώστε τις εγγραφές:\n") +
                   rows.mid(0, shown).join(QLatin1Char('\n'));
    if (rows.size() > shown)
        text += QStringLiteral("\n… και %1 ακόμη").arg(rows.size() - shown);
    return text;
}
} // namespace

QStringList StoreMigration::tableFiles() {
    QStringList found;
    for (const QString& top : {QStringLiteral("Tables"), QStringLiteral("Data")}) {
        // A company folder that is a link to another disk is the company's all the same.
        QDirIterator it(WorkFolder::path(top), QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
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
    // Refused before anything is written: a company that would stay behind, or that a
    // workstation holds open.
    for (const QString& refusal : {FolderCompanies::leftBehind(files), FolderCompanies::openOne()})
        if (!refusal.isEmpty())
            throw StoreError(refusal + kNothingCopied);
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
                                            "αντικαθίσταται.") +
                             kNothingCopied);
    }
    QList<MigratedTable> tables;
    QStringList uncarried;
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
            copyRows(source.db(), path, def, server, target, uncarried);
            tables << MigratedTable{path, summarise(source.db(), quoted(def.name), def), {}};
        }
        if (!uncarried.isEmpty())
            throw StoreError(uncarriedText(uncarried) + kNothingCopied);
        // A company opened while the tables were copied writes on into the files.
        if (const QString open = FolderCompanies::openOne(); !open.isEmpty())
            throw StoreError(open + kNothingCopied);
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
