#pragma once
// The application's entry sequence: login, main window, start-up version check.

class QApplication;
class TfiMain;

// Sets the application's title, font and working folder.
void prepareApplication();
// Shows the login dialog and prepares the main window; false when the login was
// cancelled (the application then ends without showing the main window).
bool loginAndPrepare(TfiMain& main);
// The whole sequence; returns the process's exit code.
int runApplication(QApplication& app);
