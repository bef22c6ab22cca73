#pragma once
// Dates as the application keeps them: "DD/MM/YYYY" text, turned year first for
// sorting and comparing.

#include <QString>

// Between "DD/MM/YYYY" and "YYYY/MM/DD", whichever it is given; empty gives empty.
// Anything after the tenth character (a time of day) is dropped.
QString SwapDateOrder(const QString& date);

// The date box's text on leaving it: day, month and year with blanks removed; a
// calendar date becomes "DD/MM/YYYY" (day and month padded), anything else empty.
QString NormaliseDateBoxText(const QString& boxText);

// The date box's empty state.
inline const QString kEmptyDateBox = QStringLiteral("  /  /20  ");
