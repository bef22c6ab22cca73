#pragma once
// The sign-on page and the console pages of the fake platform.

#include <QString>
#include <QStringList>

namespace SignOnPages {
// The sign-on form: user name (id "username"), password (id "password") and the submit
// button "btn_login"; it posts to the action with the address to return to. The error
// line is shown above the form when it is not empty.
QString signOn(const QString& action, const QString& returnTo, const QString& error);
// The console: the year choice "yearShow" and the button "button1" that opens the list.
QString console(const QString& userLine);
// The console made of two frames: a menu ("consoleMenu.htm") and the year choice with
// its button ("consoleMain.htm", whose form opens the list in the whole window).
QString consoleInFrames(const QString& userLine);
QString consoleMenuFrame();
QString consoleMainFrame();
// The console of an authorised user who has not picked a role yet: a form to
// "displayActorRoles.htm" offering the represented tax numbers.
QString roleChoice(const QString& userLine, const QStringList& representedAfms);
} // namespace SignOnPages
