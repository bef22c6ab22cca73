#pragma once
#include <QString>

// The application's own version text, compared as text with the version service's.
inline const QString kAppVersionText = QStringLiteral("2025 (ver 06.21)");
inline const QString kAppTitle = QStringLiteral("Quindel Lethora");

// The line that the application and its tools print for --version.
inline QString versionLine() {
    return kAppTitle + QLatin1Char(' ') + kAppVersionText + QLatin1Char('\n');
}
