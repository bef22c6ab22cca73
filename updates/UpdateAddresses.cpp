#include "updates/UpdateAddresses.h"
#include "common/Settings.h"

QString UpdateAddresses::versionService() {
    return Settings::folderValue(QStringLiteral("VersionServiceAddress"),
                                 QStringLiteral("https://www.quindel.gr/lethora/version.php"));
}

QString UpdateAddresses::fileListService() {
    return Settings::folderValue(QStringLiteral("FileListServiceAddress"),
                                 QStringLiteral("https://www.quindel.gr/lethora/files.php"));
}

QString UpdateAddresses::setupDownload() {
    return Settings::folderValue(
        QStringLiteral("SetupDownloadAddress"),
        QStringLiteral("https://www.quindel.gr/lethora/Upgrade/Setup.exe"));
}
