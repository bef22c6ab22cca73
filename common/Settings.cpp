#include "common/Settings.h"
#include "common/WorkFolder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
const char* const kOrganisation = "Quindel";
const char* const kApplication = "Lethora";
} // namespace

QString Settings::userValue(const QString& group, const QString& key) {
    QSettings s(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    s.beginGroup(group);
    return s.value(key).toString();
}

void Settings::setUserValue(const QString& group, const QString& key, const QString& value) {
    QSettings s(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    s.beginGroup(group);
    s.setValue(key, value);
    s.sync();
}

QString Settings::folderFile() {
    return WorkFolder::path(QStringLiteral("settings.ini"));
}

QString Settings::folderValue(const QString& key, const QString& defaultValue) {
    QSettings s(folderFile(), QSettings::IniFormat);
    return s.value(key, defaultValue).toString();
}

void Settings::setFolderValue(const QString& key, const QString& value) {
    QSettings s(folderFile(), QSettings::IniFormat);
    s.setValue(key, value);
    s.sync();
}

QString Settings::userFolder(const QString& name) {
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return data.filePath(QString::fromLatin1(kOrganisation) + QLatin1Char('/') +
                         QString::fromLatin1(kApplication) + QLatin1Char('/') + name);
}

QString ServiceAddresses::helpVideoList() {
    return Settings::folderValue(QStringLiteral("HelpVideoListAddress"),
                                 QStringLiteral("https://www.quindel.gr/videos/list.php?app=3"));
}

QString ServiceAddresses::helpVideoPage() {
    return Settings::folderValue(QStringLiteral("HelpVideoPageAddress"),
                                 QStringLiteral("https://www.quindel.gr/videos/show.php?lnk="));
}

QString ServiceAddresses::editorialPage() {
    return Settings::folderValue(QStringLiteral("EditorialPageAddress"),
                                 QStringLiteral("https://www.quindel.gr/lethora/editorial.html"));
}
