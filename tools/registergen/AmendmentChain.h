#pragma once
// The amending declarations of one synthetic lease, in the order they were submitted.

#include "tools/registergen/LeaseTerms.h"

#include <QList>

struct AmendmentDraft {
    QDate submitted;
    bool termination = false;
    bool provisional = false;
    LeaseTerms terms; // as the amendment leaves them; a termination ends on its date
    QString note;     // empty, or one or more lines
};

namespace AmendmentChain {
// Up to count amendments of a lease declared on the day declared, oldest first. Each is
// submitted on a later day than the one before and not after the register's day, so
// fewer come out when the lease is young. A termination can only be the last one, and
// only the last one can be provisionally saved.
QList<AmendmentDraft> make(SeededRandom& random, const QDate& declared, const LeaseTerms& initial,
                           int count);
} // namespace AmendmentChain
