// The command-line generator: what it writes, when it refuses, and the owner's entry in
// the company register.

#include "common/WorkFolder.h"
#include "companies/CompanyLock.h"
#include "store/TableCursor.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <csignal>
#include <sys/stat.h>

namespace {
const QString kOwner = QStringLiteral("094014201");

ToolRun generate(const QStringList& arguments) {
    return runTool(QStringLiteral(REGISTER_GENERATE), arguments);
}

// The owner's register as stored now; the files may have been replaced by the tool.
RegisterDataSet stored() {
    TableStore::instance().detachUnused();
    return readRegister(kOwner);
}

bool sameRegister(const RegisterDataSet& a, const RegisterDataSet& b) {
    return a.declarations == b.declarations && a.amendments == b.amendments &&
           a.properties == b.properties;
}

// Waits until the folder holds a file whose name ends so (a minute at most).
bool waitForFile(const QString& folder, const QString& ending) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden);
        while (it.hasNext())
            if (it.next().endsWith(ending))
                return true;
        QTest::qWait(20);
    }
    return false;
}

// A run that replaces the owner's register with one large enough to be still at work
// when the test acts on it, started once it holds the company's lock and, when asked,
// has begun to change the tables.
void startLongRun(QProcess& run, const TestFolder& folder, bool untilWriting) {
    run.start(QStringLiteral(REGISTER_GENERATE),
              {folder.root(), kOwner, QStringLiteral("200000"), QStringLiteral("3"),
               QStringLiteral("--replace")});
    QVERIFY(run.waitForStarted());
    const QString company = folder.path(QStringLiteral("Data/") + kOwner);
    QVERIFY(waitForFile(company, QStringLiteral("InUse.lck")));
    if (untilWriting)
        QVERIFY(waitForFile(company, QStringLiteral("-journal")));
}
} // namespace

