#pragma once
#include "store/TableCursor.h"

// Closes a cursor when the command that opened it ends, however it ends.
class CloseAfter {
public:
    explicit CloseAfter(TableCursor& cursor) : m_cursor(cursor) {}
    ~CloseAfter() { m_cursor.close(); }
    CloseAfter(const CloseAfter&) = delete;
    CloseAfter& operator=(const CloseAfter&) = delete;

private:
    TableCursor& m_cursor;
};
