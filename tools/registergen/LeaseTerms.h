#pragma once
// The terms of one synthetic lease: its kind, dates and monthly rent, as declared and
// as each amending declaration leaves them.

#include "tools/registergen/SeededRandom.h"

#include <QDate>
#include <QString>

// The register is made as of this day: nothing is submitted after it. Leases are
// declared from the first day on.
inline const QDate kRegisterDay(2026, 11, 30);
inline const QDate kFirstSubmissionDay(2015, 1, 1);

// Dates as the store keeps them, "DD/MM/YYYY".
inline QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

// Monthly rents lie within these bounds, in cents, before and after every amendment.
constexpr qint64 kLowestRentCents = 15000;
constexpr qint64 kHighestRentCents = 500000;

enum class LeaseKind { Home, Student, Business, Farm };

struct LeaseTerms {
    QDate agreement; // the agreement was signed before the lease starts
    QDate from;
    QDate until;
    qint64 rentCents = 0;
};

namespace LeaseTermsMaker {
LeaseKind kind(SeededRandom& random);
// The platform's name of the kind of lease.
QString kindName(LeaseKind kind);
// The terms of a lease declared on the day submitted.
LeaseTerms initial(SeededRandom& random, LeaseKind kind, const QDate& submitted);
// The rent raised by a percentage, kept within the bounds.
qint64 raisedRent(qint64 rentCents, int percent);
} // namespace LeaseTermsMaker
