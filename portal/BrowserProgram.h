#pragma once
// The browser program that the real providers run, and how they run it.
//
//   [Browser]                    (settings.ini of the working folder)
//   Driver=devtools              the default: the browser driven over its DevTools pipe
//   Driver=webdriver             through chromedriver (see WebDriverBrowser)
//   Program=/path/to/browser     the browser the DevTools provider starts; without it the
//                                first found of the installed browsers listed below
//
// The browser runs headless when the setting "BrowserHeadless" is "1", when the
// environment variable LETHORA_HEADLESS_BROWSER is "1", or when there is no display.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace BrowserProgram {
// A browser that the DevTools provider can drive, and where an installation keeps it.
// A place may start with an environment variable ("%LOCALAPPDATA%/..."); a bare file name
// is looked for in the folders of PATH.
struct Candidate {
    QString name;
    QStringList places;
};

// The browsers of this system, in the order they are looked for.
QList<Candidate> installedCandidates();
// The first program found among the candidates; raises AppError naming the supported
// browsers and every place looked at when none is there. The environment gives the
// variables of the places (PATH among them).
QString find(const QList<Candidate>& candidates,
             const std::function<QString(const QString&)>& environment);
// The program the DevTools provider starts: the setting, else the first found.
QString devToolsProgram();

enum class Driver { DevTools, WebDriver };
// The provider chosen in settings.ini; raises AppError for an unknown one.
Driver driver();

bool headless();
// The options every started browser gets, its profile in the folder given.
QStringList commonArguments(const QString& profileFolder);
} // namespace BrowserProgram
