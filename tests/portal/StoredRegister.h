#pragma once
// Compares what the store holds with the register the fake platform served, field by
// field: every field of every record of the data set must be stored as it was.

#include "store/StoreQuery.h"
#include "store/TableSchema.h"
#include "store/TdmTables.h"
#include "tools/registergen/RegisterDataSet.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <cmath>
#include <functional>

namespace StoredRegister {

// A served text as the page renders it: runs of blanks within a line shown as one.
inline QString rendered(const QString& text) {
    QString shown = text;
    static const QRegularExpression kBlankRun(QStringLiteral(" {2,}"));
    return shown.replace(kBlankRun, QStringLiteral(" "));
}

// "table key: field stored 'x', served 'y'" for every field that differs, and a line for
// every record missing or stored more than once.
inline QStringList
differences(const QString& afm, const QString& tableName, const QList<QVariantMap>& records,
            const std::function<bool(const QVariantMap&, const QString&)>& unread = {}) {
    const TableDef& def = TableSchema::byName(tableName);
    const QString path = TdmTables::companyTablePath(afm, tableName);
    QStringList found;
    for (const QVariantMap& record : records) {
        QStringList keyParts;
        for (const QString& key : def.primaryKey)
            keyParts << key + QStringLiteral(" = ") + record.value(key).toString();
        const QString where = keyParts.join(QStringLiteral(" AND "));
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT * FROM '") + path + QStringLiteral("' WHERE ") + where);
        q.open();
        if (q.recordCount() != 1) {
            found << tableName + QLatin1Char(' ') + where + QStringLiteral(": stored ") +
                         QString::number(q.recordCount()) + QStringLiteral(" times");
            continue;
        }
        for (const FieldDef& field : def.fields) {
            if (!record.contains(field.name) || (unread && unread(record, field.name)))
                continue;
            const QVariant served = record.value(field.name);
            const QVariant stored = q.value(field.name);
            const bool same =
                field.type == FieldType::Amount
                    ? std::lround(served.toDouble() * 100) == std::lround(stored.toDouble() * 100)
                    : rendered(served.toString()) == stored.toString();
            if (!same)
                found << tableName + QLatin1Char(' ') + where + QStringLiteral(": ") + field.name +
                             QStringLiteral(" stored '") + stored.toString() +
                             QStringLiteral("', served '") + served.toString() + QLatin1Char('\'');
        }
    }
    return found;
}

// The properties of a temporarily saved declaration are read from the page's input
// fields only: their kind, description, rent and electricity number are not read.
inline QStringList differences(const RegisterDataSet& data) {
    QSet<QString> temporarilySaved;
    for (const QVariantMap& declaration : data.declarations)
        if (declaration.value(QStringLiteral("StadioYpovolis")).toString() ==
            QStringLiteral("Προσωρινά Αποθηκευμένο"))
            temporarilySaved.insert(declaration.value(QStringLiteral("DilCode")).toString());
    static const QStringList kNotInInputs = {QStringLiteral("Eidos"), QStringLiteral("Descr"),
                                             QStringLiteral("MonthlyMist"), QStringLiteral("DEH")};
    const auto unread = [&](const QVariantMap& property, const QString& field) {
        return kNotInInputs.contains(field) &&
               temporarilySaved.contains(property.value(QStringLiteral("DilCode")).toString());
    };
    return differences(data.ownerAfm, QStringLiteral("MistDilMast"), data.declarations) +
           differences(data.ownerAfm, QStringLiteral("MistDilDet"), data.amendments) +
           differences(data.ownerAfm, QStringLiteral("MistDilAkinita"), data.properties, unread);
}
} // namespace StoredRegister
