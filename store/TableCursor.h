#pragma once
// A cursor on one table file: what the windows expect of a table. It keeps the
// ordered list of the rows that pass its filter and master link, reads the current
// row on demand and writes each post in one transaction. A post or a delete writes the
// row by its primary key, and only as it was read: a row that another workstation
// changed or deleted since is refused with kChangedElsewhere.

#include "store/TableSchema.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QVector>

class TableCursor : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    static inline const QString kChangedElsewhere =
        QStringLiteral("Η εγγραφή άλλαξε ή διαγράφηκε από άλλο σταθμό εργασίας. Ανοίξτε ξανά "
                       "τη λίστα.");

    explicit TableCursor(QObject* parent = nullptr);
    ~TableCursor() override;

    // The table's file path, relative to the working folder ("Tables\Users.db").
    void setTableName(const QString& path);
    QString tableName() const { return m_path; }
    const TableDef& definition() const;

    // A named index of the table, or empty for the primary key's order.
    void setIndexName(const QString& name);
    QString indexName() const { return m_indexName; }

    // A filter expression over the table's fields ("FilterField = 1").
    void setFilter(const QString& expression);
    QString filter() const { return m_filter; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // Shows only the rows whose field equals the master's current value of it.
    void setMasterLink(TableCursor* master, const QString& field);

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int recordCount() const { return m_rows.size(); }
    int position() const { return m_pos; } // 0-based; -1 when empty
    void moveTo(int position);

    // The current row's field (case ignored); the edit buffer while editing.
    QVariant value(const QString& field) const;
    QString text(const QString& field) const { return value(field).toString(); }
    void setValue(const QString& field, const QVariant& v);
    // A field of the row at a position, for grids.
    QVariant valueAt(int position, const QString& field) const;

    void insert();
    void edit();
    void post();
    void cancel();
    void remove();

    // Moves to the row whose primary key equals the values; false if it is not shown.
    bool findKey(const QVariantList& key);
    // Moves to the first row whose key on the active order is equal to or after the
    // values (a prefix of the order's fields).
    void findNearest(const QVariantList& key);
    bool locate(const QString& field, const QVariant& v);
    bool locate(const QString& field1, const QVariant& v1, const QString& field2,
                const QVariant& v2);

    // Reads the row set again (after changes made by statements).
    void refresh();

Q_SIGNALS:
    void scrolled(); // the current row changed
    void reloaded(); // the row set changed

private:
    struct OrderPart {
        int column;
        FieldType type;
        bool descending;
    };
    void requireOpen() const;
    void requireBrowse() const;
    int column(const QString& field) const; // throws for an unknown field
    QList<OrderPart> orderParts() const;
    QString whereClause(QVariantList& values) const;
    QString fieldList() const; // every field, quoted, in table order
    QList<int> primaryKeyColumns() const;
    QVariantList primaryKeyOf(const QVariantList& row) const;
    // The condition that finds the row as it was read, its values appended.
    QString rowAsRead(const QVariantList& row, QVariantList& values) const;
    void reload(qint64 keepRowId, int fallbackPosition);
    void setPosition(int position);
    const QVariantList& rowValues(int position) const;
    int positionOfRowId(qint64 rowId) const;
    int compareKeys(const QVariantList& rowKey, const QVariantList& key,
                    const QList<OrderPart>& parts) const;
    void masterMoved();
    bool locateWhere(const QString& condition, const QVariantList& values);

    QString m_path;
    const TableDef* m_def = nullptr;
    QString m_indexName;
    QString m_filter;
    bool m_filtered = false;
    QPointer<TableCursor> m_master;
    QString m_masterField;

    State m_state = State::Inactive;
    QString m_qualified;
    QVector<qint64> m_rows;              // row ids in order
    QVector<QVariantList> m_keys;        // the order's field values per row
    QVector<QVariantList> m_primaryKeys; // the primary key per row, as read
    mutable QHash<qint64, int> m_positionById;
    mutable QHash<qint64, QVariantList> m_rowCache;
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    QVariantList m_buffer;   // edit or insert buffer
    QVariantList m_read;     // the edited row as it was read
    QVector<bool> m_changed; // which buffer fields were set
};
