#pragma once
// The definition of every table of the store: fields with their types and widths,
// primary keys and named indexes, and where each table's template file lies.
// The template generator builds the empty template files from these definitions;
// at run time tables are only ever copied from the templates.

#include <QList>
#include <QString>
#include <QStringList>

enum class FieldType { Text, Integer, Amount };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0; // characters for text fields; 0 = no stated width
};

struct IndexPart {
    QString field;
    bool descending = false;
};

struct IndexDef {
    QString name;
    QList<IndexPart> parts;
};

struct TableDef {
    QString name;           // the table's name inside its file, e.g. "MistDilMast"
    QString fileName;       // e.g. "MistDilMast.DB"
    QString templateFolder; // "ClrTbls" (shared tables) or "ClrData" (per company)
    QList<FieldDef> fields;
    QStringList primaryKey; // empty: the table's own insertion order
    QList<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const; // case ignored; nullptr if none
    const IndexDef* index(const QString& indexName) const; // case ignored; nullptr if none
    QString templatePath() const { return templateFolder + QLatin1Char('/') + fileName; }
};

namespace TableSchema {
const QList<TableDef>& all();
// The definition whose table name matches (case ignored); throws StoreError if none.
const TableDef& byName(const QString& tableName);
// The definition of the table kept in the file at path (its base name); nullptr if none.
const TableDef* byFile(const QString& path);
// The name of the table kept at path: its definition's, or the file's base name.
QString tableName(const QString& path);
// The CREATE statements of the table (table and indexes), for the template generator.
// With a schema (quoted), the server's: names inside that schema, 64-bit integers and
// a row id column of its own, since the server has no implicit one.
QStringList createStatements(const TableDef& def, const QString& schema = QString());
// The rows a new table starts with, as INSERT statements named as createStatements()
// names the table: the operators table holds the built-in operator "admin" with an
// empty password and the rights that allow every task.
QStringList initialRows(const TableDef& def, const QString& schema = QString());
} // namespace TableSchema
