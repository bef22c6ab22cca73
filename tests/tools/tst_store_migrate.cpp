// Moving an office to the server: store-migrate copies every table of a generated
// register field by field, switches the folder only on request, after which the tools
// work on the server with the folder's table files gone; it refuses tables that hold
// rows and names a server it cannot reach.

#include "store/StoreChoice.h"
#include "store/TableSchema.h"
#include "store/TdmTables.h"
#include "tests/support/PrivateServer.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QSqlQuery>

namespace {
const QString kOwner = QStringLiteral("094014201");
const QString kSmallOwner = QStringLiteral("094014298");

ToolRun migrate(const QStringList& arguments) {
    return runTool(QStringLiteral(STORE_MIGRATE), arguments);
}

using Rows = QList<QVariantList>;

// Every field of every row of a table, in the order of its row ids.
Rows rowsOf(const QSqlDatabase& db, const QString& table, const TableDef& def) {
    QStringList names;
    for (const FieldDef& f : def.fields)
        names << QLatin1Char('"') + f.name + QLatin1Char('"');
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT ") + names.join(QLatin1Char(',')) + QStringLiteral(" FROM ") +
               table + QStringLiteral(" ORDER BY rowid"));
    Rows rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < def.fields.size(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

Rows folderRows(const QString& root, const QString& path) {
    const TableDef& def = *TableSchema::byFile(path);
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("f"));
        db.setDatabaseName(root + QLatin1Char('/') + path);
        db.open();
        rows = rowsOf(db, QLatin1Char('"') + def.name + QLatin1Char('"'), def);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("f"));
    return rows;
}

Rows serverRows(const QString& connection, const QString& path) {
    const TableDef& def = *TableSchema::byFile(path);
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("s"));
        db.setConnectOptions(connection);
        db.open();
        rows = rowsOf(db,
                      QLatin1Char('"') + QFileInfo(path).path() + QStringLiteral("\".\"") +
                          def.name + QLatin1Char('"'),
                      def);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("s"));
    return rows;
}

QStringList tableFiles(const QString& root) {
    QStringList files;
    for (const QString& top : {QStringLiteral("Tables"), QStringLiteral("Data")}) {
        QDirIterator it(root + QLatin1Char('/') + top, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}
} // namespace

class TestStoreMigrate : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolder> folder;
    QString server;

    // A folder with the operators, a register of 2,000 declarations, a small one, and
    // the backup of an earlier company of the same number.
    void fill() {
        dmTables().EnsureUsersTable();
        for (const auto& [afm, count] : {std::pair{kOwner, QStringLiteral("2000")},
                                         std::pair{kSmallOwner, QStringLiteral("40")}}) {
            const ToolRun run =
                runTool(QStringLiteral(REGISTER_GENERATE),
                        {folder->root(), afm, count, QStringLiteral("5"),
                         QStringLiteral("--register-owner"), QStringLiteral("Ιδιοκτήτης ") + afm});
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        }
        const QString backup = QStringLiteral("Data/") + kSmallOwner + QStringLiteral("/Backup-1");
        QDir().mkpath(folder->path(backup));
        QVERIFY(QFile::copy(
            folder->path(QStringLiteral("Data/") + kSmallOwner + QStringLiteral("/MistDilMast.DB")),
            folder->path(backup + QStringLiteral("/MistDilMast.DB"))));
    }

    QString storeSetting(const QString& key) {
        return QSettings(folder->path(QStringLiteral("settings.ini")), QSettings::IniFormat)
            .value(QStringLiteral("Store/") + key)
            .toString();
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        server = PrivateServer::instance().emptyDatabase();
    }
    void cleanup() { folder.reset(); }

    void copiesEveryTableFieldByFieldAndTheToolsThenUseTheServer() {
        fill();
        if (QTest::currentTestFailed())
            return;
        const QString overview = QStringLiteral(OFFICE_OVERVIEW);
        const ToolRun before = runTool(overview, {folder->root(), QStringLiteral("unfinished")});
        QCOMPARE(before.exitCode, 0);
        const QStringList files = tableFiles(folder->root());
        QCOMPARE(files.size(), 3 + 2 * 4 + 1);

        const ToolRun run = migrate({folder->root(), QStringLiteral("--to"), server});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(storeSetting(QStringLiteral("Engine")).isEmpty()); // no --switch: no change
        for (const QString& path : files) {
            QVERIFY2(run.out.contains(path + QLatin1Char('\t')), qPrintable(path));
            const Rows stored = folderRows(folder->root(), path);
            QCOMPARE(serverRows(server, path), stored);
        }
        QCOMPARE(folderRows(folder->root(),
                            QStringLiteral("Data/") + kOwner + QStringLiteral("/MistDilMast.DB"))
                     .size(),
                 2000);
        QCOMPARE(tableFiles(folder->root()), files); // nothing deleted

        // Switching: a second copy is refused, the settings are written only by a copy
        // that succeeded.
        const ToolRun again =
            migrate({folder->root(), QStringLiteral("--to"), server, QStringLiteral("--switch")});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains(QStringLiteral("έχει ήδη εγγραφές")), qPrintable(again.err));
        QVERIFY(storeSetting(QStringLiteral("Engine")).isEmpty());

        PrivateServer::instance().emptyDatabase();
        const ToolRun switched =
            migrate({folder->root(), QStringLiteral("--to"), server, QStringLiteral("--switch")});
        QVERIFY2(switched.exitCode == 0, qPrintable(switched.err));
        QCOMPARE(storeSetting(QStringLiteral("Engine")), QStringLiteral("postgresql"));
        QCOMPARE(storeSetting(QStringLiteral("Connection")), server);

        // The folder's tables are no longer read: moved away, the tools see the same.
        QVERIFY(
            QDir(folder->root()).rename(QStringLiteral("Tables"), QStringLiteral("Tables.old")));
        QVERIFY(QDir(folder->root()).rename(QStringLiteral("Data"), QStringLiteral("Data.old")));
        const ToolRun after = runTool(overview, {folder->root(), QStringLiteral("unfinished")});
        QCOMPARE(after.exitCode, 0);
        QCOMPARE(after.out, before.out);
    }

    void namesAServerItCannotReachAndCopiesNothing() {
        dmTables().EnsureUsersTable();
        const ToolRun run = migrate({folder->root(), QStringLiteral("--to"),
                                     QStringLiteral("host=/nonexistent/socket dbname=lethora"),
                                     QStringLiteral("--switch")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("/nonexistent/socket, βάση lethora")),
                 qPrintable(run.err));
        QVERIFY(storeSetting(QStringLiteral("Engine")).isEmpty());
    }
};

LETHORA_TEST_MAIN(TestStoreMigrate)
#include "tst_store_migrate.moc"
