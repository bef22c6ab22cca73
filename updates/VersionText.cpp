#include "updates/VersionText.h"
#include "updates/UpdateFailure.h"

QString VersionText::fromAnswer(const QByteArray& answer) {
    const QString text = QString::fromUtf8(answer).trimmed();
    if (text.isEmpty())
        throw UpdateFailure(QStringLiteral("empty version text"));
    return text;
}

bool VersionText::isNewer(const QString& serviceVersion) {
    return QString::compare(serviceVersion, kOwnVersion, Qt::CaseSensitive) > 0;
}
