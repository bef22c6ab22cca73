// The main window: enabling rule, status bar, forwarding, company close, declaration
// tables reset, editorial window and start-up.

#include "app/AboutBox.h"
#include "app/EnablingRule.h"
#include "app/StartUp.h"
#include "app/StatusBarTexts.h"
#include "app/TfiEditorial.h"
#include "app/TfiMain.h"
#include "common/DialogRunner.h"
#include "common/Settings.h"
#include "companies/CompanyLock.h"
#include "companies/CurrentCompany.h"
#include "companies/InstallationId.h"
#include "operators/CurrentOperator.h"
#include "operators/TfiGetPass.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include "workspace-window/OverviewListModel.h"
#include "workspace-window/TfiOfficeOverview.h"
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>

Q_DECLARE_METATYPE(MainWindowSituation)

class TestMainWindow : public QObject {
    Q_OBJECT

    // A child window standing in for the company editor or any other child window.
    QWidget* openChild(TfiMain& main, const QString& name) {
        auto* child = new QWidget;
        child->setObjectName(name);
        main.mdiArea()->addSubWindow(child)->show();
        main.mdiArea()->setActiveSubWindow(main.mdiArea()->subWindowList().constLast());
        return child;
    }

    void openCompany(const QString& afm, const QString& name) {
        QDir().mkpath(folder->path(QStringLiteral("Data/") + afm));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
        CurrentCompany() = {};
        CurrentCompany().AFM = afm;
        CurrentCompany().BigName = name;
        QFile lock(folder->path(QStringLiteral("Data/") + afm + QStringLiteral("/InUse.lck")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write((InstallationId() + QLatin1Char('\n')).toUtf8()); // this installation's lock
    }

    // A registered owner with one provisionally saved declaration.
    void registerOwner(const QString& afm, const QString& name, qlonglong dilCode) {
        QDir().mkpath(folder->path(QStringLiteral("Data/") + afm));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
        TableStore& store = TableStore::instance();
        auto insert = [&](const QString& table, const QString& columns, const QVariantList& v) {
            store.acquire(table);
            store.exec(QStringLiteral("INSERT INTO ") + store.qualifiedName(table) +
                           QStringLiteral(" (") + columns + QStringLiteral(") VALUES (?, ?, ?)"),
                       v);
            store.release(table);
        };
        insert(QStringLiteral("Tables\\Comps.db"), QStringLiteral("AFM, CompName, UserName"),
               {afm, name, QStringLiteral("admin")});
        insert(TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")),
               QStringLiteral("DilCode, StadioYpovolis, MistName1"),
               {dilCode, QStringLiteral("Προσωρινά Αποθηκευμένο"), name});
    }

    // Double-clicks the row of the overview's unfinished list that shows the owner.
    void doubleClickOwner(TfiOfficeOverview& overview, const QString& afm) {
        const OverviewTable& table = overview.list(1).table();
        int row = 0;
        while (row < table.keys.size() && table.keys.at(row).afm != afm)
            ++row;
        QVERIFY(row < table.keys.size());
        QTableView* grid = overview.gridUnfinished;
        emit grid->doubleClicked(grid->model()->index(row, 0));
    }

    bool enabled(TfiMain& main, const char* name) {
        return main.action(QString::fromLatin1(name))->isEnabled();
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        // Help videos from a closed port: the loading fails fast and says so.
        Settings::setFolderValue(QStringLiteral("HelpVideoListAddress"),
                                 QStringLiteral("http://127.0.0.1:1/v?app=3"));
        CurrentCompany() = {};
        CurrentOperator() = {QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("D")};
    }
    void cleanup() {
        rejectUnexpectedDialogs();
        folder.reset();
    }

    // The commands after the situation before and the situation now; "!name" is a command
    // or panel that is off. Some commands keep what the situation before gave them.
    void enablingRuleTable_data() {
        QTest::addColumn<MainWindowSituation>("before");
        QTest::addColumn<MainWindowSituation>("now");
        QTest::addColumn<QString>("expected");

        const MainWindowSituation started{false, 0, {}};
        const MainWindowSituation overview{false, 1, QStringLiteral("fiOfficeOverview")};
        const MainWindowSituation companyOnly{true, 0, {}};
        const MainWindowSituation editor{true, 1, QStringLiteral("fiNewComp")};
        QTest::newRow("no company, no window")
            << started << started
            << "acNewComp acOpenCompany acDeleteCompany mainPanelVisible !acSave !acCompChange "
               "!acCompClose !mainPanel2Visible !hideVideoHelp";
        // The office overview needs no company: the start panel makes room for it.
        QTest::newRow("no company, the office overview")
            << started << overview << "acOpenCompany !mainPanelVisible acExportBookToExcel";
        QTest::newRow("a company, no window")
            << overview << companyOnly
            << "!acNewComp !acOpenCompany !acDeleteCompany !mainPanelVisible acCompChange "
               "acCompClose mainPanel2Visible !acSave !acPreview";
        QTest::newRow("a company, the company editor")
            << companyOnly << editor
            << "acSave acCloseMdiForm !acPreview !acPrint !acExportBookToExcel !acCompChange "
               "!acCompClose !mainPanel2Visible hideVideoHelp";
        // Another child window: save and close keep what they had.
        QTest::newRow("a company, another window after the editor")
            << editor << MainWindowSituation{true, 2, QStringLiteral("fiOther")}
            << "acSave acCloseMdiForm acPreview acPrint acExportBookToExcel";
        QTest::newRow("a company, another window after none")
            << companyOnly << MainWindowSituation{true, 1, QStringLiteral("fiOther")}
            << "!acSave !acCloseMdiForm acPreview";
        QTest::newRow("no company, another window")
            << companyOnly << MainWindowSituation{false, 1, QStringLiteral("fiOther")}
            << "acSave acCloseMdiForm acPreview hideVideoHelp";
    }

    void enablingRuleTable() {
        QFETCH(MainWindowSituation, before);
        QFETCH(MainWindowSituation, now);
        QFETCH(QString, expected);
        static const QHash<QString, bool MainCommandState::*> commands = {
            {QStringLiteral("acSave"), &MainCommandState::acSave},
            {QStringLiteral("acCloseMdiForm"), &MainCommandState::acCloseMdiForm},
            {QStringLiteral("acPreview"), &MainCommandState::acPreview},
            {QStringLiteral("acPrint"), &MainCommandState::acPrint},
            {QStringLiteral("acExportBookToExcel"), &MainCommandState::acExportBookToExcel},
            {QStringLiteral("acNewComp"), &MainCommandState::acNewComp},
            {QStringLiteral("acOpenCompany"), &MainCommandState::acOpenCompany},
            {QStringLiteral("acDeleteCompany"), &MainCommandState::acDeleteCompany},
            {QStringLiteral("acCompChange"), &MainCommandState::acCompChange},
            {QStringLiteral("acCompClose"), &MainCommandState::acCompClose},
            {QStringLiteral("mainPanelVisible"), &MainCommandState::mainPanelVisible},
            {QStringLiteral("mainPanel2Visible"), &MainCommandState::mainPanel2Visible},
            {QStringLiteral("hideVideoHelp"), &MainCommandState::hideVideoHelp}};
        MainCommandState s;
        applyEnablingRule(before, s);
        applyEnablingRule(now, s);
        for (const QString& word : expected.split(QLatin1Char(' '))) {
            const bool on = !word.startsWith(QLatin1Char('!'));
            const QString name = on ? word : word.mid(1);
            QVERIFY2(commands.contains(name), qPrintable(name));
            QVERIFY2(s.*commands.value(name) == on, qPrintable(word));
        }
    }

    void theWindowFollowsTheRule() {
        RecordingMessages messages;
        TfiMain main;
        main.updateCommands();
        QVERIFY(enabled(main, "acOpenCompany"));
        QVERIFY(!enabled(main, "acCompClose"));
        QVERIFY(!main.MainPanel->isHidden());
        QVERIFY(main.MainPanel2->isHidden());
        openCompany(QStringLiteral("123456783"), QStringLiteral("Α.Ε."));
        main.updateCommands();
        QVERIFY(!enabled(main, "acOpenCompany"));
        QVERIFY(enabled(main, "acCompClose"));
        QVERIFY(enabled(main, "acCompChange"));
        QVERIFY(main.MainPanel->isHidden());
        QVERIFY(!main.MainPanel2->isHidden());
        QWidget* editor = openChild(main, QStringLiteral("fiNewComp"));
        main.updateCommands();
        QVERIFY(!enabled(main, "acCompClose"));
        QVERIFY(!enabled(main, "acCompChange"));
        QVERIFY(enabled(main, "acSave"));
        QVERIFY(main.MainPanel2->isHidden());
        QVERIFY(main.pnVideoHelp->isHidden());
        main.mdiArea()->closeAllSubWindows();
        delete editor;
        main.updateCommands();
        QVERIFY(enabled(main, "acCompClose"));
        QVERIFY(enabled(main, "acCompChange"));
        QVERIFY(!enabled(main, "acSave"));
    }

    void theOfficeOverviewOpensTheOwnerAndItsDeclaration() {
        RecordingMessages messages;
        dmTables().EnsureSharedTables();
        const QString free = QStringLiteral("094014201");
        const QString held = QStringLiteral("123456783");
        registerOwner(free, QStringLiteral("Άλφα"), 77);
        registerOwner(held, QStringLiteral("Βήτα"), 88);
        QFile other(folder->path(QStringLiteral("Data/") + held + QStringLiteral("/InUse.lck")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("another-installation\r\n");
        other.close();

        TfiMain main;
        QVERIFY(enabled(main, "acOfficeOverview")); // no company is open
        main.action(QStringLiteral("acOfficeOverview"))->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        auto* overview = qobject_cast<TfiOfficeOverview*>(main.activeChildWindow()->widget());
        QVERIFY(overview);
        QCOMPARE(overview->list(1).rowCount(), 2); // the owner held elsewhere is read too
        QVERIFY(overview->lbUnreadable->isHidden());

        QString shown;
        qlonglong inHand = 0;
        setDialogRunner([&](QDialog& d) -> int {
            shown = d.objectName();
            inHand = dmTables().tblMistDilMast.value(QStringLiteral("DilCode")).toLongLong();
            return QDialog::Rejected;
        });
        doubleClickOwner(*overview, free);
        QCOMPARE(shown, QStringLiteral("fiMistomataTaxis"));
        QCOMPARE(inHand, 77);
        QCOMPARE(CurrentCompany().AFM, free);
        QVERIFY(QFile::exists(folder->path(QStringLiteral("Data/") + free + "/InUse.lck")));

        // Another owner: the open one's work ends first; the other installation's lock refuses.
        shown.clear();
        messages.queueAnswer(true);
        doubleClickOwner(*overview, held);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.shown, QStringList{CompanyLock::kInUseMessage});
        QVERIFY(shown.isEmpty());
        QVERIFY(!CurrentCompany().isOpen());
        QVERIFY(!QFile::exists(folder->path(QStringLiteral("Data/") + free + "/InUse.lck")));
    }

    void forwardsToolbarCommandsToTheActiveChild() {
        RecordingMessages messages;
        TfiMain main;
        QWidget* child = openChild(main, QStringLiteral("fiOther"));
        int saved = 0, printed = 0;
        auto* save = new QAction(child);
        save->setObjectName(QStringLiteral("miSave"));
        connect(save, &QAction::triggered, [&] { ++saved; });
        auto* print = new QAction(child);
        print->setObjectName(QStringLiteral("miPrint"));
        connect(print, &QAction::triggered, [&] { ++printed; });
        main.updateCommands();
        main.action(QStringLiteral("acSave"))->trigger();
        main.action(QStringLiteral("acPrint"))->trigger();
        main.action(QStringLiteral("acPreview"))->trigger(); // no such item: ignored
        QCOMPARE(saved, 1);
        QCOMPARE(printed, 1);
        main.action(QStringLiteral("acCloseMdiForm"))->trigger();
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
    }

    void statusBarTexts() {
        const QDate day(2026, 3, 4);
        QVERIFY(::statusBarTexts(QString(), QStringLiteral("x"), day).clearAll);
        const StatusBarTexts t =
            ::statusBarTexts(QStringLiteral("123456783"), QStringLiteral("Παπαδόπουλος"), day);
        QCOMPARE(t.panel0, QStringLiteral("Ενεργή Εταιρεία : Παπαδόπουλος"));
        QCOMPARE(t.panel1, QStringLiteral("ΑΦΜ : 123456783"));
        QCOMPARE(t.panel3, QStringLiteral("Ημ/νία Συστήματος : 04/03/2026"));
        const StatusBarTexts cut =
            ::statusBarTexts(QStringLiteral("EL1234567890123X"), QString(100, QChar(0x0391)), day);
        QCOMPARE(cut.panel0.size(), 118);
        QVERIFY(cut.panel0.startsWith(QStringLiteral("Ενεργή Εταιρεία : ΑΑΑ")));
        QCOMPARE(cut.panel1, QStringLiteral("ΑΦΜ : EL1234567890123"));
        QCOMPARE(cut.panel1.size(), 21);
        QVERIFY(::statusBarTexts(QStringLiteral("1"), QString(), day).keepPanel0);
    }

    void theStatusBarShowsAndClearsTheCompany() {
        RecordingMessages messages;
        TfiMain main;
        openCompany(QStringLiteral("123456783"), QStringLiteral("Οικονόμου"));
        main.RefreshStatusBar();
        QCOMPARE(main.statusPanel(0)->text(), QStringLiteral("Ενεργή Εταιρεία : Οικονόμου"));
        QCOMPARE(main.statusPanel(1)->text(), QStringLiteral("ΑΦΜ : 123456783"));
        QCOMPARE(main.statusPanel(2)->width(), 20);
        QVERIFY(main.statusPanel(3)->text().startsWith(QStringLiteral("Ημ/νία Συστήματος : ")));
        QCOMPARE(main.statusPanel(1)->width(),
                 main.statusPanel(1)->fontMetrics().horizontalAdvance(main.statusPanel(1)->text()) +
                     20);
        CurrentCompany().BigName.clear(); // no name: panel 0 keeps its text
        main.RefreshStatusBar();
        QCOMPARE(main.statusPanel(0)->text(), QStringLiteral("Ενεργή Εταιρεία : Οικονόμου"));
        main.acCompCloseExecute();
        for (int n = 0; n < 4; ++n)
            QVERIFY(main.statusPanel(n)->text().isEmpty());
    }

    void closingTheCompanyOrTheWindowRemovesTheLock() {
        RecordingMessages messages;
        const QString lock = QStringLiteral("Data/123456783/InUse.lck");
        {
            TfiMain main;
            openCompany(QStringLiteral("123456783"), QStringLiteral("Α"));
            QVERIFY(QFile::exists(folder->path(lock)));
            main.acCompCloseExecute();
            QVERIFY(!QFile::exists(folder->path(lock)));
            QVERIFY(CurrentCompany().AFM.isEmpty());
            QVERIFY(CurrentCompany().BigName.isEmpty());
            main.acCompCloseExecute(); // a missing lock is no error
            QVERIFY(messages.errors.isEmpty());
        }
        TfiMain main;
        openCompany(QStringLiteral("123456783"), QStringLiteral("Α"));
        main.show();
        QVERIFY(main.close());
        QVERIFY(!QFile::exists(folder->path(lock)));
    }

    void deletingTheDeclarationTablesAsksAndKeepsTheRecord() {
        RecordingMessages messages;
        TfiMain main;
        main.acDeleteTablesExecute(); // no company: nothing asked
        QVERIFY(messages.asked.isEmpty());
        openCompany(QStringLiteral("123456783"), QStringLiteral("Α"));
        StoreQuery q;
        q.setSql(
            QStringLiteral("INSERT INTO 'Data\\123456783\\Edra.DB' (AFM) VALUES ('123456783')"));
        q.execSql();
        q.setSql(
            QStringLiteral("INSERT INTO 'Data\\123456783\\MistDilMast.DB' (DilCode) VALUES (5)"));
        q.execSql();
        messages.queueAnswer(false);
        main.acDeleteTablesExecute();
        q.setSql(QStringLiteral("SELECT DilCode FROM 'Data\\123456783\\MistDilMast.DB'"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        messages.queueAnswer(true);
        main.acDeleteTablesExecute();
        QCOMPARE(messages.asked.size(), 2);
        QVERIFY(
            messages.asked.first().startsWith(QStringLiteral("ΠΡΟΣΟΧΗ!!!! Με την επιλογή αυτή")));
        QVERIFY(messages.asked.first().endsWith(
            QStringLiteral("\nΝα συνεχιστεί η διαγραφή - αρχικοποίηση;")));
        q.open();
        QCOMPARE(q.recordCount(), 0);
        q.setSql(QStringLiteral("SELECT AFM FROM 'Data\\123456783\\Edra.DB'"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
    }

    void onlyAdminSeesOperatorsManagement() {
        RecordingMessages messages;
        TfiMain main;
        main.prepareAfterLogin();
        QVERIFY(main.miUsers->isVisible());
        CurrentOperator() = {QStringLiteral("maria"), QStringLiteral("x"), QStringLiteral("D")};
        main.prepareAfterLogin();
        QVERIFY(!main.miUsers->isVisible());
        QCOMPARE(main.windowTitle(), QStringLiteral("Quindel Lethora 2025 (ver 06.21)"));
    }

    void theVersionCommandNeedsRightsI() {
        RecordingMessages messages;
        TfiMain main;
        CurrentOperator().Rights = QStringLiteral("V");
        bool versionWindowShown = false;
        setDialogRunner([&](QDialog&) -> int {
            versionWindowShown = true;
            return QDialog::Rejected;
        });
        main.action(QStringLiteral("acNewVer"))->trigger();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown.first().startsWith(QStringLiteral("Δεν έχετε δικαιώματα")));
        QVERIFY(!versionWindowShown);
        CurrentOperator().Rights = QStringLiteral("I");
        main.action(QStringLiteral("acNewVer"))->trigger();
        QVERIFY(versionWindowShown);
    }

    void theEditorialWindowIsShownOnceAndCanBeSwitchedOff() {
        RecordingMessages messages;
        Settings::setFolderValue(QStringLiteral("EditorialPageAddress"),
                                 QStringLiteral("http://127.0.0.1:1/e"));
        QFile marker(folder->path(QStringLiteral("editorial.ini")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        int shown = 0;
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* editorial = qobject_cast<TfiEditorial*>(&d)) {
                ++shown;
                editorial->cbNotAgain->setChecked(true);
                editorial->btExitClick();
            }
            return d.result();
        });
        TfiMain main;
        main.showEditorialOnFirstActivation(); // not prepared yet: nothing
        QCOMPARE(shown, 0);
        main.prepareAfterLogin();
        main.showEditorialOnFirstActivation();
        main.showEditorialOnFirstActivation(); // only the first activation
        QCOMPARE(shown, 1);
        QVERIFY(!QFile::exists(folder->path(QStringLiteral("editorial.ini"))));
    }

    void aCancelledLoginEndsWithoutTheMainWindow() {
        RecordingMessages messages;
        setDialogRunner([](QDialog&) -> int { return QDialog::Rejected; });
        TfiMain main;
        QCOMPARE(loginAndPrepare(main), LoginResult::Cancelled);
        QVERIFY(!main.isVisible());
        QCOMPARE(main.windowTitle(), QStringLiteral("Lethora"));
    }

    // Shared tables that cannot serve a login: the error is shown once and the program
    // ends with a failure, without a login dialog that could only fail again. A damaged
    // template is not copied.
    void brokenSharedTablesEndTheProgram_data() {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no templates") << "ClrTbls" << QString() << QByteArray();
        QTest::newRow("Tables is a file") << QString() << "Tables" << QByteArray("x");
        QTest::newRow("Users.db empty") << QString() << "Tables/Users.db" << QByteArray();
        QTest::newRow("Users.db no table file")
            << QString() << "Tables/Users.db" << QByteArray("UserName;Pass\nadmin;\n");
        QTest::newRow("damaged template")
            << QString() << "ClrTbls/Users.db" << QByteArray("SQLite format 3").leftJustified(4096);
    }
    void brokenSharedTablesEndTheProgram() {
        QFETCH(QString, removed);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        if (!removed.isEmpty())
            QVERIFY(QDir(folder->path(removed)).removeRecursively());
        if (!file.isEmpty()) {
            QDir().mkpath(QFileInfo(folder->path(file)).path());
            QFile broken(folder->path(file));
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write(content);
        }
        RecordingMessages messages;
        int loginsShown = 0;
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* login = qobject_cast<TfiGetPass*>(&d)) {
                ++loginsShown;
                login->btEnterClick();
            }
            return QDialog::Rejected;
        });
        TfiMain main;
        QCOMPARE(loginAndPrepare(main), LoginResult::TablesBroken);
        QCOMPARE(loginsShown, 0);
        QCOMPARE(messages.errors.size(), 1);
        if (file.startsWith(QLatin1String("ClrTbls")))
            QVERIFY(!QFile::exists(folder->path(QStringLiteral("Tables/Users.db"))));
    }

    void theAboutBoxShowsTheVersion() {
        AboutBox box;
        auto* version = box.findChild<QLabel*>(QStringLiteral("lbVersion"));
        QVERIFY(version);
        QVERIFY(version->text().contains(QStringLiteral("2025 (ver 06.21)")));
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
