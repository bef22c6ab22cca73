#pragma once
// The store on SQLite: one connection for the working folder, each table a file of its
// own attached on demand under a schema "t1", "t2", …, through the folder's file layer
// (FolderVfs), so that a change over several tables commits whole or not at all.

#include "store/StoreEngine.h"

#include <memory>

class FolderVfs;

class SqliteEngine : public StoreEngine {
public:
    // The connection for the working folder (absolute).
    explicit SqliteEngine(const QString& root);
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
    std::unique_ptr<FolderVfs> m_files;
    QSqlDatabase m_db;
    int m_nextSchema = 1;
};
