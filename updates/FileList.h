#pragma once
// The file list of the update service: items separated by "<br/>", first the number
// of files N, then N pairs of file name and size in bytes.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct UpdateFile {
    QString name;
    qint64 size = 0;
};

struct FileList {
    QList<UpdateFile> files;

    // The sum of the sizes: the expected total of the transfers.
    qint64 totalSize() const;
    // The size given for the setup program ("Setup.exe", in any folder), if listed.
    std::optional<qint64> setupSize() const;
};

// Reads the service's answer; throws UpdateFailure when the count or a size is not a
// whole number of zero or more, or when pairs are missing.
FileList parseFileList(const QByteArray& answer);
