#pragma once
// The application's own version text and its comparison with the version service's.

#include "common/AppVersion.h"

#include <QByteArray>
#include <QString>

namespace VersionText {
inline const QString& kOwnVersion = kAppVersionText;

// The version text in the service's answer, without surrounding blanks and line
// breaks; throws UpdateFailure when the answer holds none.
QString fromAnswer(const QByteArray& answer);
// Whether the service's version text sorts after the own one, character by character.
bool isNewer(const QString& serviceVersion);
} // namespace VersionText
