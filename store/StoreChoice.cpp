#include "store/StoreChoice.h"
#include "common/IniText.h"
#include "common/Settings.h"
#include "store/StoreError.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

namespace {
const QString kSection = QStringLiteral("Store");
const QString kEngine = QStringLiteral("Engine");
const QString kConnection = QStringLiteral("Connection");
const QString kSqlite = QStringLiteral("sqlite");
const QString kPostgresql = QStringLiteral("postgresql");
const QString kStops = QStringLiteral(
    " Από αυτό εξαρτάται αν οι πίνακες είναι στα αρχεία του φακέλου ή σε διακομιστή· η "
    "εργασία σταματά μέχρι να διορθωθεί, ώστε να μη χρησιμοποιηθούν κατά λάθος τα αρχεία.");

QString inFile() {
    return QStringLiteral(" του αρχείου ρυθμίσεων «") +
           QDir::toNativeSeparators(Settings::folderFile()) + QStringLiteral("»");
}

// The [Store] section of the settings as written, last value of a key in force; a
// file that cannot be read, a section named in other letters or a setting that is not
// known is a StoreError: taking it for the default would put the workstation on the
// folder's files while the others work on a server.
QHash<QString, QString> storeSettings(const IniText& ini) {
    if (!ini.failure().isEmpty())
        throw StoreError(ini.failure() + kStops);
    for (const QString& section : ini.sections())
        if (section != kSection && section.compare(kSection, Qt::CaseInsensitive) == 0)
            throw StoreError(QStringLiteral("Η ενότητα [") + section + QLatin1Char(']') + inFile() +
                             QStringLiteral(" δεν αναγνωρίζεται: γράφεται [Store].") + kStops);
    QHash<QString, QString> values;
    for (const auto& [key, value] : ini.entries(kSection)) {
        if (key != kEngine && key != kConnection)
            throw StoreError(QStringLiteral("Η ρύθμιση «") + key +
                             QStringLiteral("» της ενότητας [Store]") + inFile() +
                             QStringLiteral(" δεν αναγνωρίζεται: οι ρυθμίσεις της είναι Engine "
                                            "και Connection.") +
                             kStops);
        values.insert(key, value);
    }
    return values;
}

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
    const QHash<QString, QString> values = storeSettings(IniText::read(Settings::folderFile()));
    const QString engine = values.value(kEngine, kSqlite).trimmed().toLower();
    if (engine == kSqlite)
        return {};
    if (engine == kPostgresql)
        return {Engine::Postgresql, values.value(kConnection).trimmed()};
    throw StoreError(QStringLiteral("Άγνωστη αποθήκευση πινάκων «") + engine +
                     QStringLiteral("» στο settings.ini του φακέλου δεδομένων (ενότητα [Store], "
                                    "Engine=sqlite ή Engine=postgresql)."));
}

void StoreChoice::write(const StoreChoice& choice) {
    const bool server = choice.engine == Engine::Postgresql;
    const StoreChoice wanted{choice.engine, server ? choice.connection.trimmed() : QString()};
    IniText ini = IniText::read(Settings::folderFile());
    storeSettings(ini); // settings that could not be read back are not written over
    ini.setSection(kSection,
                   {{kEngine, server ? kPostgresql : kSqlite}, {kConnection, wanted.connection}});
    if (const QString failed = ini.write(Settings::folderFile()); !failed.isEmpty())
        throw StoreError(failed);
    // Read back as every workstation will read it.
    if (!(ofWorkFolder() == wanted))
        throw StoreError(QStringLiteral("Η ενότητα [Store]") + inFile() +
                         QStringLiteral(" δεν διαβάζεται πίσω όπως γράφτηκε."));
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
