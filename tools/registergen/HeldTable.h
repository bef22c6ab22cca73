#pragma once
// Holds a table file in the table store for as long as it lives.

#include "store/TableStore.h"

#include <QString>

class HeldTable {
public:
    explicit HeldTable(const QString& tablePath) : m_path(tablePath) {
        TableStore::instance().acquire(m_path);
    }
    ~HeldTable() { TableStore::instance().release(m_path); }
    HeldTable(const HeldTable&) = delete;
    HeldTable& operator=(const HeldTable&) = delete;

    // "schema"."Table" for statements on the file.
    QString qualifiedName() const { return TableStore::instance().qualifiedName(m_path); }

private:
    QString m_path;
};
