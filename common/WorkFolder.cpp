#include "common/WorkFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& rootFolder() {
    static QString folder = QDir::currentPath();
    return folder;
}

QString& installedTemplates() {
    static QString folder;
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

QString WorkFolder::templateRoot() {
    return installedTemplates();
}

void WorkFolder::setTemplateRoot(const QString& absoluteFolder) {
    installedTemplates() =
        absoluteFolder.isEmpty() ? QString() : QDir::cleanPath(QDir(absoluteFolder).absolutePath());
}

QString WorkFolder::templatePath(const QString& relative) {
    const QString own = path(relative);
    if (QFileInfo::exists(own) || installedTemplates().isEmpty())
        return own;
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(installedTemplates() + QLatin1Char('/') + rel);
}
