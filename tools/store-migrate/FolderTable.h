#pragma once
// A table file of the data folder, opened on a connection of its own, read only.

#include "common/WorkFolder.h"
#include "store/StoreError.h"

#include <QSqlDatabase>
#include <QSqlError>

class FolderTable {
public:
    explicit FolderTable(const QString& path) : m_name(QStringLiteral("store-migrate-") + path) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(WorkFolder::path(path));
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_db.open())
            throw StoreError(QStringLiteral("Δεν ανοίγει ο πίνακας ") + path +
                             QStringLiteral(": ") + m_db.lastError().text());
    }
    ~FolderTable() {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    FolderTable(const FolderTable&) = delete;
    FolderTable& operator=(const FolderTable&) = delete;
    QSqlDatabase db() const { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};
