#include "common/WorkFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& rootFolder() {
    static QString folder = QDir::currentPath();
    return folder;
}
} // namespace

QString WorkFolder::root() {
    return rootFolder();
}

void WorkFolder::setRoot(const QString& absoluteFolder) {
    rootFolder() = QDir::cleanPath(QDir(absoluteFolder).absolutePath());
}

QString WorkFolder::path(const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(rel))
        return QDir::cleanPath(rel);
    return QDir::cleanPath(root() + QLatin1Char('/') + rel);
}

bool WorkFolder::exists(const QString& relative) {
    return QFileInfo::exists(path(relative));
}
