// Two installations on one data folder: this test program is one workstation, the
// `workstation` program (with settings, and so an identifier, of its own) the other.
// A company that the other holds open can be neither created again, deleted nor opened
// here; closing here leaves the other's lock; a failed opening leaves no lock; a
// workstation that crashes leaves its lock on the folder store and none on a server;
// a change that the other is writing to one company keeps no other table locked; and a
// register row that the other changed or deleted since it was read here is not written.

#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "companies/CompanyCommands.h"
#include "companies/CompanyLock.h"
#include "companies/CompanyRegister.h"
#include "companies/CurrentCompany.h"
#include "companies/InstallationId.h"
#include "companies/TfiIndexCompany.h"
#include "operators/CurrentOperator.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {
const QString kAfm = QStringLiteral("123456783");
const QString kOtherAfm = QStringLiteral("094014298");

// The other workstation: each command is one run of the program, under the same
// installation identifier.
class OtherWorkstation {
public:
    explicit OtherWorkstation(const QString& folder) : m_folder(folder) {}

    ToolRun run(const QString& command, const QString& afm, const QString& argument = {}) {
        ToolRun result = runTool(QStringLiteral(WORKSTATION), arguments(command, afm, argument));
        m_id = result.out.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 1);
        return result;
    }
    QStringList arguments(const QString& command, const QString& afm, const QString& argument) {
        QStringList list{m_folder, m_settings.path(), command, afm};
        if (!argument.isEmpty())
            list << argument;
        return list;
    }
    QString id() const { return m_id; }

    // Runs the command and keeps the workstation running after it, its connection open;
    // true when the command succeeded.
    bool keep(const QString& command, const QString& afm, const QString& argument = {}) {
        m_kept = std::make_unique<QProcess>();
        m_kept->start(QStringLiteral(WORKSTATION),
                      arguments(QStringLiteral("keep-") + command, afm, argument));
        QByteArray said;
        while (!said.contains("kept\n") && m_kept->waitForReadyRead(60000))
            said += m_kept->readAllStandardOutput();
        m_id =
            QString::fromUtf8(said).section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 1);
        return said.contains("\ndone\n");
    }
    // Lets the kept workstation end as it should.
    void end() {
        if (!m_kept)
            return;
        m_kept->write("\n");
        m_kept->waitForFinished(60000);
        m_kept.reset();
    }
    // Ends the kept workstation as a crash would.
    void crash() {
        m_kept->kill();
        m_kept->waitForFinished(60000);
        m_kept.reset();
    }
    ~OtherWorkstation() { end(); }

private:
    std::unique_ptr<QProcess> m_kept;
    QString m_folder;
    QTemporaryDir m_settings;
    QString m_id;
};

bool succeeded(const ToolRun& run) {
    return run.exitCode == 0 && run.out.contains(QStringLiteral("\ndone\n"));
}
} // namespace

