#pragma once
// The table store on SQLite: one connection for the process, each table a file of its
// own attached on demand. At most a handful of files can be attached at once, so
// files that no cursor holds are detached again when room is needed.

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>

class TableStore {
public:
    static TableStore& instance();

    // The schema name under which the table file at path (relative to the working
    // folder, "\" or "/") is attached; the file is held until release(). A missing
    // file is an error, never silently created.
    QString acquire(const QString& tablePath);
    void release(const QString& tablePath);
    // Detaches the file if it is attached, so that it can be replaced on disk.
    // A file that a cursor still holds cannot be replaced: StoreError.
    void releaseFile(const QString& tablePath);
    // Detaches every file that nothing holds.
    void detachUnused();

    // "schema"."Table" for an acquired file.
    QString qualifiedName(const QString& tablePath);

    // Runs one statement; a failure is a StoreError with the store's own text.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    // The same for a statement run again and again (a cursor's reads): it is prepared
    // once and reused, so its rows are valid only until the same text runs again.
    QSqlQuery& execPrepared(const QString& sql, const QVariantList& values = {});

    // One logical change: every write inside it lands together or not at all.
    // Transactions nest; only the outermost one commits. Only the files written inside
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

    int busyTimeoutMs() const { return 10000; }

private:
    TableStore();
    QString canonical(const QString& tablePath) const;
    void detach(const QString& key);

    struct Attachment {
        QString schema;
        int holders = 0;
        qint64 lastUse = 0;
    };
    QSqlDatabase m_db;
    QHash<QString, Attachment> m_attached;                 // by canonical absolute path
    QHash<QString, std::shared_ptr<QSqlQuery>> m_prepared; // by statement text
    int m_nextSchema = 1;
    qint64 m_useCounter = 0;
    int m_transactionDepth = 0;
    bool m_rollbackOnly = false;
};
