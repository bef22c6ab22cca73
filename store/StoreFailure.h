#pragma once
#include <QSqlError>
#include <QString>

// The text of a statement that the store refused: the store's own words and the statement.
inline QString storeFailureText(const QSqlError& error, const QString& sql) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return QStringLiteral("Σφάλμα πίνακα: ") + text + QStringLiteral("\n[") + sql.simplified() +
           QLatin1Char(']');
}
