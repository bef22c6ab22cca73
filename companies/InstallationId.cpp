#include "companies/InstallationId.h"
#include "common/Settings.h"

#include <QUuid>

QString InstallationId() {
    const QString group = QStringLiteral("Installation");
    const QString key = QStringLiteral("Id");
    QString id = Settings::userValue(group, key);
    if (id.isEmpty()) {
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        Settings::setUserValue(group, key, id);
    }
    return id;
}
