#pragma once
// Two kinds of settings:
// - the operator's own (QSettings in its native place: the remembered operator name,
//   the installation identifier), never in the shared working folder, and the folder of
//   the operator's own files;
// - the installation's service addresses, in "settings.ini" of the working folder,
//   each with a default that the demo and the tests override.

#include <QString>

namespace Settings {
QString userValue(const QString& group, const QString& key);
void setUserValue(const QString& group, const QString& key, const QString& value);

// The working folder's "settings.ini".
QString folderFile();
QString folderValue(const QString& key, const QString& defaultValue);
void setFolderValue(const QString& key, const QString& value);

// A folder of the operator's own for files that the application keeps for them, under
// the user's local application data ("%LOCALAPPDATA%\Quindel\Lethora\" + name on
// Windows, "~/.local/share/Quindel/Lethora/" + name elsewhere). Only the path: the
// caller makes the folder.
QString userFolder(const QString& name);
} // namespace Settings

// The maker's services of the main window.
namespace ServiceAddresses {
// The help-video list; the request's query carries the application number 3.
QString helpVideoList();
// The video page; a video's link code follows the address (query key "lnk=").
QString helpVideoPage();
// The editorial page shown behind "editorial.ini".
QString editorialPage();
} // namespace ServiceAddresses
