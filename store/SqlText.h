#pragma once
#include <QString>

// A text as an SQL literal: in single quotes, each quote inside doubled, so that a
// name holding a quote neither breaks a filter nor changes what it selects.
inline QString sqlQuoted(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
