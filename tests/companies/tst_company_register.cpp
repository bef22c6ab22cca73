// Creating, opening, renaming and deleting companies, the chooser and the lock.

#include "common/DialogRunner.h"
#include "common/Settings.h"
#include "companies/CompanyCommands.h"
#include "companies/CompanyLock.h"
#include "companies/CompanyRegister.h"
#include "companies/CompanyTexts.h"
#include "companies/CurrentCompany.h"
#include "companies/InstallationId.h"
#include "companies/TEditAFM.h"
#include "companies/TfiCreateComp.h"
#include "companies/TfiIndexCompany.h"
#include "operators/CurrentOperator.h"
#include "operators/Rights.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/GreekKeys.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>

class TestCompanyRegister : public QObject {
    Q_OBJECT

    QStringList registerRows(const QString& field) {
        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.open();
        QStringList values;
        for (comps.first(); !comps.eof(); comps.next())
            values << comps.text(field);
        return values;
    }

    void addCompany(const QString& afm, const QString& name, const QString& user) {
        dmTables().EnsureSharedTables();
        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.open();
        comps.insert();
        comps.setValue(QStringLiteral("AFM"), afm);
        comps.setValue(QStringLiteral("CompName"), name);
        comps.setValue(QStringLiteral("UserName"), user);
        comps.post();
    }

    // The dated backups of a company's tables: folders beside them, or on a server
    // schemas beside the company's own.
    QStringList backupsOf(const QString& afm) {
        TableStore& store = TableStore::instance();
        if (!store.isServer())
            return QDir(folder->path(QStringLiteral("Data/") + afm))
                .entryList({QStringLiteral("Backup-*")}, QDir::Dirs);
        const QString prefix = QStringLiteral("Data/") + afm + QLatin1Char('/');
        QSqlQuery q = store.exec(
            QStringLiteral("SELECT nspname FROM pg_namespace WHERE starts_with(nspname, ?)"),
            {prefix + QStringLiteral("Backup-")});
        QStringList backups;
        while (q.next())
            backups << q.value(0).toString().mid(prefix.size());
        return backups;
    }

    bool folderExists(const QString& afm) {
        return QFileInfo(folder->path(QStringLiteral("Data/") + afm)).isDir();
    }

    // Runs the chooser of a command through the test's own hands.
    void onChooser(std::function<void(TfiIndexCompany&)> hands) {
        setDialogRunner([hands](QDialog& d) -> int {
            if (auto* chooser = qobject_cast<TfiIndexCompany*>(&d)) {
                hands(*chooser);
                return chooser->result();
            }
            return QDialog::Rejected;
        });
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        CurrentCompany() = {};
        CurrentOperator() = {QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("D")};
    }
    void cleanup() {
        rejectUnexpectedDialogs();
        CompanyLock::release(CurrentCompany().AFM, InstallationId());
        folder.reset();
    }

