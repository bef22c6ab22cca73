#include "store/StoreChoice.h"
#include "common/Settings.h"
#include "store/StoreError.h"

#include <QHash>
#include <QRegularExpression>

namespace {
const QString kEngine = QStringLiteral("Store/Engine");
const QString kConnection = QStringLiteral("Store/Connection");
const QString kSqlite = QStringLiteral("sqlite");
const QString kPostgresql = QStringLiteral("postgresql");

QHash<QString, QString> connectionParts(const QString& connection) {
    static const QRegularExpression part(QStringLiteral("(\\w+)\\s*=\\s*('[^']*'|\\S+)"));
    QHash<QString, QString> parts;
    for (auto it = part.globalMatch(connection); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString value = m.captured(2);
        if (value.startsWith(QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2);
        parts.insert(m.captured(1).toLower(), value);
    }
    return parts;
}
} // namespace

StoreChoice StoreChoice::ofWorkFolder() {
    const QString engine = Settings::folderValue(kEngine, kSqlite).trimmed().toLower();
    if (engine == kSqlite)
        return {};
    if (engine == kPostgresql)
        return {Engine::Postgresql, Settings::folderValue(kConnection, QString()).trimmed()};
    throw StoreError(QStringLiteral("Άγνωστη αποθήκευση πινάκων «") + engine +
                     QStringLiteral("» στο settings.ini του φακέλου δεδομένων (ενότητα [Store], "
                                    "Engine=sqlite ή Engine=postgresql)."));
}

void StoreChoice::write(const StoreChoice& choice) {
    const bool server = choice.engine == Engine::Postgresql;
    Settings::setFolderValue(kEngine, server ? kPostgresql : kSqlite);
    Settings::setFolderValue(kConnection, server ? choice.connection : QString());
}

QString StoreChoice::serverName(const QString& connection) {
    const QHash<QString, QString> parts = connectionParts(connection);
    QString name = parts.value(QStringLiteral("host"), parts.value(QStringLiteral("hostaddr"),
                                                                   QStringLiteral("localhost")));
    if (parts.contains(QStringLiteral("port")))
        name += QLatin1Char(':') + parts.value(QStringLiteral("port"));
    if (parts.contains(QStringLiteral("dbname")))
        name += QStringLiteral(", βάση ") + parts.value(QStringLiteral("dbname"));
    return name;
}
