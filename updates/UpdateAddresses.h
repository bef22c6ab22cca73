#pragma once
// The maker's update services, from "settings.ini" of the working folder.

#include <QString>

namespace UpdateAddresses {
// Answers the current version text.
QString versionService();
// Answers the list of the update's files: "N<br/>name<br/>size<br/>...".
QString fileListService();
// Answers the setup program itself.
QString setupDownload();
} // namespace UpdateAddresses