    void creationRefusalsLeaveNothingBehind_data() {
        QTest::addColumn<QString>("afm");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("no tax number") << ""
                                       << "Α.Ε." << CompanyTexts::kNoAfm;
        QTest::newRow("eight digits") << "12345678"
                                      << "Α.Ε." << CompanyTexts::kInvalidAfm;
        QTest::newRow("wrong check digit") << "123456789"
                                           << "Α.Ε." << CompanyTexts::kInvalidAfm;
        QTest::newRow("letters") << "ABCDEFGHI"
                                 << "Α.Ε." << CompanyTexts::kInvalidAfm;
        QTest::newRow("a path in the number") << "../123456783"
                                              << "Α.Ε." << CompanyTexts::kInvalidAfm;
        QTest::newRow("no name") << "123456783"
                                 << "" << CompanyTexts::kNoName;
    }
    void creationRefusalsLeaveNothingBehind() {
        QFETCH(QString, afm);
        QFETCH(QString, name);
        QFETCH(QString, message);
        RecordingMessages messages;
        TfiCreateComp dialog(TfiCreateComp::Mode::Create);
        dialog.edAfm->setText(afm);
        dialog.edCompName->setText(name);
        dialog.btCreateClick();
        QCOMPARE(messages.shown, QStringList{message});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(QDir(folder->path(QStringLiteral("Data")))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        QVERIFY(!QFileInfo::exists(folder->path(QStringLiteral("123456783"))));
        QVERIFY(!CurrentCompany().isOpen());
    }

    void anExistingTaxNumberIsRefused() {
        addCompany(QStringLiteral("123456783"), QStringLiteral("Παλιά"), QStringLiteral("admin"));
        RecordingMessages messages;
        QVERIFY(!CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Νέα")));
        QCOMPARE(messages.shown, QStringList{"Ο Ιδιοκτήτης με ΑΦΜ 123456783 υπάρχει ήδη."});
        QVERIFY(!folderExists(QStringLiteral("123456783")));
    }

    void createsTheRegisterOnFirstUseAndOpensTheCompany() {
        RecordingMessages messages;
        CurrentOperator() = {QStringLiteral("maria"), QStringLiteral("x"), QStringLiteral("I")};
        QVERIFY(!QFileInfo::exists(folder->path(QStringLiteral("Tables/Comps.db"))));
        const QString name = QStringLiteral("Παπαδόπουλος \"Ο Μεγάλος\" & Υιοί 'Α.Ε.'")
                                 .leftJustified(100, QLatin1Char('x'));
        QCOMPARE(name.size(), 100);
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), name));
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(QFileInfo::exists(folder->path(QStringLiteral("Tables/MistDilProtypa.db"))));
        QCOMPARE(registerRows(QStringLiteral("CompName")), QStringList{name});
        QCOMPARE(registerRows(QStringLiteral("UserName")), QStringList{"maria"});
        for (const char* file : {"Edra.DB", "MistDilMast.DB", "MistDilDet.DB", "MistDilAkinita.DB"})
            QVERIFY(QFileInfo::exists(
                folder->path(QStringLiteral("Data/123456783/") + QString::fromLatin1(file))));
        QCOMPARE(CurrentCompany().AFM, QStringLiteral("123456783"));
        QVERIFY(CurrentCompany().BigName.isEmpty());
        QCOMPARE(dmTables().tblMistDilMast.tableName(),
                 QStringLiteral("Data\\123456783\\MistDilMast.DB"));
        QCOMPARE(CompanyLock::acquire(QStringLiteral("123456783"), InstallationId()),
                 CompanyLock::Outcome::AlreadyOurs);
    }

    void reCreationKeepsABackupOfTheOldTables() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        StoreQuery q;
        q.setSql(QStringLiteral(
            "INSERT INTO 'Data\\123456783\\MistDilMast.DB' (DilCode) VALUES (4512)"));
        q.execSql();
        CompanyLock::release(QStringLiteral("123456783"), InstallationId());
        { // deleted from the register: the folder stays
            TableCursor comps;
            comps.setTableName(QStringLiteral("Tables\\Comps.db"));
            comps.open();
            comps.remove();
        }
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Β")));
        q.setSql(QStringLiteral("SELECT DilCode FROM 'Data\\123456783\\MistDilMast.DB'"));
        q.open();
        QCOMPARE(q.recordCount(), 0); // the new company starts empty
        const QStringList backups = backupsOf(QStringLiteral("123456783"));
        QCOMPARE(backups.size(), 1);
        q.setSql(QStringLiteral("SELECT DilCode FROM 'Data/123456783/") + backups.first() +
                 QStringLiteral("/MistDilMast.DB'"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.value(0).toInt(), 4512);
    }

    void anEmptyRegisterSaysSo() {
        RecordingMessages messages;
        bool chooserShown = false;
        onChooser([&](TfiIndexCompany&) { chooserShown = true; });
        QVERIFY(!CompanyCommands::openCompany(nullptr));
        QCOMPARE(messages.shown, QStringList{CompanyTexts::kEmptyRegister});
        QVERIFY(!chooserShown);
        QVERIFY(!dmTables().tblComps.isOpen());
    }

    void theChooserListsWhatTheOperatorSees_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<int>("rows");
        QTest::newRow("admin") << "admin"
                               << "D" << 3;
        QTest::newRow("I") << "maria"
                           << "I" << 2;
        QTest::newRow("V") << "nikos"
                           << "V" << 3;
    }
    void theChooserListsWhatTheOperatorSees() {
        QFETCH(QString, user);
        QFETCH(QString, rights);
        QFETCH(int, rows);
        addCompany(QStringLiteral("111111111"), QStringLiteral("Γ"), QStringLiteral("admin"));
        addCompany(QStringLiteral("222222222"), QStringLiteral("Β"), QStringLiteral("maria"));
        addCompany(QStringLiteral("333333333"), QStringLiteral("Α"), QStringLiteral("maria"));
        CurrentOperator() = {user, QStringLiteral("x"), rights};
        RecordingMessages messages;
        int listed = -1;
        QString firstListed;
        onChooser([&](TfiIndexCompany&) {
            listed = dmTables().tblComps.recordCount();
            firstListed = dmTables().tblComps.text(QStringLiteral("CompName"));
        });
        QVERIFY(!CompanyCommands::openCompany(nullptr));
        QCOMPARE(listed, rows);
        QCOMPARE(firstListed, QStringLiteral("Α")); // ordered by name
        QVERIFY(!dmTables().tblComps.isOpen());
        QVERIFY(!dmTables().tblComps.filtered());
        QVERIFY(dmTables().tblComps.indexName().isEmpty());
    }

    void theQuickSearchSwitchesTheOrder() {
        for (const char* afm : {"094014298", "123456783", "130000000", "999999999"})
            addCompany(QString::fromLatin1(afm),
                       QStringLiteral("Όνομα ") + QString::fromLatin1(afm),
                       QStringLiteral("admin"));
        addCompany(QStringLiteral("555555555"), QStringLiteral("Ψαράς"), QStringLiteral("admin"));
        RecordingMessages messages;
        QString afterDigits, afterLetter;
        bool byAfm = false, byNameAgain = false;
        onChooser([&](TfiIndexCompany& chooser) {
            chooser.show();
            typeText(chooser.dbCompany, QStringLiteral("1"));
            typeText(chooser.dbCompany, QStringLiteral("2"));
            byAfm = chooser.sortedByAfm();
            afterDigits = dmTables().tblComps.text(QStringLiteral("AFM"));
            QTest::keyClick(chooser.dbCompany, Qt::Key_Backspace);
            typeText(chooser.dbCompany, QStringLiteral("ψ"));
            byNameAgain = !chooser.sortedByAfm();
            afterLetter = dmTables().tblComps.text(QStringLiteral("AFM"));
            typeText(chooser.dbCompany, QStringLiteral(" ")); // below "0": empties the box
            QVERIFY(chooser.edFastFind->text().isEmpty());
        });
        CompanyCommands::openCompany(nullptr);
        QVERIFY(byAfm);
        QCOMPARE(afterDigits, QStringLiteral("123456783"));
        QVERIFY(byNameAgain);
        QCOMPARE(afterLetter, QStringLiteral("555555555"));
    }

    void theQuickSearchLooksInTheOrderThatIsTicked_data() {
        QTest::addColumn<bool>("deleting");
        QTest::newRow("opening") << false;
        QTest::newRow("deleting") << true;
    }
    void theQuickSearchLooksInTheOrderThatIsTicked() {
        QFETCH(bool, deleting);
        // Tax-number order and name order differ.
        addCompany(QStringLiteral("111111111"), QStringLiteral("Ωμέγα"), QStringLiteral("admin"));
        addCompany(QStringLiteral("222222222"), QStringLiteral("Βήτα"), QStringLiteral("admin"));
        addCompany(QStringLiteral("333333333"), QStringLiteral("Γάμμα"), QStringLiteral("admin"));
        addCompany(QStringLiteral("999999999"), QStringLiteral("Άλφα"), QStringLiteral("admin"));
        RecordingMessages messages;
        QString firstShown, found;
        bool byName = false;
        onChooser([&](TfiIndexCompany& chooser) {
            chooser.show();
            byName = !chooser.sortedByAfm();
            firstShown = chooser.dbCompany->model()->index(0, 1).data().toString();
            typeText(chooser.dbCompany, QStringLiteral("β"));
            found = dmTables().tblComps.text(QStringLiteral("AFM"));
            if (deleting) {
                messages.queueAnswer(true);
                messages.queueAnswer(true);
                chooser.acDelExecute();
            }
        });
        if (deleting)
            CompanyCommands::deleteCompany(nullptr);
        else
            CompanyCommands::openCompany(nullptr);
        QVERIFY(byName);
        QCOMPARE(firstShown, QStringLiteral("Άλφα"));
        QCOMPARE(found, QStringLiteral("222222222"));
        if (deleting)
            QCOMPARE(registerRows(QStringLiteral("AFM")),
                     (QStringList{"111111111", "333333333", "999999999"}));
    }

    void openingTakesTheLockAndOpensTheCompany() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        CompanyLock::release(QStringLiteral("123456783"), InstallationId());
        CurrentCompany() = {};
        onChooser([](TfiIndexCompany& chooser) { chooser.acChoiceExecute(); });
        QVERIFY(CompanyCommands::openCompany(nullptr));
        QCOMPARE(CurrentCompany().AFM, QStringLiteral("123456783"));
        QFile lock(folder->path(QStringLiteral("Data/123456783/InUse.lck")));
        QVERIFY(lock.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(lock.readLine()).trimmed(), InstallationId());
        lock.close();

        CurrentCompany() = {}; // a lock of this installation opens again
        QVERIFY(CompanyCommands::openCompany(nullptr));
        QVERIFY(messages.shown.isEmpty());
    }

    void anotherInstallationsLockRefuses() {
        RecordingMessages messages;
        addCompany(QStringLiteral("123456783"), QStringLiteral("Α"), QStringLiteral("admin"));
        QDir().mkpath(folder->path(QStringLiteral("Data/123456783")));
        QVERIFY(CompanyLock::acquire(QStringLiteral("123456783"),
                                     QStringLiteral("other-installation")) ==
                CompanyLock::Outcome::Acquired);
        bool stayed = false;
        onChooser([&](TfiIndexCompany& chooser) {
            chooser.acChoiceExecute();
            stayed = chooser.result() == QDialog::Rejected;
        });
        QVERIFY(!CompanyCommands::openCompany(nullptr));
        QVERIFY(stayed);
        QCOMPARE(messages.shown, QStringList{CompanyLock::kInUseMessage});
        QVERIFY(!CurrentCompany().isOpen());
    }

    // Two machines with one settings file (a roaming or network home): the value that
    // the settings hold stays with the machine that made it, the other machine is an
    // installation of its own, and so another installation's lock refuses it.
    void twoMachinesWithOneSettingsFileAreTwoInstallations_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("first use") << QString();
        QTest::newRow("a value from before") << "2c1f0c8e-5b0e-4f0a-9f8e-3d1b6a7c9e42";
    }
    void twoMachinesWithOneSettingsFileAreTwoInstallations() {
        QFETCH(QString, stored);
        const QString group = QStringLiteral("Installation");
        const QString keptId = Settings::userValue(group, QStringLiteral("Id"));
        const QString keptMachine = Settings::userValue(group, QStringLiteral("Machine"));
        Settings::setUserValue(group, QStringLiteral("Id"), stored);
        Settings::setUserValue(group, QStringLiteral("Machine"), QString());
        const QString first = InstallationIdOn(QStringLiteral("machine-a"));
        const QString second = InstallationIdOn(QStringLiteral("machine-b"));
        const QString firstAgain = InstallationIdOn(QStringLiteral("machine-a"));
        const QString secondAgain = InstallationIdOn(QStringLiteral("machine-b"));
        Settings::setUserValue(group, QStringLiteral("Id"), keptId);
        Settings::setUserValue(group, QStringLiteral("Machine"), keptMachine);
        if (!stored.isEmpty())
            QCOMPARE(first, stored);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QVERIFY(first != second);
        QCOMPARE(firstAgain, first);
        QCOMPARE(secondAgain, second);
        QDir().mkpath(folder->path(QStringLiteral("Data/123456783")));
        QCOMPARE(CompanyLock::acquire(QStringLiteral("123456783"), first),
                 CompanyLock::Outcome::Acquired);
        QCOMPARE(CompanyLock::acquire(QStringLiteral("123456783"), second),
                 CompanyLock::Outcome::HeldByOther);
        CompanyLock::release(QStringLiteral("123456783"), first);
    }

    void anUnreadableLockRefusesWithAClearMessage() {
        RecordingMessages messages;
        addCompany(QStringLiteral("123456783"), QStringLiteral("Α"), QStringLiteral("admin"));
        QDir().mkpath(
            folder->path(QStringLiteral("Data/123456783/InUse.lck"))); // a folder in its place
        onChooser([](TfiIndexCompany& chooser) { chooser.acChoiceExecute(); });
        QVERIFY(!CompanyCommands::openCompany(nullptr));
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown.first().startsWith(CompanyTexts::kUnreadableLock));
    }

    void twoRacingWorkstationsGiveExactlyOneWinner() {
        const int companies = 300;
        for (int n = 1; n <= companies; ++n)
            QDir().mkpath(folder->path(QStringLiteral("Data/%1").arg(n)));
        QProcess first, second;
        first.start(QStringLiteral(LOCK_RACER),
                    {folder->root(), QStringLiteral("first"), QString::number(companies)});
        second.start(QStringLiteral(LOCK_RACER),
                     {folder->root(), QStringLiteral("second"), QString::number(companies)});
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        const QList<QByteArray> a = first.readAllStandardOutput().split('\n');
        const QList<QByteArray> b = second.readAllStandardOutput().split('\n');
        QSet<int> won;
        int wins = 0;
        for (const QList<QByteArray>& list : {a, b})
            for (const QByteArray& line : list)
                if (!line.isEmpty()) {
                    won.insert(line.toInt());
                    ++wins;
                }
        QCOMPARE(wins, companies); // no company won twice
        QCOMPARE(won.size(), companies);
    }

    void theOpeningModeDeletesNothing() {
        RecordingMessages messages;
        addCompany(QStringLiteral("123456783"), QStringLiteral("Α"), QStringLiteral("admin"));
        onChooser([](TfiIndexCompany& chooser) {
            chooser.show();
            QVERIFY(!chooser.acDel->isEnabled());
            QTest::keyClick(chooser.dbCompany, Qt::Key_Delete);
            chooser.acDelExecute();
        });
        CompanyCommands::openCompany(nullptr);
        QVERIFY(messages.asked.isEmpty());
        QCOMPARE(registerRows(QStringLiteral("AFM")), QStringList{"123456783"});
    }

    void deletingAsksTwiceAndKeepsTheFolder() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        onChooser([&](TfiIndexCompany& chooser) {
            QVERIFY(!chooser.acChoice->isEnabled());
            messages.queueAnswer(true);
            messages.queueAnswer(false); // the second question says no: nothing deleted
            chooser.acDelExecute();
            messages.queueAnswer(true);
            messages.queueAnswer(true);
            chooser.acDelExecute();
        });
        CompanyCommands::deleteCompany(nullptr);
        QCOMPARE(messages.asked,
                 (QStringList{CompanyTexts::kDeleteFirst, CompanyTexts::kDeleteSecond,
                              CompanyTexts::kDeleteFirst, CompanyTexts::kDeleteSecond}));
        QCOMPARE(messages.shown, QStringList{CompanyTexts::kDeleted});
        QVERIFY(registerRows(QStringLiteral("AFM")).isEmpty());
        QVERIFY(folderExists(QStringLiteral("123456783")));
    }

    void deletingNeedsRightsD() {
        RecordingMessages messages;
        CurrentOperator().Rights = QStringLiteral("I");
        bool chooserShown = false;
        onChooser([&](TfiIndexCompany&) { chooserShown = true; });
        CompanyCommands::deleteCompany(nullptr);
        QCOMPARE(messages.shown, QStringList{Rights::kNoRightsMessage});
        QVERIFY(!chooserShown);
        CurrentOperator().Rights = QStringLiteral("V");
        QVERIFY(!CompanyCommands::createCompany(nullptr));
        QCOMPARE(messages.shown.size(), 2);
    }

    void renamingChangesTheNameOnly() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Παλιό")));
        { // the company record has a name of its own
            TableCursor edra;
            edra.setTableName(QStringLiteral("Data\\123456783\\Edra.DB"));
            edra.open();
            edra.edit();
            edra.setValue(QStringLiteral("BigName"), QStringLiteral("Ρεκόρ"));
            edra.post();
        }
        QString shownAfterRename;
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* chooser = qobject_cast<TfiIndexCompany*>(&d)) {
                chooser->acModifyExecute();
                shownAfterRename = dmTables().tblComps.text(QStringLiteral("CompName"));
                return QDialog::Rejected;
            }
            if (auto* rename = qobject_cast<TfiCreateComp*>(&d)) {
                if (rename->edAfm->isEnabled() ||
                    rename->edAfm->text() != QLatin1String("123456783"))
                    return QDialog::Rejected;
                rename->edCompName->clear();
                rename->btCreateClick(); // empty: refused
                rename->edCompName->setText(QStringLiteral("Νέο Όνομα"));
                rename->btCreateClick();
                return rename->result();
            }
            return QDialog::Rejected;
        });
        CompanyCommands::openCompany(nullptr);
        QCOMPARE(messages.shown, QStringList{CompanyTexts::kNoName});
        QCOMPARE(shownAfterRename, QStringLiteral("Νέο Όνομα"));
        QCOMPARE(registerRows(QStringLiteral("CompName")), QStringList{"Νέο Όνομα"});
        QCOMPARE(registerRows(QStringLiteral("AFM")), QStringList{"123456783"});
        TableCursor edra;
        edra.setTableName(QStringLiteral("Data\\123456783\\Edra.DB"));
        edra.open();
        QCOMPARE(edra.text(QStringLiteral("BigName")), QStringLiteral("Ρεκόρ"));
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestCompanyRegister)
#include "tst_company_register.moc"
