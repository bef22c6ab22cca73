#pragma once
// The synthetic register generator: a realistic register of lease declarations for one
// owner, for demonstrations, tests and benchmarks. The same seed gives the same
// register on every machine.
//
// Per initial declaration: 1 to 5 lessors (the owner among them, mostly first), 1 to 5
// lessees, 1 to 4 properties (2 on average) and 0 to 5 amending declarations (about 2.5
// on average), the newest of which may be a termination. Some declarations and some
// newest amendments are only provisionally saved. Leases are declared from 2015 to the
// end of November 2026, so that many expire around the end of 2026.

#include "tools/registergen/RegisterDataSet.h"

#include <QString>

// A register of the given number of initial declarations, sorted by their keys. An
// empty owner name is made up from the seed.
RegisterDataSet generateRegister(const QString& ownerAfm, int declarations, quint32 seed,
                                 const QString& ownerName = QString());
