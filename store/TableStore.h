#pragma once
// The table store: one connection for the process to the store that the data folder's
// settings name (SQLite files in the folder, or a PostgreSQL server), each table named
// by its path relative to the folder. On SQLite at most a handful of files can be
// attached at once, so files that no cursor holds are detached again when room is
// needed. The connection follows the working folder: when the folder in force changes
// (the folder store's connection belongs to its folder) or names another store, the
// next use connects anew.

#include "store/StoreEngine.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>

class TableStore {
public:
    static TableStore& instance();
    ~TableStore();

    // Connects to the store of the working folder now, so that a server that cannot be
    // reached is known before anything is shown: StoreError naming the server.
    void connect();
    // Whether the tables live on a server rather than in files of the folder.
    bool isServer();

    // The schema name under which the table at path (relative to the working folder,
    // "\" or "/") is reachable; the table is held until release(). A missing table is an
    // error, never silently created.
    QString acquire(const QString& tablePath);
    void release(const QString& tablePath);
    // Lets the table go if it is attached, so that it can be replaced.
    // A table that a cursor still holds cannot be replaced: StoreError.
    void releaseFile(const QString& tablePath);
    // Detaches every table that nothing holds.
    void detachUnused();
    // Whether the table at path exists.
    bool exists(const QString& tablePath);

    // "schema"."Table" for an acquired table.
    QString qualifiedName(const QString& tablePath);

    // Runs one statement; a failure is a StoreError with the store's own text.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    // The same for a statement run again and again (a cursor's reads): it is prepared
    // once and reused, so its rows are valid only until the same text runs again.
    QSqlQuery& execPrepared(const QString& sql, const QVariantList& values = {});
    // The condition that a column (quoted) holds the value of a parameter, null equal
    // to null.
    QString sameAs(const QString& column);
    // Runs an INSERT of one row and returns the new row's id.
    qint64 insert(const QString& sql, const QVariantList& values);

    // On a server: replaces the table at path by an empty one made from its definition
    // and returns true. False on SQLite, where tables come only from template files.
    bool createEmpty(const QString& tablePath);
    // On a server: moves the tables of the folder (relative) aside under backupName and
    // returns true; false when there was nothing to move or the tables are files.
    bool moveAside(const QString& folder, const QString& backupName);

    // One logical change: every write inside it lands together or not at all.
    // Transactions nest; only the outermost one commits. Only the tables written inside
    // it are locked against the other workstations.
    class Transaction {
    public:
        Transaction();
        ~Transaction(); // rolls back unless committed
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        bool m_done = false;
    };

private:
    TableStore();
    StoreEngine& engine();
    QString canonical(const QString& tablePath) const;
    void detach(const QString& key);
    QSqlQuery run(const QString& sql, const QVariantList& values);

    struct Attachment {
        QString schema;
        int holders = 0;
        qint64 lastUse = 0;
    };
    std::unique_ptr<StoreEngine> m_engine;
    QString m_engineRoot; // the working folder whose choice m_engine follows
    QString m_engineChoice;
    QHash<QString, Attachment> m_attached;                 // by canonical absolute path
    QHash<QString, std::shared_ptr<QSqlQuery>> m_prepared; // by statement text
    qint64 m_useCounter = 0;
    int m_transactionDepth = 0;
    bool m_rollbackOnly = false;
};
