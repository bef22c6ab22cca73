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

// Whether a date box's text is its empty state or a calendar date as the box writes it out
// ("DD/MM/YYYY"); anything else is no date that a search can use.
bool IsDateBoxDateOrEmpty(const QString& boxText);

// A date given as text from elsewhere (pasted): day, month and four-digit year separated
// by "/", "." or "-", each of day and month of one or two digits, blanks around it
// ignored; "DD/MM/YYYY" when it is a calendar date, empty otherwise.
QString DateOfPastedText(const QString& text);
