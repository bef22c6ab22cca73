// Moving an office to the server: store-migrate copies every table of a generated
// register field by field, switches the folder only on request, after which the tools
// work on the server with the folder's table files gone; it refuses tables that hold
// rows and names a server it cannot reach. It leaves no company behind (a folder that is
// a link is followed, a company of the register without tables refuses), waits for the
// companies open on a workstation, refuses texts the server would alter, and claims no
// switch that it could not write.

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
#include <csignal>
#include <sys/resource.h>

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

// A run in which no file can grow, as on a full disk.
ToolRun migrateOnAFullDisk(const QStringList& arguments) {
    return runTool(QStringLiteral(STORE_MIGRATE), arguments, [](QProcess& process) {
        process.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN); // a write that does not fit fails, as ENOSPC would
            const rlimit nothing{0, 0};
            ::setrlimit(RLIMIT_FSIZE, &nothing);
        });
    });
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

    void generate(const QString& afm, int count) {
        const ToolRun run =
            runTool(QStringLiteral(REGISTER_GENERATE),
                    {folder->root(), afm, QString::number(count), QStringLiteral("5"),
                     QStringLiteral("--register-owner"), QStringLiteral("Ιδιοκτήτης ") + afm});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }

    QStringList companyTables(const QString& afm) {
        QStringList paths;
        for (const char* file : {"Edra.DB", "MistDilMast.DB", "MistDilDet.DB", "MistDilAkinita.DB"})
            paths << QStringLiteral("Data/") + afm + QLatin1Char('/') + QString::fromLatin1(file);
        return paths;
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

    // A company folder that is a link to another disk is copied as any other; a company
    // of the register whose tables are not in the folder refuses the whole move.
    void leavesNoCompanyOfTheRegisterBehind() {
        dmTables().EnsureUsersTable();
        generate(kOwner, 30);
        generate(kSmallOwner, 40);
        if (QTest::currentTestFailed())
            return;
        QTemporaryDir elsewhere;
        const QString moved = elsewhere.filePath(kOwner);
        QVERIFY(QDir().rename(folder->path(QStringLiteral("Data/") + kOwner), moved));
        const QStringList arguments{folder->root(), QStringLiteral("--to"), server,
                                    QStringLiteral("--switch")};
        const ToolRun missing = migrate(arguments);
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains(QStringLiteral("Η εταιρεία ") + kOwner +
                                      QStringLiteral(" του μητρώου δεν έχει τον πίνακα")),
                 qPrintable(missing.err));
        QVERIFY(storeSetting(QStringLiteral("Engine")).isEmpty());
        QVERIFY(serverRows(server, QStringLiteral("Tables/Users.db")).isEmpty());

        QVERIFY(QFile::link(moved, folder->path(QStringLiteral("Data/") + kOwner)));
        const ToolRun linked = migrate(arguments);
        QVERIFY2(linked.exitCode == 0, qPrintable(linked.err));
        QCOMPARE(storeSetting(QStringLiteral("Engine")), QStringLiteral("postgresql"));
        for (const QString& path : companyTables(kOwner) + companyTables(kSmallOwner))
            QCOMPARE(serverRows(server, path), folderRows(folder->root(), path));
        QCOMPARE(serverRows(server, companyTables(kOwner).at(1)).size(), 30);
    }

    // While another workstation (a process of its own) holds a company open, nothing is
    // copied and the folder is not switched; once it has closed the company, the move goes.
    void waitsForTheCompaniesOpenOnAWorkstation() {
        dmTables().EnsureUsersTable();
        generate(kSmallOwner, 40);
        if (QTest::currentTestFailed())
            return;
        QTemporaryDir settings;
        QProcess workstation;
        workstation.start(QStringLiteral(WORKSTATION), {folder->root(), settings.path(),
                                                        QStringLiteral("keep-open"), kSmallOwner});
        QByteArray said;
        while (!said.contains("kept\n") && workstation.waitForReadyRead(60000))
            said += workstation.readAllStandardOutput();
        QVERIFY2(said.contains("\ndone\n"), said.constData());
        const QStringList arguments{folder->root(), QStringLiteral("--to"), server,
                                    QStringLiteral("--switch")};
        const ToolRun refused = migrate(arguments);
        workstation.write("\n");
        QVERIFY(workstation.waitForFinished(60000));
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("Η εταιρεία ") + kSmallOwner +
                                      QStringLiteral(" είναι ανοικτή σε σταθμό εργασίας")),
                 qPrintable(refused.err));
        QVERIFY(storeSetting(QStringLiteral("Engine")).isEmpty());
        QVERIFY(serverRows(server, QStringLiteral("Tables/Users.db")).isEmpty());

        const ToolRun closing =
            runTool(QStringLiteral(WORKSTATION),
                    {folder->root(), settings.path(), QStringLiteral("close"), kSmallOwner});
        QCOMPARE(closing.exitCode, 0);
        const ToolRun moved = migrate(arguments);
        QVERIFY2(moved.exitCode == 0, qPrintable(moved.err));
        QCOMPARE(storeSetting(QStringLiteral("Engine")), QStringLiteral("postgresql"));
    }

    // Bytes stored in another encoding than UTF-8 would reach the server altered: the
    // rows are named, nothing is copied and the folder is not switched.
    void namesTheRowsWhoseTextCannotBeCarried() {
        dmTables().EnsureUsersTable();
        generate(kSmallOwner, 40);
        if (QTest::currentTestFailed())
            return;
        const QString mast = companyTables(kSmallOwner).at(1);
        qint64 damaged = 0;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
            db.setDatabaseName(folder->path(mast));
            QVERIFY(db.open());
            QSqlQuery first(db);
            QVERIFY(first.exec(QStringLiteral("SELECT MIN(DilCode) FROM MistDilMast")) &&
                    first.next());
            damaged = first.value(0).toLongLong();
            QSqlQuery update(db); // "ΑΘΗΝΑ" as Windows-1253 writes it
            QVERIFY(update.exec(
                QStringLiteral("UPDATE MistDilMast SET MistName1 = CAST(X'C1C8C7CDC1' AS TEXT) "
                               "WHERE DilCode = %1")
                    .arg(damaged)));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("damage"));
        const ToolRun run =
            migrate({folder->root(), QStringLiteral("--to"), server, QStringLiteral("--switch")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(mast + QStringLiteral(", DilCode %1: MistName1").arg(damaged)),
                 qPrintable(run.err));
        QVERIFY(reasonIsGreek(run));
        QVERIFY(storeSetting(QStringLiteral("Engine")).isEmpty());
        QVERIFY(serverRows(server, mast).isEmpty());
    }

    // A switch that cannot be written (no room left on the disk) is no success: the
    // reason, exit status 1, and the folder's settings as they were.
    void aSwitchThatCannotBeWrittenSaysSo() {
        dmTables().EnsureUsersTable();
        const QByteArray settings = "[General]\nHelpVideoListAddress=http://127.0.0.1:1/list\n";
        QFile file(folder->path(QStringLiteral("settings.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
        file.close();
        const ToolRun run = migrateOnAFullDisk(
            {folder->root(), QStringLiteral("--to"), server, QStringLiteral("--switch")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("settings.ini» δεν γράφτηκε")),
                 qPrintable(run.err));
        QVERIFY(reasonIsGreek(run));
        QVERIFY(!run.out.contains(QStringLiteral("δείχνει πλέον τη βάση")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), settings);
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
