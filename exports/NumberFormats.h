#pragma once
// Number formats in the Greek notation that the exports use ("#.##0,00": "." groups the
// thousands, "," marks the decimals) and what they become in a workbook file.

#include <QString>

namespace NumberFormats {
// The format code as stored in an .xlsx file, which always uses the English notation:
// "#.##0,00" → "#,##0.00". Quoted literal text and escaped characters keep their marks.
// "@" and the general format (empty) are unchanged.
QString fileCode(const QString& greekCode);
// The code that the .xlsx writer gives the cells: fileCode(), and for a plain digit
// pattern such as "#.##0,00" a space of one character's width after the number ("_)"),
// so that a right-aligned amount never touches the text of the column that follows it,
// on screen or on paper.
QString cellFileCode(const QString& greekCode);

// The text that a Greek spreadsheet shows for a number under a format: "1.234,50" for
// 1234.5 under "#.##0,00"; the general form ("1234,5") under "@", the general format,
// or a code that is not a plain digit pattern.
QString displayText(double number, const QString& greekCode);
} // namespace NumberFormats
