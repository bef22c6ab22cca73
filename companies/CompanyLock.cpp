#include "companies/CompanyLock.h"
#include "common/WorkFolder.h"

#include <QFile>

QString CompanyLock::path(const QString& afm) {
    return QStringLiteral("Data\\") + afm + QStringLiteral("\\InUse.lck");
}

void CompanyLock::release(const QString& afm) {
    if (!afm.isEmpty())
        QFile::remove(WorkFolder::path(path(afm)));
}
