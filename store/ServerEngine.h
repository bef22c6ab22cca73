#pragma once
// The store on a PostgreSQL server (Qt's QPSQL driver). A table path maps to a table in
// a schema named after the path's folder: "Tables\Users.db" is "Tables"."Users",
// "Data\123\MistDilMast.DB" is "Data/123"."MistDilMast". So the shared tables live in
// one schema and each company's in a schema of its own. Nothing is read from the
// folder's table files or templates.

#include "store/StoreEngine.h"

class ServerEngine : public StoreEngine {
public:
    // Connects; a server that cannot be reached is a StoreError naming it.
    explicit ServerEngine(const QString& connection);
    ~ServerEngine() override;
    QSqlDatabase database() const override { return m_db; }
    bool isServer() const override { return true; }
    int maxAttached() const override { return 1 << 20; }
    QString attach(const QString& absolutePath, const QString& tablePath) override;
    void detach(const QString&) override {}
    bool exists(const QString& absolutePath) override;
    QString qualifiedName(const QString& schema, const QString& table) const override;
    QString statement(const QString& sql) const override;
    QString sameAs(const QString& column) const override {
        return column + QStringLiteral(" IS NOT DISTINCT FROM ?");
    }
    QString returningRowId() const override { return QStringLiteral(" RETURNING rowid"); }
    bool createEmpty(const QString& absolutePath, const TableDef& def) override;
    bool moveAside(const QString& absoluteFolder, const QString& backupName) override;

    // Runs one statement that returns no rows; a failure is a StoreError.
    void run(const QString& sql, const QVariantList& values = {});

    // The schema that holds the tables of the folder (relative to the working folder,
    // "/" or "\"), quoted.
    static QString schemaOf(const QString& relativeFolder);

private:
    QString schemaOfTable(const QString& absolutePath) const;
    QString qualifiedNameOf(const QString& absolutePath) const;
    void ensureGreekCollation();
    QSqlDatabase m_db;
    QString m_name;
};
