#include "common/DataFolder.h"
#include "common/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {
const QString kGroup = QStringLiteral("Installation");
const QString kKey = QStringLiteral("DataFolder");

bool holdsTemplates(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/ClrTbls")).isDir() &&
           QFileInfo(folder + QStringLiteral("/ClrData")).isDir();
}

QString refusedBecause(const QString& folder, const QString& reason) {
    return QStringLiteral("Ο φάκελος δεδομένων «") + QDir::toNativeSeparators(folder) +
           QStringLiteral("» δεν μπορεί να χρησιμοποιηθεί: ") + reason +
           QStringLiteral(".\nΕπιλέξτε άλλο φάκελο ή ζητήστε δικαίωμα εγγραφής σε αυτόν.");
}
} // namespace

QString DataFolder::proposed() {
    return QDir::homePath() + QStringLiteral("/Lethora");
}

QString DataFolder::remembered() {
    return Settings::userValue(kGroup, kKey);
}

void DataFolder::remember(const QString& folder) {
    Settings::setUserValue(kGroup, kKey, folder);
}

QString DataFolder::normalised(const QString& typed) {
    QString path = typed.trimmed();
    if (path == QLatin1String("~"))
        path = QDir::homePath();
    else if (path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QDir(path).absolutePath());
}

QString DataFolder::refusal(const QString& folder) {
    if (folder.isEmpty())
        return QStringLiteral("Δεν δόθηκε φάκελος δεδομένων.");
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return refusedBecause(folder, QStringLiteral("δεν είναι φάκελος"));
    if (!info.exists() && !QDir().mkpath(folder))
        return refusedBecause(folder, QStringLiteral("δεν ήταν δυνατή η δημιουργία του"));
    // A file made and removed again: the only sure test on a network folder.
    QTemporaryFile probe(folder + QStringLiteral("/.lethora-probe-XXXXXX"));
    if (!probe.open() || probe.write("probe", 5) != 5 || !probe.flush())
        return refusedBecause(folder, QStringLiteral("δεν δέχεται αρχεία"));
    return QString();
}

QString DataFolder::templatesFor(const QString& programFolder) {
    for (const QString& candidate :
         {programFolder, programFolder + QStringLiteral("/../share/lethora"),
          programFolder + QStringLiteral("/../../share/lethora")}) {
        if (holdsTemplates(candidate))
            return QDir::cleanPath(candidate);
    }
    return QString();
}

bool DataFolder::isBuildTree(const QString& programFolder) {
    return holdsTemplates(programFolder);
}
