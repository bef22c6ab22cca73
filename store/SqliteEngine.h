#pragma once
// The store on SQLite: one in-memory connection for the process, each table a file of
// its own attached on demand under a schema "t1", "t2", …

#include "store/StoreEngine.h"

class SqliteEngine : public StoreEngine {
public:
    SqliteEngine();
    ~SqliteEngine() override;
    QSqlDatabase database() const override { return m_db; }
    bool isServer() const override { return false; }
    int maxAttached() const override { return 10; } // Debian's SQLite attaches at most ten
    QString attach(const QString& absolutePath, const QString& tablePath) override;
    void detach(const QString& schema) override;
    bool exists(const QString& absolutePath) override;
    QString qualifiedName(const QString& schema, const QString& table) const override;
    // Tables come from template files and go aside as files: not the engine's work.
    bool createEmpty(const QString&, const TableDef&) override { return false; }
    bool moveAside(const QString&, const QString&) override { return false; }

    static int busyTimeoutMs() { return 10000; }

private:
    void run(const QString& sql, const QVariantList& values = {});
    QSqlDatabase m_db;
    int m_nextSchema = 1;
};
