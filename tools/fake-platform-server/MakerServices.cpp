#include "tools/fake-platform-server/MakerServices.h"
#include "common/AppVersion.h"

namespace {
const QString kPrefix = QStringLiteral("/maker");

PageAnswer page(const QString& body) {
    PageAnswer answer;
    answer.html = body;
    return answer;
}
} // namespace

MakerServices::MakerServices(PageSource& platform, QString base)
    : m_platform(platform), m_base(std::move(base)) {}

QList<QPair<QString, QString>> MakerServices::settings() const {
    const QString maker = m_base + kPrefix;
    return {
        {QStringLiteral("HelpVideoListAddress"), maker + QStringLiteral("/videos/list.php?app=3")},
        {QStringLiteral("HelpVideoPageAddress"), maker + QStringLiteral("/videos/show.php?lnk=")},
        {QStringLiteral("EditorialPageAddress"), maker + QStringLiteral("/lethora/editorial.html")},
        {QStringLiteral("VersionServiceAddress"), maker + QStringLiteral("/lethora/version.php")},
        {QStringLiteral("FileListServiceAddress"), maker + QStringLiteral("/lethora/files.php")},
        {QStringLiteral("SetupDownloadAddress"),
         maker + QStringLiteral("/lethora/Upgrade/Setup.exe")}};
}

PageAnswer MakerServices::answer(const PageRequest& request) {
    const QString path = request.url.path();
    if (!path.startsWith(kPrefix + QLatin1Char('/')))
        return m_platform.answer(request);
    const QString service = path.mid(kPrefix.size());
    if (service == QLatin1String("/videos/list.php"))
        return page(
            QStringLiteral("<CODE>Σύνδεση στην ΑΑΔΕ και έλεγχος δεδομένων<DESCR>v101<LINK>\r\n"
                           "<CODE>Εισαγωγή νέων δηλώσεων<DESCR>v102<LINK>\r\n"
                           "<CODE>Εξαγωγή μητρώου σε λογιστικό φύλλο<DESCR>v103<LINK>\r\n"));
    if (service == QLatin1String("/videos/show.php"))
        return page(
            QStringLiteral("<!DOCTYPE html><html><body><h1>Βίντεο βοήθειας</h1></body></html>"));
    if (service == QLatin1String("/lethora/editorial.html"))
        return page(QStringLiteral("<!DOCTYPE html><html><body><h1>Νέα της έκδοσης</h1>"
                                   "<p>Καλώς ήρθατε στην έκδοση επίδειξης.</p></body></html>"));
    if (service == QLatin1String("/lethora/version.php"))
        return page(kAppVersionText);
    if (service == QLatin1String("/lethora/files.php"))
        return page(QStringLiteral("1<br/>Setup.exe<br/>0<br/>"));
    if (service == QLatin1String("/lethora/Upgrade/Setup.exe"))
        return page(QString());
    PageAnswer missing;
    missing.status = 404;
    return missing;
}
