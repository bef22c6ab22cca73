#pragma once
// A fresh working folder for one test: the table templates that the build made, an
// empty "Data", and nothing else. The working folder points at it while it lives. In a
// run on a server its settings.ini names an empty database of the private server.

#include <QString>
#include <QTemporaryDir>

// Copies the files of a folder (not its subfolders) into another, made if missing.
void copyFolder(const QString& from, const QString& to);

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    QString root() const { return m_dir.path(); }
    // An absolute path inside the folder.
    QString path(const QString& relative) const;

private:
    QTemporaryDir m_dir;
    QString m_previousRoot;
};
