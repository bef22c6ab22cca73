#pragma once
#include "store/TableCursor.h"

#include <initializer_list>

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

// Puts cursors back on the rows they stood on when a command that walks them ends,
// however it ends. They are put back in the order given, a master before its details:
// the master's move puts a detail on its first row, and the detail then goes back to
// its own row. A cursor whose row is no longer shown goes to its first row.
class KeepPlaces {
public:
    explicit KeepPlaces(std::initializer_list<TableCursor*> cursors);
    // A failure while putting the cursors back goes to the general error report.
    ~KeepPlaces();
    KeepPlaces(const KeepPlaces&) = delete;
    KeepPlaces& operator=(const KeepPlaces&) = delete;

private:
    struct Place {
        TableCursor* cursor;
        QVariantList key; // the primary key of its row; empty when it stood on none
    };
    QList<Place> m_places;
};
