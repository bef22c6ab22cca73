#include "workspace/ExpiryTest.h"
#include "common/ErrorReport.h"

#include <QDate>

namespace {
QDate calendarDate(const QString& yearFirst) {
    const QDate date = QDate::fromString(yearFirst.left(10), QStringLiteral("yyyy/MM/dd"));
    if (!date.isValid())
        throw AppError(QStringLiteral("Η ημερομηνία ") + yearFirst +
                       QStringLiteral(" δεν είναι έγκυρη ημερομηνία του ημερολογίου"));
    return date;
}

// The same date text one year earlier: the year number less one, month and day kept.
QString yearEarlier(const QString& yearFirst) {
    return QString::number(yearFirst.left(4).toInt() - 1).rightJustified(4, QLatin1Char('0')) +
           yearFirst.mid(4);
}
} // namespace

int daysApart(const QString& a, const QString& b) {
    return static_cast<int>(qAbs(calendarDate(a).daysTo(calendarDate(b))));
}

bool passesExpiry(const ExpiryInput& lease, const ExpiryCriteria& c) {
    QString end = lease.end;
    if (c.adjustable) {
        if (end.isEmpty())
            return false;
        const bool farFromBounds = daysApart(end, c.from) >= 365 || daysApart(end, c.to) >= 365;
        const bool startedAYearEarlier =
            lease.start >= yearEarlier(c.from) && lease.start <= yearEarlier(c.to);
        if (farFromBounds && startedAYearEarlier)
            end = c.to.left(4) + end.mid(4);
    }
    const bool lower = end.isEmpty() ? !c.from.isEmpty() : end >= c.from;
    const bool upper = c.to.isEmpty() || end <= c.to;
    const bool termination = !lease.terminated || c.withTerminations;
    return lower && upper && termination;
}
