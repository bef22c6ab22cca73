#pragma once
// The marker file "autocheck.ini" in the working folder: while it exists, the check
// for a newer version does not run at start-up.

#include <QString>

namespace StartupCheck {
inline const QString kMarkerFile = QStringLiteral("autocheck.ini");

// Whether the operator has switched the start-up check off.
bool isSwitchedOff();
// Writes the marker with its one line "NOT OK"; throws AppError when it cannot.
void switchOff();
} // namespace StartupCheck
