#include "store/TemplateFiles.h"
#include "common/WorkFolder.h"
#include "store/TableStore.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

bool TemplateFiles::copyOver(const QString& templatePath, const QString& targetPath) {
    const QString source = WorkFolder::path(templatePath);
    const QString target = WorkFolder::path(targetPath);
    if (!QFileInfo(source).isFile())
        return false;
    TableStore::instance().releaseFile(targetPath);
    const QString temporary = target + QStringLiteral(".copying");
    QFile::remove(temporary);
    if (!QFile::copy(source, temporary))
        return false;
    QFile::setPermissions(temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::WriteGroup | QFile::ReadOther);
    // rename() replaces the target in one step: readers see the old table or the new one.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}
