#include "updates/FileList.h"
#include "updates/UpdateFailure.h"

#include <QRegularExpression>

namespace {
const QString kSetupName = QStringLiteral("Setup.exe");

qint64 wholeNumber(const QString& item, const char* what) {
    bool ok = false;
    const qint64 value = item.toLongLong(&ok);
    if (!ok || value < 0)
        throw UpdateFailure(QStringLiteral("file list: %1 \"%2\" is not a whole number")
                                .arg(QLatin1String(what), item));
    return value;
}

// The items of the answer, blanks trimmed; a separator at the very end adds none.
QStringList items(const QByteArray& answer) {
    QStringList parts = QString::fromUtf8(answer).split(QStringLiteral("<br/>"), Qt::KeepEmptyParts,
                                                        Qt::CaseInsensitive);
    for (QString& part : parts)
        part = part.trimmed();
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    return parts;
}

QString fileNameOf(const QString& listedName) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return listedName.section(separators, -1);
}
} // namespace

qint64 FileList::totalSize() const {
    qint64 total = 0;
    for (const UpdateFile& file : files)
        total += file.size;
    return total;
}

std::optional<qint64> FileList::setupSize() const {
    for (const UpdateFile& file : files)
        if (fileNameOf(file.name).compare(kSetupName, Qt::CaseInsensitive) == 0)
            return file.size;
    return std::nullopt;
}

FileList parseFileList(const QByteArray& answer) {
    const QStringList parts = items(answer);
    if (parts.isEmpty())
        throw UpdateFailure(QStringLiteral("file list: empty answer"));
    const qint64 count = wholeNumber(parts.first(), "count");
    if (count > (parts.size() - 1) / 2)
        throw UpdateFailure(QStringLiteral("file list: %1 files announced, %2 items follow")
                                .arg(count)
                                .arg(parts.size() - 1));
    FileList list;
    for (qint64 i = 0; i < count; ++i)
        list.files.append({parts.at(1 + 2 * i), wholeNumber(parts.at(2 + 2 * i), "size")});
    return list;
}
