#include "tools/register-export/OutputFile.h"
#include "common/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void notPlaced(const QString& target, const QString& why) {
    throw AppError(QStringLiteral("Δεν ήταν δυνατή η εγγραφή του βιβλίου εργασίας στο αρχείο "
                                  "«%1»: %2")
                       .arg(shown(target), why));
}
} // namespace

QString outputPathProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("Το «%1» υπάρχει και δεν είναι κανονικό αρχείο.").arg(shown(path));
    if (!info.absoluteDir().exists())
        return QStringLiteral("Δεν υπάρχει ο φάκελος «%1».").arg(shown(info.absolutePath()));
    return {};
}

bool PlaceOutputFile::open(const QString& written) {
    // Checked again here: the target may have changed while the export ran.
    if (const QString problem = outputPathProblem(m_target); !problem.isEmpty())
        notPlaced(m_target, problem);
    QFile source(written);
    if (!source.open(QIODevice::ReadOnly))
        notPlaced(m_target, source.errorString());
    QSaveFile target(m_target);
    if (!target.open(QIODevice::WriteOnly))
        notPlaced(m_target, target.errorString());
    // A target left without commit() is discarded with its new file.
    while (!source.atEnd()) {
        const QByteArray block = source.read(1 << 16);
        if (block.isEmpty())
            notPlaced(m_target, source.errorString());
        if (target.write(block) != block.size())
            notPlaced(m_target, target.errorString());
    }
    if (!target.commit())
        notPlaced(m_target, target.errorString());
    source.close();
    QFile::remove(written);
    m_placed = true;
    return true;
}
