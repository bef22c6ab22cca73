#pragma once
#include <QLocale>
#include <QString>
#include <QVariant>
#include <optional>

// An amount as the operator reads it: thousands grouped, two decimals, Greek marks
// ("1.234,50"); an empty field shows nothing.
inline QString amountText(const QVariant& amount) {
    if (amount.isNull() || amount.toString().isEmpty())
        return QString();
    return QLocale(QLocale::Greek, QLocale::Greece).toString(amount.toDouble(), 'f', 2);
}

// An amount as the platform shows it ("1.234,50"), read with the Greek marks whatever
// the machine's own settings: the "." between thousands are dropped and "," is the
// decimal mark. Nothing when the text is not such a number.
inline std::optional<double> amountFromText(const QString& text) {
    QString digits = text.trimmed();
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale(QLocale::Greek, QLocale::Greece).toDouble(digits, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}
