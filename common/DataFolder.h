#pragma once
// The data folder: where the shared tables ("Tables"), the owners' folders ("Data"),
// the lock files and the folder's settings live. Run from the build tree the program
// uses its own folder; installed, the operator chooses one at the first start and it is
// remembered in the operator's settings.

#include <QString>

namespace DataFolder {
// The folder offered at the first start: "Lethora" in the operator's home folder.
QString proposed();
// The folder remembered from an earlier start; empty when none is.
QString remembered();
void remember(const QString& folder);

// An absolute, clean path for what the operator typed ("~/" stands for the home folder).
QString normalised(const QString& typed);
// Makes the folder when missing and checks that it takes files. Returns an empty text
// when the folder can be used, otherwise the message that refuses it, naming it.
QString refusal(const QString& folder);

// The table templates that go with a program in programFolder: its own folder when it
// holds them (the build tree), otherwise the installed ones ("share/lethora" beside the
// program's "bin" or "lib/lethora"); empty when there are none.
QString templatesFor(const QString& programFolder);
// Whether the program runs from the build tree: its own folder holds the templates and
// is its data folder.
bool isBuildTree(const QString& programFolder);
} // namespace DataFolder
