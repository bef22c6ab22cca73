#include "tools/registergen/LeaseTerms.h"

#include <algorithm>

namespace {
// Years of the lease; most homes are let for the legal minimum of three.
int durationYears(SeededRandom& random, LeaseKind kind) {
    static const int years[] = {1, 2, 3, 4, 5, 6, 9, 12};
    switch (kind) {
    case LeaseKind::Home:
        return years[random.weighted({6, 8, 60, 6, 10, 4, 3, 3})];
    case LeaseKind::Student:
        return years[random.weighted({60, 20, 20, 0, 0, 0, 0, 0})];
    case LeaseKind::Business:
        return years[random.weighted({2, 4, 20, 6, 15, 15, 20, 18})];
    case LeaseKind::Farm:
        return years[random.weighted({10, 10, 20, 10, 25, 10, 10, 5})];
    }
    return 3;
}

qint64 rentCents(SeededRandom& random, LeaseKind kind) {
    int lowest = 150, highest = 1500;
    switch (kind) {
    case LeaseKind::Home:
        break;
    case LeaseKind::Student:
        highest = 600;
        break;
    case LeaseKind::Business:
        lowest = 300;
        highest = 5000;
        break;
    case LeaseKind::Farm:
        highest = 800;
        break;
    }
    // Most rents are round sums; some carry cents.
    if (random.chance(70))
        return qint64(random.between(lowest / 10, highest / 10)) * 1000;
    return qint64(random.between(lowest * 100, highest * 100 - 1));
}
} // namespace

LeaseKind LeaseTermsMaker::kind(SeededRandom& random) {
    static const LeaseKind kinds[] = {LeaseKind::Home, LeaseKind::Student, LeaseKind::Business,
                                      LeaseKind::Farm};
    return kinds[random.weighted({62, 8, 26, 4})];
}

QString LeaseTermsMaker::kindName(LeaseKind kind) {
    switch (kind) {
    case LeaseKind::Home:
        return QStringLiteral("Μίσθωση Κατοικίας");
    case LeaseKind::Student:
        return QStringLiteral("Φοιτητική Κατοικία");
    case LeaseKind::Business:
        return QStringLiteral("Επαγγελματική Μίσθωση");
    case LeaseKind::Farm:
        return QStringLiteral("Αγροτική Μίσθωση");
    }
    return QString();
}

LeaseTerms LeaseTermsMaker::initial(SeededRandom& random, LeaseKind kind, const QDate& submitted) {
    LeaseTerms terms;
    // Declared within a few weeks after the start, now and then ahead of it.
    terms.from = submitted.addDays(-random.between(-15, 45));
    terms.agreement = terms.from.addDays(-random.between(1, 40));
    terms.until = terms.from.addYears(durationYears(random, kind)).addDays(-1);
    terms.rentCents = rentCents(random, kind);
    return terms;
}

qint64 LeaseTermsMaker::raisedRent(qint64 rentCents, int percent) {
    const qint64 raised = (rentCents * (100 + percent) + 50) / 100;
    return std::clamp(raised, kLowestRentCents, kHighestRentCents);
}
