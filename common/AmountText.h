#pragma once
#include <QLocale>
#include <QString>
#include <QVariant>

// An amount as the operator reads it: thousands grouped, two decimals, Greek marks
// ("1.234,50"); an empty field shows nothing.
inline QString amountText(const QVariant& amount) {
    if (amount.isNull() || amount.toString().isEmpty())
        return QString();
    return QLocale(QLocale::Greek, QLocale::Greece).toString(amount.toDouble(), 'f', 2);
}
