#include "operators/RememberedOperator.h"
#include "common/Settings.h"

#include <algorithm>

namespace {
// The section is kept reversed and restored at run time.
const char* const kScrambledSection = "nigoL\\arohteL";
const char* const kValueName = "UN002";

QString section() {
    return RememberedOperator::reversed(QString::fromLatin1(kScrambledSection));
}
} // namespace

QString RememberedOperator::reversed(const QString& text) {
    QString result = text;
    std::reverse(result.begin(), result.end());
    return result;
}

QString RememberedOperator::read() {
    return reversed(Settings::userValue(section(), QString::fromLatin1(kValueName)));
}

void RememberedOperator::write(const QString& userName) {
    Settings::setUserValue(section(), QString::fromLatin1(kValueName), reversed(userName));
}
