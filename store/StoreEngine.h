#pragma once
// What differs between the two stores behind the table store: how a table named by its
// path becomes reachable by statements, how names are spelt, and how empty tables come
// to be. The table store keeps the rest (holders, prepared statements, transactions).

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct TableDef;

class StoreEngine {
public:
    virtual ~StoreEngine() = default;
    virtual QSqlDatabase database() const = 0;
    virtual bool isServer() const = 0;
    // How many tables may be reachable at once.
    virtual int maxAttached() const = 0;

    // Makes the table at tablePath (relative to the working folder; absolutePath made
    // from it) reachable and returns the name of the schema that holds it. A missing
    // table is a StoreError, never silently created.
    virtual QString attach(const QString& absolutePath, const QString& tablePath) = 0;
    virtual void detach(const QString& schema) = 0;
    virtual bool exists(const QString& absolutePath) = 0;
    // "schema"."Table" for a table of an attached schema.
    virtual QString qualifiedName(const QString& schema, const QString& table) const = 0;
    // The statement as the engine runs it.
    virtual QString statement(const QString& sql) const { return sql; }
    // The condition that a column holds the value of a parameter, null equal to null.
    virtual QString sameAs(const QString& column) const { return column + QStringLiteral(" IS ?"); }
    // What an INSERT ends with so that it returns the new row's id; empty when the driver
    // reports the id itself.
    virtual QString returningRowId() const { return QString(); }
    // Replaces the table at absolutePath by an empty one made from its definition; false
    // when the engine makes tables only from template files.
    virtual bool createEmpty(const QString& absolutePath, const TableDef& def) = 0;
    // Moves the tables of the folder at absoluteFolder aside into a backup named
    // backupName; false when there was nothing to move.
    virtual bool moveAside(const QString& absoluteFolder, const QString& backupName) = 0;
};
