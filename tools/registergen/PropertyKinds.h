#pragma once
// The kinds of property that synthetic leases let, with what is typical of each.

#include "tools/registergen/LeaseTerms.h"

#include <QString>
#include <QStringList>

struct AreaRange {
    int lowest = 0; // square metres; both 0 when there is no such area
    int highest = 0;
};

struct PropertyKind {
    QString name;
    AreaRange main{};
    AreaRange plot{}; // a plot of its own
    QStringList floors;
    int certifiedPercent = 0; // how many carry an energy certificate
    int suppliedPercent = 0;  // how many have an electricity supply
    QStringList descriptions;
};

namespace PropertyKinds {
// The main property of a lease of the kind.
const PropertyKind& first(SeededRandom& random, LeaseKind lease);
// What is let together with the main property.
const PropertyKind& further(SeededRandom& random, LeaseKind lease);
} // namespace PropertyKinds
