#include "common/DateText.h"

#include <QDate>
#include <QRegularExpression>

QString SwapDateOrder(const QString& date) {
    if (date.isEmpty())
        return QString();
    if (date.size() >= 5 && date.at(4) == QLatin1Char('/'))
        return date.mid(8, 2) + QLatin1Char('/') + date.mid(5, 2) + QLatin1Char('/') +
               date.mid(0, 4);
    return date.mid(6, 4) + QLatin1Char('/') + date.mid(3, 2) + QLatin1Char('/') + date.mid(0, 2);
}

QString NormaliseDateBoxText(const QString& boxText) {
    auto part = [&](int from, int length) {
        return boxText.mid(from, length).remove(QLatin1Char(' '));
    };
    const QString day = part(0, 2);
    const QString month = part(3, 2);
    const QString year = part(6, 4);
    if (year.size() < 4 || day.isEmpty() || month.isEmpty())
        return QString();
    bool okDay = false, okMonth = false, okYear = false;
    const int d = day.toInt(&okDay);
    const int m = month.toInt(&okMonth);
    const int y = year.toInt(&okYear);
    if (!okDay || !okMonth || !okYear || y < 1 || !QDate::isValid(y, m, d))
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(d, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(year);
}

bool IsDateBoxDateOrEmpty(const QString& boxText) {
    return boxText.isEmpty() || boxText == kEmptyDateBox ||
           NormaliseDateBoxText(boxText) == boxText;
}

QString DateOfPastedText(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{1,2})[/.-]([0-9]{1,2})[/.-]([0-9]{4})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return QString();
    return NormaliseDateBoxText(
        m.captured(1).rightJustified(2, QLatin1Char(' ')) + QLatin1Char('/') +
        m.captured(2).rightJustified(2, QLatin1Char(' ')) + QLatin1Char('/') + m.captured(3));
}
