#pragma once
// The check for a newer version of the application, for the main window.

class QWidget;

// The check: asks the version service; when a newer version exists and the operator
// agrees, downloads the setup program, starts it and ends the application. Interactive
// checks also report that there is no newer version. A failed request turns the
// progress window into the connection notice. Other failures are shown by the general
// error report.
void CheckForNewVersion(bool interactive);

// The check at start-up, unless the operator switched it off ("autocheck.ini").
void RunStartupVersionCheck();

// Shows the version window modally over the parent.
void ShowVersionWindow(QWidget* parent);
