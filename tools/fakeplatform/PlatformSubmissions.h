#pragma once
// An owner's submissions as the platform lists them, made from the owner's register:
// every initial declaration and every amending declaration or termination, oldest
// number first. An amending declaration amends the one submitted before it on the same
// lease (the initial declaration for the first). Its values are those of the lease as
// it left them: the initial declaration's, changed by every amendment up to it.

#include "tools/registergen/RegisterDataSet.h"

#include <QList>
#include <QString>
#include <QVariantMap>

struct PlatformSubmission {
    QString number;
    QString amends; // the number amended; empty for an initial declaration
    QString kind;   // EidosDilosis
    QString stage;  // StadioYpovolis
    QVariantMap values;
    QList<QVariantMap> properties; // of the lease, by AA
    // The lease's submission before this one, for a termination's former end date.
    QVariantMap previousValues;
    bool newestOfLease = false;

    bool isTemporarilySaved() const;
    bool isTermination() const;
    // Whether the platform offers an amending declaration and a termination of it.
    bool canBeAmended() const;
};

QList<PlatformSubmission> platformSubmissions(const RegisterDataSet& data);
