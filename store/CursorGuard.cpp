#include "store/CursorGuard.h"
#include "common/ErrorReport.h"

namespace {
QVariantList keyOfCurrentRow(const TableCursor& cursor) {
    if (!cursor.isOpen() || cursor.isEmpty() || cursor.state() != TableCursor::State::Browse)
        return {};
    QVariantList key;
    for (const QString& field : cursor.definition().primaryKey)
        key << cursor.value(field);
    return key;
}
} // namespace

KeepPlaces::KeepPlaces(std::initializer_list<TableCursor*> cursors) {
    for (TableCursor* cursor : cursors)
        m_places << Place{cursor, keyOfCurrentRow(*cursor)};
}

KeepPlaces::~KeepPlaces() {
    runGuarded([this] {
        for (const Place& place : m_places) {
            TableCursor& cursor = *place.cursor;
            if (place.key.isEmpty() || !cursor.isOpen() ||
                cursor.state() != TableCursor::State::Browse)
                continue;
            if (!cursor.findKey(place.key))
                cursor.first();
        }
    });
}
