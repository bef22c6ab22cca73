#pragma once
// The companies that a move of the data folder to the server must take along: every
// company of the register ("Tables\Comps.db") and every folder under "Data", one that is
// a symbolic link included. A company open on a workstation (its lock file is there)
// would go on writing into the folder's files after the move, so the move waits for it.

#include <QString>
#include <QStringList>

namespace FolderCompanies {
// Why the table files (relative to the working folder, "/") would leave a company of the
// register behind: the text naming the first table missing; empty when none is.
QString leftBehind(const QStringList& tableFiles);
// The text naming a company that a workstation holds open; empty when none is.
QString openOne();
} // namespace FolderCompanies
