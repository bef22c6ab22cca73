#include "portal/BrowserProgram.h"
#include "common/ErrorReport.h"
#include "common/Settings.h"
#include "portal/ProcessPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString kProgram = QStringLiteral("Browser/Program");
const QString kDriver = QStringLiteral("Browser/Driver");

#ifdef Q_OS_WIN
const QChar kPathSeparator = QLatin1Char(';');
#else
const QChar kPathSeparator = QLatin1Char(':');
#endif

// The place with its leading variable replaced; empty when the variable is not set.
QString expanded(const QString& place, const std::function<QString(const QString&)>& environment) {
    static const QRegularExpression variable(QStringLiteral("^%([^%]+)%"));
    const QRegularExpressionMatch m = variable.match(place);
    if (!m.hasMatch())
        return place;
    const QString value = environment(m.captured(1));
    return value.isEmpty() ? QString() : QDir::cleanPath(value + place.mid(m.capturedLength()));
}

bool isProgram(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}
} // namespace

QList<BrowserProgram::Candidate> BrowserProgram::installedCandidates() {
#ifdef Q_OS_WIN
    return {{QStringLiteral("Google Chrome"),
             {QStringLiteral("%ProgramFiles%/Google/Chrome/Application/chrome.exe"),
              QStringLiteral("%ProgramFiles(x86)%/Google/Chrome/Application/chrome.exe"),
              QStringLiteral("%LOCALAPPDATA%/Google/Chrome/Application/chrome.exe")}},
            {QStringLiteral("Microsoft Edge"),
             {QStringLiteral("%ProgramFiles(x86)%/Microsoft/Edge/Application/msedge.exe"),
              QStringLiteral("%ProgramFiles%/Microsoft/Edge/Application/msedge.exe"),
              QStringLiteral("%LOCALAPPDATA%/Microsoft/Edge/Application/msedge.exe")}}};
#else
    return {{QStringLiteral("Chromium"),
             {QStringLiteral("/usr/lib/chromium/chromium"), QStringLiteral("/usr/bin/chromium"),
              QStringLiteral("chromium"), QStringLiteral("chromium-browser")}},
            {QStringLiteral("Google Chrome"),
             {QStringLiteral("/opt/google/chrome/chrome"), QStringLiteral("/usr/bin/google-chrome"),
              QStringLiteral("google-chrome"), QStringLiteral("google-chrome-stable")}}};
#endif
}

QString BrowserProgram::find(const QList<Candidate>& candidates,
                             const std::function<QString(const QString&)>& environment) {
    const QStringList path =
        environment(QStringLiteral("PATH")).split(kPathSeparator, Qt::SkipEmptyParts);
    QStringList names;
    QStringList looked;
    for (const Candidate& candidate : candidates) {
        names << candidate.name;
        for (const QString& place : candidate.places) {
            if (!place.contains(QLatin1Char('/'))) {
                for (const QString& folder : path)
                    if (isProgram(QDir(folder).filePath(place)))
                        return QDir(folder).filePath(place);
                looked << place + QStringLiteral(" (PATH)");
                continue;
            }
            const QString file = expanded(place, environment);
            if (!file.isEmpty() && isProgram(file))
                return file;
            looked << (file.isEmpty() ? place : QDir::toNativeSeparators(file));
        }
    }
    throw AppError(QStringLiteral("Δεν βρέθηκε φυλλομετρητής για τη σύνδεση με την ΑΑΔΕ. "
                                  "Υποστηρίζονται: %1. Αναζητήθηκαν: %2. Εγκαταστήστε έναν από "
                                  "αυτούς ή ορίστε τον φυλλομετρητή στο settings.ini "
                                  "(ενότητα [Browser], Program=).")
                       .arg(names.join(QStringLiteral(", ")), looked.join(QStringLiteral(", "))));
}

QString BrowserProgram::devToolsProgram() {
    const QString chosen = Settings::folderValue(kProgram, QString()).trimmed();
    if (chosen.isEmpty())
        return find(installedCandidates(), [](const QString& name) {
            return qEnvironmentVariable(name.toLocal8Bit().constData());
        });
    if (!isProgram(chosen))
        throw AppError(QStringLiteral("Δεν βρέθηκε ο φυλλομετρητής %1 που ορίζει το settings.ini "
                                      "(ενότητα [Browser], Program=).")
                           .arg(QDir::toNativeSeparators(chosen)));
    return chosen;
}

BrowserProgram::Driver BrowserProgram::driver() {
    const QString chosen =
        Settings::folderValue(kDriver, QStringLiteral("devtools")).trimmed().toLower();
    if (chosen == QLatin1String("devtools"))
        return Driver::DevTools;
    if (chosen == QLatin1String("webdriver"))
        return Driver::WebDriver;
    throw AppError(QStringLiteral("Άγνωστος τρόπος οδήγησης του φυλλομετρητή «") + chosen +
                   QStringLiteral("» στο settings.ini (ενότητα [Browser], Driver=devtools ή "
                                  "Driver=webdriver)."));
}

bool BrowserProgram::headless() {
    if (Settings::folderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("0")) ==
            QLatin1String("1") ||
        qgetenv("LETHORA_HEADLESS_BROWSER") == "1")
        return true;
#ifdef Q_OS_WIN
    return false; // Windows always has its desktop
#else
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

QStringList BrowserProgram::commonArguments(const QString& profileFolder) {
    QStringList args = {QStringLiteral("--disable-dev-shm-usage"), QStringLiteral("--disable-gpu"),
                        QStringLiteral("--disable-background-networking"),
                        QStringLiteral("--disable-component-update"),
                        QStringLiteral("--disable-sync"), QStringLiteral("--no-first-run"),
                        QStringLiteral("--no-default-browser-check"),
                        // The platform's forms open their windows from the page's scripts.
                        QStringLiteral("--disable-popup-blocking"),
                        QStringLiteral("--user-data-dir=") + profileFolder};
    if (ProcessPlatform::runsAsAdministrator())
        args << QStringLiteral("--no-sandbox");
    if (headless())
        args << QStringLiteral("--headless=new");
    return args;
}
