#pragma once
// The application's entry sequence: data folder, login, main window, start-up version
// check.

#include <QString>

class QApplication;
class TfiMain;

// Sets the application's font and the names the desktop knows it by.
void prepareApplication();
// Makes the folder the working folder, with the templates that go with the program.
void useDataFolder(const QString& folder, const QString& programFolder);
enum class LoginResult {
    LoggedIn,
    Cancelled,   // the operator closed the login dialog
    TablesBroken // the operators table could not be prepared; the error was shown once
};
// Shows the login dialog and prepares the main window. Unless logged in, the
// application ends without showing the main window.
LoginResult loginAndPrepare(TfiMain& main);
// The whole sequence, with the data folder given on the command line (empty when none
// was); returns the process's exit code.
int runApplication(QApplication& app, const QString& commandLineFolder);
