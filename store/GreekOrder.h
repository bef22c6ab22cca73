#pragma once
// Names in the operator's order: Greek and Latin letters compared with case and
// accents ignored and final sigma equal to sigma, then by ICU's Greek collation.

#include <QString>

namespace GreekOrder {
// The text with accents removed, lower case, and "ς" turned into "σ".
QString fold(const QString& text);
// <0, 0, >0 as a sorts before, with, or after b.
int compare(const QString& a, const QString& b);
// The name under which the order is registered with SQLite ("GREEK").
inline constexpr const char* collationName = "GREEK";
} // namespace GreekOrder
