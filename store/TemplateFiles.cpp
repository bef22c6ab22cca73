#include "store/TemplateFiles.h"
#include "common/WorkFolder.h"
#include "store/TableSchema.h"
#include "store/TableStore.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

namespace {
// Whether the file is a sound table file: SQLite opens it, finds no damage, and it holds
// the table its name stands for (any table when the name is not a known table's).
bool isSoundTable(const QString& path, const QString& originalName) {
    static QAtomicInt serial;
    const QString connection =
        QStringLiteral("lethora-template-check-%1").arg(serial.fetchAndAddRelaxed(1));
    bool sound = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery check(db);
            const TableDef* def = TableSchema::byFile(originalName);
            sound = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next() &&
                    check.value(0).toString() == QLatin1String("ok");
            check.finish();
            if (sound) {
                check.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE "
                                             "type = 'table' AND (? = '' OR name = ?)"));
                const QString table = def ? def->name : QString();
                check.addBindValue(table);
                check.addBindValue(table);
                sound = check.exec() && check.next() && check.value(0).toInt() > 0;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return sound;
}

// The permissions the new file keeps: those it was created with (the umask's), less
// the classes of users that cannot read the template, and never execution.
QFile::Permissions limitedTo(QFile::Permissions created, QFile::Permissions templatePermissions) {
    QFile::Permissions kept;
    const struct {
        QFile::Permission read, write;
    } classes[] = {{QFile::ReadOwner, QFile::WriteOwner},
                   {QFile::ReadGroup, QFile::WriteGroup},
                   {QFile::ReadOther, QFile::WriteOther}};
    for (const auto& c : classes) {
        if (!templatePermissions.testFlag(c.read))
            continue;
        kept.setFlag(c.read, created.testFlag(c.read));
        kept.setFlag(c.write, created.testFlag(c.write));
    }
    return kept;
}

// Copies source into a file made at temporary; false when any step fails.
bool copyInto(const QString& source, const QString& temporary) {
    QFile from(source);
    QFile to(temporary);
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray bytes = from.readAll();
    return from.error() == QFile::NoError && to.write(bytes) == bytes.size() && to.flush();
}
} // namespace

bool TemplateFiles::copyOver(const QString& templatePath, const QString& targetPath) {
    // On a server the table is made from the definition the template was made from.
    if (TableStore::instance().createEmpty(targetPath))
        return true;
    const QString source = WorkFolder::templatePath(templatePath);
    const QString target = WorkFolder::path(targetPath);
    if (!QFileInfo(source).isFile())
        return false;
    TableStore::instance().releaseFile(targetPath);
    const QString temporary = target + QStringLiteral(".copying");
    QFile::remove(temporary);
    if (!copyInto(source, temporary) || !isSoundTable(temporary, source)) {
        QFile::remove(temporary);
        return false;
    }
    QFile::setPermissions(
        temporary, limitedTo(QFileInfo(temporary).permissions(), QFileInfo(source).permissions()));
    // rename() replaces the target in one step: readers see the old table or the new one.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}
