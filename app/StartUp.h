#pragma once
// The application's entry sequence: login, main window, start-up version check.

class QApplication;
class TfiMain;

// Sets the application's title, font and working folder.
void prepareApplication();
enum class LoginResult {
    LoggedIn,
    Cancelled,   // the operator closed the login dialog
    TablesBroken // the operators table could not be prepared; the error was shown once
};
// Shows the login dialog and prepares the main window. Unless logged in, the
// application ends without showing the main window.
LoginResult loginAndPrepare(TfiMain& main);
// The whole sequence; returns the process's exit code.
int runApplication(QApplication& app);