class TestRegisterGenerate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheSeedsRegisterIntoANewFolder() {
        TestFolder folder;
        const ToolRun run =
            generate({folder.root(), kOwner, QStringLiteral("60"), QStringLiteral("9")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("declarations: 60")), qPrintable(run.out));
        const RegisterDataSet expected = generateRegister(kOwner, 60, 9);
        QVERIFY(run.out.contains(QStringLiteral("properties: %1").arg(expected.properties.size())));
        QVERIFY(sameRegister(stored(), expected));
        // Without the option the company register is left alone.
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Tables/Comps.db"))));
    }

    void refusesAFilledFolderUnlessToldToReplace() {
        TestFolder folder;
        QCOMPARE(
            generate({folder.root(), kOwner, QStringLiteral("30"), QStringLiteral("1")}).exitCode,
            0);
        const ToolRun refused =
            generate({folder.root(), kOwner, QStringLiteral("40"), QStringLiteral("2")});
        QVERIFY(refused.exitCode != 0);
        QVERIFY2(refused.err.contains(QStringLiteral("--replace")), qPrintable(refused.err));
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 30, 1)));

        const ToolRun replaced = generate({folder.root(), kOwner, QStringLiteral("40"),
                                           QStringLiteral("2"), QStringLiteral("--replace")});
        QCOMPARE(replaced.exitCode, 0);
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 40, 2)));
    }

    // This process writes the owner's declarations while the tool is asked to replace
    // them: the tool is refused, and this process's change still commits.
    void replacingIsRefusedWhileAnotherProcessWritesTheTables() {
        TestFolder folder;
        QCOMPARE(
            generate({folder.root(), kOwner, QStringLiteral("30"), QStringLiteral("1")}).exitCode,
            0);
        TableStore& store = TableStore::instance();
        const QString mast = TdmTables::companyTablePath(kOwner, QStringLiteral("MistDilMast"));
        store.acquire(mast);
        {
            TableStore::Transaction writing;
            store.exec(QStringLiteral("UPDATE ") + store.qualifiedName(mast) +
                       QStringLiteral(" SET Simiosis = 'σημείωση'"));
            const ToolRun replaced = generate({folder.root(), kOwner, QStringLiteral("40"),
                                               QStringLiteral("2"), QStringLiteral("--replace")});
            QCOMPARE(replaced.exitCode, 1);
            QVERIFY(!replaced.err.isEmpty());
            writing.commit();
        }
        store.release(mast);
        const RegisterDataSet kept = stored();
        QCOMPARE(kept.declarations.size(), 30);
        QCOMPARE(kept.declarations.first().value(QStringLiteral("Simiosis")).toString(),
                 QStringLiteral("σημείωση"));
    }

    // Asked to end while it writes, the tool rolls its change back and releases the lock.
    void anInterruptedRunEndsCleanly_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("SIGTERM") << int(SIGTERM) << QStringLiteral("SIGTERM");
        QTest::newRow("SIGINT") << int(SIGINT) << QStringLiteral("SIGINT");
        QTest::newRow("SIGHUP") << int(SIGHUP) << QStringLiteral("SIGHUP");
    }
    void anInterruptedRunEndsCleanly() {
        QFETCH(int, signal);
        QFETCH(QString, name);
        TestFolder folder;
        QCOMPARE(
            generate({folder.root(), kOwner, QStringLiteral("30"), QStringLiteral("1")}).exitCode,
            0);
        QProcess run;
        startLongRun(run, folder, true);
        QCOMPARE(::kill(pid_t(run.processId()), signal), 0);
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 128 + signal);
        QVERIFY(QString::fromUtf8(run.readAllStandardError()).contains(name));
        QVERIFY(!QFile::exists(WorkFolder::path(CompanyLock::path(kOwner))));
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 30, 1)));
    }

    // A run's lock is honoured while its process runs; once the process is gone, the
    // next run on this machine, or an installation here, takes the lock over and says so.
    // A tool's lock from another machine is never taken over from here.
    void theLockOfAnEndedRunIsTakenOver() {
        TestFolder folder;
        const QString lock = WorkFolder::path(CompanyLock::path(kOwner));
        QString takenOver;
        for (const bool byTheTool : {true, false}) {
            QProcess run;
            startLongRun(run, folder, false);
            QCOMPARE(CompanyLock::acquire(kOwner, QStringLiteral("here"), &takenOver),
                     CompanyLock::Outcome::HeldByOther);
            run.kill();
            QVERIFY(run.waitForFinished(60000));
            QVERIFY2(QFile::exists(lock), run.readAllStandardError().constData());
            if (byTheTool) {
                const ToolRun next = generate(
                    {folder.root(), kOwner, QStringLiteral("20"), QStringLiteral("--replace")});
                QCOMPARE(next.exitCode, 0);
                QVERIFY2(next.err.contains(QStringLiteral("register-generate")),
                         qPrintable(next.err));
                QVERIFY(!QFile::exists(lock));
            } else {
                QCOMPARE(CompanyLock::acquire(kOwner, QStringLiteral("here"), &takenOver),
                         CompanyLock::Outcome::TakenOver);
                QVERIFY(takenOver.contains(QStringLiteral("register-generate")));
                QCOMPARE(CompanyLock::holder(kOwner, QStringLiteral("here")),
                         CompanyLock::Holder::This);
                CompanyLock::release(kOwner, QStringLiteral("here"));
            }
        }
        QFile elsewhere(lock);
        QVERIFY(elsewhere.open(QIODevice::WriteOnly));
        elsewhere.write("run\r\ntool register-generate 999999 another-machine\r\n");
        elsewhere.close();
        QCOMPARE(CompanyLock::acquire(kOwner, QStringLiteral("here"), &takenOver),
                 CompanyLock::Outcome::HeldByOther);
    }

    // A company folder that takes no file, and no lock in it: the tool names that, not a
    // company in use. As the administrator the folder's rights do not stop a write, so a
    // folder of a file system that takes no file stands for it there.
    void aFolderThatTakesNoFileIsNamed() {
        TestFolder folder;
        QCOMPARE(generate({folder.root(), kOwner, QStringLiteral("10")}).exitCode, 0);
        const QString company = folder.path(QStringLiteral("Data/") + kOwner);
        QVERIFY(QFile::setPermissions(company, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(company + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QVERIFY(QFile::setPermissions(company,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QVERIFY(QDir(company).removeRecursively());
            if (!QFile::link(QStringLiteral("/sys/fs"), company))
                QSKIP("no folder here refuses a file to this user");
        }
        const ToolRun run =
            generate({folder.root(), kOwner, QStringLiteral("10"), QStringLiteral("--replace")});
        QFile::setPermissions(company, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("δεν δέχεται εγγραφές")), qPrintable(run.err));
        QVERIFY(!run.err.contains(CompanyLock::kInUseMessage));
    }

    void registersTheOwnerUnderTheGivenName() {
        TestFolder folder;
        const QString name = QStringLiteral("Καραγιάννης Οδυσσέας");
        const ToolRun run = generate({folder.root(), kOwner, QStringLiteral("20"),
                                      QStringLiteral("--register-owner"), name});
        QCOMPARE(run.exitCode, 0);
        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.open();
        QVERIFY(comps.findKey({kOwner}));
        QCOMPARE(comps.text(QStringLiteral("CompName")), name);
        QCOMPARE(comps.text(QStringLiteral("UserName")), QStringLiteral("admin"));
        comps.close();
        TableCursor edra;
        edra.setTableName(TdmTables::companyTablePath(kOwner, QStringLiteral("Edra")));
        edra.open();
        QCOMPARE(edra.text(QStringLiteral("BigName")), name);
        edra.close();
        // The owner's name is the lessor's name in the declarations; the seed defaults to 1.
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 20, 1, name)));
    }

    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("invalid tax number")
            << QStringList{QStringLiteral("094014202"), QStringLiteral("10")};
        QTest::newRow("no count") << QStringList{kOwner};
        QTest::newRow("count not a number") << QStringList{kOwner, QStringLiteral("ten")};
        QTest::newRow("zero declarations") << QStringList{kOwner, QStringLiteral("0")};
        QTest::newRow("seed not a number")
            << QStringList{kOwner, QStringLiteral("10"), QStringLiteral("x")};
        QTest::newRow("owner without a name")
            << QStringList{kOwner, QStringLiteral("10"), QStringLiteral("--register-owner")};
        QTest::newRow("unknown option")
            << QStringList{kOwner, QStringLiteral("10"), QStringLiteral("--fast")};
    }
    void badArgumentsAreRefused() {
        QFETCH(QStringList, tail);
        TestFolder folder;
        const ToolRun run = generate(QStringList{folder.root()} + tail);
        QVERIFY(run.exitCode > 0);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("Data/") + kOwner)));
    }

    void aFolderWithoutTemplatesIsRefused() {
        QTemporaryDir empty;
        const ToolRun run = generate({empty.path(), kOwner, QStringLiteral("10")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("ClrData")));
        QVERIFY(QDir(empty.path()).isEmpty());
    }
};

LETHORA_TEST_MAIN(TestRegisterGenerate)
#include "tst_register_generate.moc"