class TestWorkstations : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<OtherWorkstation> other;

    QString lockHolder(const QString& afm) {
        QFile lock(folder->path(QStringLiteral("Data/") + afm + QStringLiteral("/InUse.lck")));
        return lock.open(QIODevice::ReadOnly) ? QString::fromUtf8(lock.readLine()).trimmed()
                                              : QString();
    }

    // Whether the other workstation holds the company's lock: its identifier in the lock
    // file, or on a server a lock of another connection.
    bool heldByTheOther(const QString& afm) {
        if (!TableStore::instance().isServer())
            return lockHolder(afm) == other->id();
        return CompanyLock::holder(afm, InstallationId()) == CompanyLock::Holder::Other;
    }

    bool lockedByNobody(const QString& afm) {
        return lockHolder(afm).isEmpty() &&
               CompanyLock::holder(afm, InstallationId()) == CompanyLock::Holder::Nobody;
    }

    QStringList declarationsOf(const QString& afm) {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT DilCode FROM '") +
                 TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")) +
                 QStringLiteral("' ORDER BY DilCode"));
        q.open();
        QStringList numbers;
        for (q.first(); !q.eof(); q.next())
            numbers << q.value(0).toString();
        return numbers;
    }

    void run(const QString& sql) {
        StoreQuery q;
        q.setSql(sql);
        q.execSql();
    }

    // Runs the company chooser of a command on the row of the tax number.
    void chooseIn(const QString& afm, std::function<void(TfiIndexCompany&)> hands) {
        setDialogRunner([afm, hands](QDialog& d) -> int {
            auto* chooser = qobject_cast<TfiIndexCompany*>(&d);
            if (!chooser || !dmTables().tblComps.findKey({afm}))
                return QDialog::Rejected;
            hands(*chooser);
            return chooser->result();
        });
    }

    // Creates a company here and closes it again, as a finished earlier session would.
    void createClosed(const QString& afm) {
        RecordingMessages quiet;
        QVERIFY(CompanyRegister::create(afm, QStringLiteral("Εταιρεία ") + afm));
        CompanyLock::release(afm, InstallationId());
        CurrentCompany() = {};
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        other = std::make_unique<OtherWorkstation>(folder->root());
        CurrentCompany() = {};
        CurrentOperator() = {QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("D")};
    }
    void cleanup() {
        rejectUnexpectedDialogs();
        other.reset();
        folder.reset();
    }

    void aCompanyTheOtherHoldsOpenIsRefusedHere_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("creation") << "create";
        QTest::newRow("deletion") << "delete";
        QTest::newRow("opening") << "open";
    }
    void aCompanyTheOtherHoldsOpenIsRefusedHere() {
        QFETCH(QString, command);
        QVERIFY(other->keep(QStringLiteral("create"), kAfm, QStringLiteral("Άλλη")));
        QVERIFY(heldByTheOther(kAfm));
        run(QStringLiteral("INSERT INTO 'Data\\") + kAfm +
            QStringLiteral("\\MistDilMast.DB' (DilCode) VALUES (4512)"));
        // No question may come before the refusal: one with no queued answer fails the test.
        RecordingMessages messages;
        if (command == QLatin1String("create")) {
            // Its register row has gone (removed by an earlier deletion): only the lock
            // stands between a new creation and the other's live tables.
            TableCursor comps;
            comps.setTableName(QStringLiteral("Tables\\Comps.db"));
            comps.open();
            comps.remove();
            QVERIFY(!CompanyRegister::create(kAfm, QStringLiteral("Νέα")));
        } else if (command == QLatin1String("delete")) {
            chooseIn(kAfm, [](TfiIndexCompany& chooser) { chooser.acDelExecute(); });
            CompanyCommands::deleteCompany(nullptr);
        } else {
            chooseIn(kAfm, [](TfiIndexCompany& chooser) { chooser.acChoiceExecute(); });
            QVERIFY(!CompanyCommands::openCompany(nullptr));
        }
        QCOMPARE(messages.shown, QStringList{CompanyLock::kInUseMessage});
        QCOMPARE(messages.asked, QStringList());
        QVERIFY(!CurrentCompany().isOpen());
        QVERIFY(heldByTheOther(kAfm));
        QCOMPARE(declarationsOf(kAfm), QStringList{"4512"}); // the other's tables stay live
        QVERIFY(QDir(folder->path(QStringLiteral("Data/") + kAfm))
                    .entryList({QStringLiteral("Backup-*")}, QDir::Dirs)
                    .isEmpty());
        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.open();
        QCOMPARE(comps.recordCount(), command == QLatin1String("create") ? 0 : 1);
    }

    void closingHereLeavesTheOthersLock() {
        QVERIFY(other->keep(QStringLiteral("create"), kAfm, QStringLiteral("Άλλη")));
        CompanyLock::release(kAfm, InstallationId());
        QVERIFY(heldByTheOther(kAfm));
        other->end();
        QVERIFY(succeeded(other->run(QStringLiteral("close"), kAfm)));
        // A server lets the lock go once it has seen the ended connection.
        QTRY_VERIFY_WITH_TIMEOUT(lockedByNobody(kAfm), 30000);
    }

    void aFailedOpeningLeavesNoLock() {
        createClosed(kAfm);
        const QString edra = TdmTables::companyTablePath(kAfm, QStringLiteral("Edra"));
        TableStore& store = TableStore::instance();
        if (store.isServer()) {
            store.acquire(edra);
            store.exec(QStringLiteral("DROP TABLE ") + store.qualifiedName(edra));
            store.release(edra);
        }
        store.releaseFile(edra);
        if (!store.isServer())
            QVERIFY(QFile::remove(
                folder->path(QStringLiteral("Data/") + kAfm + QStringLiteral("/Edra.DB"))));
        const ToolRun opening = other->run(QStringLiteral("open"), kAfm);
        QVERIFY(!succeeded(opening));
        QVERIFY2(opening.out.contains(QStringLiteral("error: ")), qPrintable(opening.out));
        QVERIFY(lockedByNobody(kAfm));
    }

    // The folder store cannot tell a crashed workstation from a live one: its lock file
    // stays. A server lets the lock go with the crashed workstation's connection.
    void aCrashedWorkstationsLockStaysOnlyInTheFolderStore() {
        QVERIFY(other->keep(QStringLiteral("create"), kAfm, QStringLiteral("Άλλη")));
        QVERIFY(heldByTheOther(kAfm));
        other->crash();
        const bool server = TableStore::instance().isServer();
        // The server lets the lock go once it has seen the connection end.
        if (server)
            QTRY_VERIFY_WITH_TIMEOUT(!heldByTheOther(kAfm), 30000);
        RecordingMessages messages;
        const bool opened = CompanyRegister::openVisible(kAfm);
        if (server) {
            QVERIFY(opened);
            QCOMPARE(messages.shown, QStringList());
            QCOMPARE(CompanyLock::holder(kAfm, InstallationId()), CompanyLock::Holder::This);
            CompanyLock::release(kAfm, InstallationId());
        } else {
            QVERIFY(!opened);
            QCOMPARE(messages.shown, QStringList{CompanyLock::kInUseMessage});
            QCOMPARE(lockHolder(kAfm), other->id());
        }
    }

    // A lock file that another installation left, found on a server, still refuses.
    void aLockFileLeftInTheFolderIsHonoured() {
        createClosed(kAfm);
        QFile lock(folder->path(QStringLiteral("Data/") + kAfm + QStringLiteral("/InUse.lck")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("another-installation\r\n");
        lock.close();
        RecordingMessages messages;
        QVERIFY(!CompanyRegister::openVisible(kAfm));
        QCOMPARE(messages.shown, QStringList{CompanyLock::kInUseMessage});
        QVERIFY(lock.exists());
    }

    // The other deletes the row that the chooser here stands on and creates another
    // company, which the file store puts under the deleted row's number; or it renames the
    // company. The deletion and the renaming here are refused, and the other's row stays.
    void aRowTheOtherChangedIsNotWritten_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("command");
        QTest::newRow("deleted, then deleting") << "delete"
                                                << "delete";
        QTest::newRow("deleted, then renaming") << "delete"
                                                << "rename";
        QTest::newRow("renamed, then deleting") << "rename"
                                                << "delete";
    }
    void aRowTheOtherChangedIsNotWritten() {
        QFETCH(QString, change);
        QFETCH(QString, command);
        createClosed(kAfm);
        const QString otherName = QStringLiteral("Εταιρεία του άλλου");
        QStringList said;
        RecordingMessages messages;
        chooseIn(kAfm, [&](TfiIndexCompany& chooser) {
            QCOMPARE(dmTables().tblComps.text(QStringLiteral("AFM")), kAfm); // read here
            if (change == QLatin1String("delete")) {
                said << other->run(QStringLiteral("delete"), kAfm).out;
                said << other->run(QStringLiteral("create"), kOtherAfm, otherName).out;
            } else {
                said << other->run(QStringLiteral("rename"), kAfm, otherName).out;
            }
            if (command == QLatin1String("delete")) {
                messages.queueAnswer(true);
                messages.queueAnswer(true);
                chooser.acDelExecute();
            } else {
                runGuarded([] { CompanyRegister::renameCurrent(QStringLiteral("Νέο όνομα")); });
                dmTables().tblComps.cancel();
            }
        });
        CompanyCommands::deleteCompany(nullptr);
        for (const QString& out : said)
            QVERIFY2(out.contains(QStringLiteral("\ndone\n")), qPrintable(out));
        QCOMPARE(messages.errors, QStringList{TableCursor::kChangedElsewhere});
        QCOMPARE(messages.shown, QStringList()); // no success reported
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT AFM, CompName FROM 'Tables\\Comps.db'"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.value(0).toString(), change == QLatin1String("delete") ? kOtherAfm : kAfm);
        QCOMPARE(q.value(1).toString(), otherName);
    }

    void aWriteLocksOnlyTheFilesItWrites() {
        createClosed(kAfm);
        createClosed(kOtherAfm);
        dmTables().EnsureUsersTable();
        QProcess holder;
        holder.start(QStringLiteral(WORKSTATION),
                     other->arguments(QStringLiteral("hold"), kAfm, kOtherAfm));
        QByteArray said;
        while (!said.contains("holding\n") && holder.waitForReadyRead(60000))
            said += holder.readAllStandardOutput();
        QVERIFY2(said.contains("holding\n"), said.constData());

        // While the other's change to one company is open, this workstation writes the
        // shared tables and another company's declarations.
        try {
            TableCursor users;
            users.setTableName(QStringLiteral("Tables\\Users.db"));
            users.open();
            users.insert();
            users.setValue(QStringLiteral("UserName"), QStringLiteral("maria"));
            users.post();
            TableCursor comps;
            comps.setTableName(QStringLiteral("Tables\\Comps.db"));
            comps.open();
            QVERIFY(comps.findKey({kOtherAfm}));
            comps.edit();
            comps.setValue(QStringLiteral("CompName"), QStringLiteral("Μετονομασία"));
            comps.post();
            run(QStringLiteral("INSERT INTO 'Data\\") + kOtherAfm +
                QStringLiteral("\\MistDilMast.DB' (DilCode) VALUES (31)"));
        } catch (const AppError& e) {
            holder.write("\n");
            holder.waitForFinished(60000);
            QFAIL(qPrintable(e.text()));
        }
        holder.write("\n");
        QVERIFY(holder.waitForFinished(60000));
        QCOMPARE(holder.exitCode(), 0);
        QCOMPARE(declarationsOf(kAfm), QStringList{"777"});
        QCOMPARE(declarationsOf(kOtherAfm), QStringList{"31"});
    }
};

LETHORA_TEST_MAIN(TestWorkstations)
#include "tst_workstations.moc"
