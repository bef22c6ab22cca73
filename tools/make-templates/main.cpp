// Builds the empty table templates ("ClrTbls", "ClrData") in the folder it is given,
// from the store's table definitions. The Users template holds the built-in operator
// "admin" with an empty password and the rights that allow every task.

#include "store/TableSchema.h"
#include "tools/command-line/ToolCommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <sqlite3.h>

namespace {

bool run(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "make-templates: %s: %s\n", error ? error : "?",
                     sql.toUtf8().constData());
        sqlite3_free(error);
        return false;
    }
    return true;
}

bool makeTemplate(const QString& root, const TableDef& def) {
    const QString folder = root + QLatin1Char('/') + def.templateFolder;
    QDir().mkpath(folder);
    const QString file = folder + QLatin1Char('/') + def.fileName;
    QFile::remove(file);
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "make-templates: cannot create %s\n",
                     QFile::encodeName(file).constData());
        sqlite3_close(db);
        return false;
    }
    bool ok = run(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
    for (const QString& statement : TableSchema::createStatements(def))
        ok = ok && run(db, statement);
    for (const QString& statement : TableSchema::initialRows(def))
        ok = ok && run(db, statement);
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line(QStringLiteral("make-templates"), {QStringLiteral("WORKING_FOLDER")},
                         QStringLiteral("Builds the empty table templates (ClrTbls, ClrData) in "
                                        "WORKING_FOLDER."));
    line.addPositional(QStringLiteral("WORKING_FOLDER"), QStringLiteral("the working folder"));
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    if (line.positional().size() != 1)
        return line.wrong(QStringLiteral("one working folder is needed"));
    const QString root = line.positional().first();
    for (const TableDef& def : TableSchema::all())
        if (!makeTemplate(root, def))
            return 1;
    return 0;
}
