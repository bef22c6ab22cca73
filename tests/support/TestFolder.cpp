#include "tests/support/TestFolder.h"
#include "common/WorkFolder.h"
#include "store/TableStore.h"
#include "tests/support/PrivateServer.h"

#include <QDir>
#include <QFile>
#include <QSettings>

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), to + QLatin1Char('/') + name);
}

TestFolder::TestFolder() : m_previousRoot(WorkFolder::root()) {
    const QString templates = QStringLiteral(LETHORA_TEMPLATE_DIR);
    copyFolder(templates + QStringLiteral("/ClrTbls"), path(QStringLiteral("ClrTbls")));
    copyFolder(templates + QStringLiteral("/ClrData"), path(QStringLiteral("ClrData")));
    QDir().mkpath(path(QStringLiteral("Data")));
    if (PrivateServer::wanted()) {
        QSettings settings(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Store/Engine"), QStringLiteral("postgresql"));
        settings.setValue(QStringLiteral("Store/Connection"),
                          PrivateServer::instance().emptyDatabase());
    }
    WorkFolder::setRoot(m_dir.path());
}

TestFolder::~TestFolder() {
    TableStore::instance().detachUnused();
    WorkFolder::setRoot(m_previousRoot);
}

QString TestFolder::path(const QString& relative) const {
    return m_dir.path() + QLatin1Char('/') + relative;
}
