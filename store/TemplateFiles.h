#pragma once
// Copying table files from their templates: the file appears whole or not at all.

#include <QString>

namespace TemplateFiles {
// Copies the template (relative to the working folder) over target. The table store
// lets go of target first. A copy that fails leaves target as it was; false then.
bool copyOver(const QString& templatePath, const QString& targetPath);
} // namespace TemplateFiles
