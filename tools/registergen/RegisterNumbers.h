#pragma once
// Registration numbers as the platform hands them out: one counter for all filings,
// so that a later filing has a higher number.

#include "tools/registergen/SeededRandom.h"

#include <QDate>
#include <QList>

namespace RegisterNumbers {
// A number for each of the filings made on the days given: unique, higher for a later
// day and, within a day, for a later place in the list. Seven or eight digits for the
// days of the register.
QList<qint64> assign(SeededRandom& random, const QList<QDate>& days);
} // namespace RegisterNumbers
