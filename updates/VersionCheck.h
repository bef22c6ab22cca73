#pragma once
// The version check's two steps, without windows or questions: whether the version
// service offers a newer version, and the download and start of its setup program, which
// the caller runs only after the operator agreed. Request failures leave as UpdateFailure.

namespace VersionCheck {
// Asks the version service; true when it offers a version newer than this one.
bool newerVersionOffered();
// Downloads the setup program; starts it and ends the application when it is whole, and
// tells the operator when it is not listed, not whole or does not start.
void downloadAndStartSetup();
} // namespace VersionCheck
