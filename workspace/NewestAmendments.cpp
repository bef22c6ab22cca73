#include "workspace/NewestAmendments.h"
#include "store/StoreQuery.h"

QHash<qlonglong, QVariantList> newestAmendments(const QString& detPath,
                                                const QStringList& columns) {
    StoreQuery q;
    q.setSql(QStringLiteral("SELECT DilCode, ") + columns.join(QStringLiteral(", ")) +
             QStringLiteral(" from '") + detPath +
             QStringLiteral("' order by DilCode desc, TropDilCode desc"));
    q.open();
    QHash<qlonglong, QVariantList> newest;
    newest.reserve(q.recordCount());
    for (q.first(); !q.eof(); q.next()) {
        const qlonglong dilCode = q.value(0).toLongLong();
        if (newest.contains(dilCode))
            continue;
        QVariantList values;
        values.reserve(columns.size());
        for (int column = 1; column <= columns.size(); ++column)
            values << q.value(column);
        newest.insert(dilCode, values);
    }
    return newest;
}
