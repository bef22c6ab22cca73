#pragma once
// The working folder: everything the application reads or writes is addressed
// relative to it ("Tables", "ClrTbls", "ClrData", "Data", "Upgrade", marker files).

#include <QString>

namespace WorkFolder {
// The folder in force (absolute, without a trailing separator).
QString root();
void setRoot(const QString& absoluteFolder);
// A path relative to the working folder, written with "\" or "/", made absolute.
QString path(const QString& relative);
// Whether a file or folder exists at the relative path.
bool exists(const QString& relative);

// The installed table templates ("ClrTbls", "ClrData"), used where the working folder
// has none of its own; empty when there are none.
QString templateRoot();
void setTemplateRoot(const QString& absoluteFolder);
// A template file given relative to the working folder: the working folder's own copy
// when it has one, otherwise the installed template.
QString templatePath(const QString& relative);
} // namespace WorkFolder
