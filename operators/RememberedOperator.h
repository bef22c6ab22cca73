#pragma once
// The name of the operator who logged in last, kept in the operator's own settings
// under the value "UN002" with its characters in reverse order.

#include <QString>

namespace RememberedOperator {
QString read();
void write(const QString& userName);
// The text with its characters in reverse order.
QString reversed(const QString& text);
} // namespace RememberedOperator
