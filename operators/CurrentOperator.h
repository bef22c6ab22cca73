#pragma once
// The logged-in operator, process-wide: a copy of their Users row.

#include <QString>

struct OperatorRecord {
    QString UserName;
    QString Pass;   // as stored: the password's hash, or empty before the first password
    QString Rights; // "D", "I" or "V"
};

OperatorRecord& CurrentOperator();

// The built-in operator's name.
inline QString adminName() {
    return QStringLiteral("admin");
}
