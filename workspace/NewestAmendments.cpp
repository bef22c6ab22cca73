#include "workspace/NewestAmendments.h"
#include "store/StoreQuery.h"

QHash<qlonglong, QVariantList> newestAmendments(const QString& detPath,
                                                const QStringList& columns) {
    // Only each declaration's newest row is read: the key (DilCode, TropDilCode) finds the
    // highest amending number of a declaration at once.
    StoreQuery q;
    q.setSql(QStringLiteral("SELECT d.DilCode, d.") + columns.join(QStringLiteral(", d.")) +
             QStringLiteral(" from '") + detPath +
             QStringLiteral("' d where d.TropDilCode = (SELECT max(TropDilCode) from '") + detPath +
             QStringLiteral("' where DilCode = d.DilCode)"));
    q.open();
    QHash<qlonglong, QVariantList> newest;
    newest.reserve(q.recordCount());
    for (q.first(); !q.eof(); q.next()) {
        const qlonglong dilCode = q.value(0).toLongLong();
        QVariantList values;
        values.reserve(columns.size());
        for (int column = 1; column <= columns.size(); ++column)
            values << q.value(column);
        newest.insert(dilCode, values);
    }
    return newest;
}
