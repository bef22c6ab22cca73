#include "portal/PortalAddresses.h"
#include "common/Settings.h"

namespace {
QString base(const QString& key, const QString& defaultValue) {
    QString address = Settings::folderValue(key, defaultValue).trimmed();
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

QString protectedPage(const QString& page) {
    return PortalAddresses::leaseAppBase() + QStringLiteral("/sgsisapps/plcs/protected/") + page;
}
} // namespace

QString PortalAddresses::leaseAppBase() {
    return base(QStringLiteral("LeaseAppBaseAddress"), QStringLiteral("https://www1.aade.gr"));
}

QString PortalAddresses::signOnBase() {
    return base(QStringLiteral("SignOnBaseAddress"), QStringLiteral("https://login.gsis.gr"));
}

QString PortalAddresses::consolePage() {
    return protectedPage(QStringLiteral("displayConsole.htm"));
}

QString PortalAddresses::submissionDetailsPage() {
    return protectedPage(QStringLiteral("displaySubmissionDetails.htm"));
}

QString PortalAddresses::flowPage() {
    return protectedPage(QStringLiteral("gsis-flow.htm?_flowExecutionKey=_"));
}
