#include "workspace/QuickSearch.h"
#include "store/StoreQuery.h"
#include "workspace/StoredCounts.h"

namespace {
QString lesseeColumns(const QString& base) {
    QStringList columns;
    for (int n = 1; n <= 5; ++n)
        columns << base + QString::number(n);
    return columns.join(QStringLiteral(", "));
}
} // namespace

QList<qlonglong> QuickSearch::collectHits(QuickSearchKind kind, const QString& text) {
    QList<qlonglong> hits;
    StoreQuery q;
    if (kind == QuickSearchKind::Number) {
        q.setSql(QStringLiteral("SELECT DilCode from '") + StoredDeclarations::mastPath() +
                 QStringLiteral("' order by DilCode desc"));
        q.open();
        for (q.first(); !q.eof(); q.next())
            if (q.value(0).toString().startsWith(text))
                hits << q.value(0).toLongLong();
        q.setSql(QStringLiteral("SELECT DilCode, TropDilCode from '") +
                 StoredDeclarations::detPath() +
                 QStringLiteral("' order by DilCode desc, TropDilCode desc"));
        q.open();
        for (q.first(); !q.eof(); q.next())
            if (q.value(1).toString().startsWith(text))
                hits << q.value(0).toLongLong();
        return hits;
    }
    const QString base =
        kind == QuickSearchKind::Name ? QStringLiteral("MistName") : QStringLiteral("MistAFM");
    q.setSql(QStringLiteral("SELECT DilCode, ") + lesseeColumns(base) + QStringLiteral(" from '") +
             StoredDeclarations::mastPath() + QStringLiteral("' order by DilCode desc"));
    q.open();
    for (q.first(); !q.eof(); q.next())
        for (int column = 1; column <= 5; ++column)
            if (q.value(column).toString().contains(text, Qt::CaseSensitive)) {
                hits << q.value(0).toLongLong();
                break;
            }
    return hits;
}

std::optional<qlonglong> QuickSearch::search(QuickSearchKind kind, const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    if (text != m_remembered) {
        m_hits.clear();
        m_cursor = 0;
        m_hits = collectHits(kind, text);
        m_remembered = text;
        m_cursor = 1;
    } else if (!m_hits.isEmpty()) {
        m_cursor = m_cursor >= m_hits.size() ? 1 : m_cursor + 1;
    }
    if (m_hits.isEmpty())
        return std::nullopt;
    return m_hits.at(m_cursor - 1);
}
