#pragma once
// The statement facility: runs the statements exactly as the application writes them,
// table names being quoted file paths ('Data\123\MistDilMast.DB'). Each quoted path
// that names a table file is attached and rewritten to the attached table.

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// The statement with every quoted table path replaced by the attached table's name;
// paths receives the paths found, in order. acquire() is called for each path.
QString rewriteTablePaths(const QString& sql, QStringList* paths);

class StoreQuery {
public:
    void setSql(const QString& sql) { m_sql = sql; }
    void addLine(const QString& line);
    QString sql() const { return m_sql; }
    void clear();

    // Runs a SELECT and keeps its rows.
    void open();
    // Runs any other statement in one transaction; returns the rows it changed.
    int execSql();
    void close();
    bool isOpen() const { return m_open; }

    void first() { m_pos = 0; }
    void next() { ++m_pos; }
    void last() { m_pos = static_cast<int>(m_rows.size()) - 1; }
    void prior() { --m_pos; }
    bool eof() const { return m_pos >= m_rows.size(); }
    bool bof() const { return m_pos < 0; }
    int recordCount() const { return m_rows.size(); }
    QVariant value(const QString& field) const; // current row, case ignored
    QVariant value(int column) const;
    QStringList fieldNames() const { return m_names; }

private:
    QString m_sql;
    bool m_open = false;
    QStringList m_names;
    QVector<QVariantList> m_rows;
    int m_pos = 0;
};
