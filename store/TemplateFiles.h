#pragma once
// Copying table files from their templates: the file appears whole or not at all.

#include <QString>

namespace TemplateFiles {
// Copies the template (relative to the working folder, or the installed template when
// the folder has none of its own) over target. The table store
// lets go of target first. A template that is not a sound table file of its table is
// never copied. A copy that fails leaves target as it was; false then.
//
// The new file gets the permissions of any file the process creates (its umask
// decides), limited to the classes of users (owner, group, others) that may read the
// template: a template readable by its owner only gives a table readable by its owner
// only, whatever the umask.
bool copyOver(const QString& templatePath, const QString& targetPath);
} // namespace TemplateFiles
