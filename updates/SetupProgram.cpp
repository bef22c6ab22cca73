#include "updates/SetupProgram.h"
#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "updates/UpdateTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

SetupProgram::Verdict SetupProgram::judge(qint64 downloadedSize, std::optional<qint64> listedSize) {
    if (downloadedSize <= kSmallestSize)
        return Verdict::TooSmall;
    if (!listedSize)
        return Verdict::Unlisted;
    if (*listedSize != downloadedSize)
        return Verdict::Incomplete;
    return Verdict::Keep;
}

void SetupProgram::save(const QByteArray& program) {
    const QString path = WorkFolder::path(kPath);
    QSaveFile file(path);
    const bool written = QDir().mkpath(QFileInfo(path).absolutePath()) &&
                         file.open(QIODevice::WriteOnly) && file.write(program) == program.size() &&
                         file.commit();
    if (!written)
        throw AppError(UpdateTexts::kSetupNotSaved + QDir::toNativeSeparators(path) +
                       QStringLiteral(" : ") + file.errorString());
}
