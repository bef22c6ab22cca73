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
//
// The declarations are made in the order of their submission days, so that they come out
// in their keys' order. A register is made twice over from its seed: the first pass
// keeps only the days of the filings, which give the registration numbers; the second
// makes the declarations again and hands them over, numbered, in parts. So the memory
// needed depends on the size of a part, not on the register's.

#include "tools/registergen/RegisterDataSet.h"

#include <QString>
#include <functional>

// A register of the given number of initial declarations, sorted by their keys. An
// empty owner name is made up from the seed.
RegisterDataSet generateRegister(const QString& ownerAfm, int declarations, quint32 seed,
                                 const QString& ownerName = QString());

// The same register as generateRegister() gives, handed to take() in parts of at most
// partSize initial declarations each with their amendments and properties; the parts
// follow each other in the keys' order. checkpoint(), when given, is called before each
// part of each pass; it may throw to stop the generator.
void generateRegisterInParts(const QString& ownerAfm, int declarations, quint32 seed,
                             const QString& ownerName, int partSize,
                             const std::function<void(const RegisterDataSet&)>& take,
                             const std::function<void()>& checkpoint = {});
