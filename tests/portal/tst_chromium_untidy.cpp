// The import and the connect command with the real headless Chromium against a fake
// platform as untidy as the real one: headings broken over lines, forms written in
// another order, list rows with a leading cell or newest first, declaration pages that
// come late or stay busy, a declaration window left open by an earlier action, and a
// console in frames; another owner's list, and a refresh from another platform page.

#include "portal/PortalActions.h"
#include "portal/PortalLogin.h"
#include "tests/portal/ChromiumPortal.h"
#include "tests/portal/RecordingImportPanel.h"
#include "tests/portal/StoredRegister.h"
#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"
#include "tools/registergen/RegisterGenerator.h"
#include "workspace/StagingGrid.h"

namespace {
// The import of the platform's register into an empty store, through the real browser
// signed in on the list page.
struct UntidyImport {
    explicit UntidyImport(const QString& untidiness,
                          const RegisterDataSet& data = SampleRegister::shared())
        : portal({SampleRegister::owner(data)}), store(data.ownerAfm) {
        portal.platform->setUntidiness(*parseUntidiness(untidiness));
        // The owner's working folder points at the same platform.
        Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"),
                                 portal.platform->leaseAppBase());
        Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"),
                                 portal.platform->signOnBase());
        Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
        for (TableCursor* cursor : tables())
            cursor->open();
        list = ChromiumPortal::signIn(*portal.browser, PortalAddresses::submissionDetailsPage());
    }
    ~UntidyImport() {
        for (TableCursor* cursor : tables())
            cursor->close();
    }
    static QList<TableCursor*> tables() {
        TdmTables& t = dmTables();
        return {&t.tblMistDilMast, &t.tblMistDilDet, &t.tblMistDilAkinita};
    }
    void run() {
        import.sbGetTaxisDilsClick(SubmissionImport::TemporarilySaved::Keep);
        import.sbInsertNewDilsClick();
    }

    ChromiumPortal portal;
    RegisterFixture store;
    StagingGrid grid;
    RecordingImportPanel panel;
    SubmissionImport import{portal.session, grid, panel};
    BrowserWindow list;
};
} // namespace

class TestChromiumUntidy : public QObject {
    Q_OBJECT
private slots:
    // Headings with line breaks and no-break spaces, forms with their attributes in
    // another order, declaration pages filled in by their own script after they loaded,
    // and the window of an earlier view still open at the same address; a list whose rows
    // carry a running number before the registration number, and one that shows its
    // newest submissions first (an amendment of an amendment before the amendment it
    // amends): the register comes in whole, and the earlier window is neither read nor
    // closed.
    void anUntidyPlatformGivesTheSameRegister_data() {
        QTest::addColumn<QString>("untidiness");
        QTest::newRow("spaced, reordered, slow") << QStringLiteral("spaced,reordered,slow=1200");
        QTest::newRow("leading cell") << QStringLiteral("leadingcell");
        QTest::newRow("newest first") << QStringLiteral("newestfirst");
    }
    void anUntidyPlatformGivesTheSameRegister() {
        QFETCH(QString, untidiness);
        UntidyImport f(untidiness);
        const QSet<WindowHandle> before = OpenWindowHandles();
        RunDeclarationAction(f.portal.session, DeclarationAction::ViewOrEdit,
                             QStringLiteral("1020"), QStringLiteral("Οριστικοποιημένο"));
        QVERIFY(WaitForPortalPage(f.portal.session, PortalAddresses::flowPage()));
        const QSet<WindowHandle> earlier = OpenWindowHandles() - before;
        QCOMPARE(earlier.size(), 1);

        f.run();
        QVERIFY2(f.portal.messages.shown.isEmpty(),
                 qPrintable(f.portal.messages.shown.join(QLatin1Char('|'))));
        QCOMPARE(f.panel.platformCounts, qMakePair(3, 2));
        const QStringList differences =
            StoredRegister::differences(f.portal.platform->owners().first().data);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        QCOMPARE(OpenWindowHandles().size(), 2);
        QVERIFY(WindowOpen(*earlier.begin()));
    }

    // Signed in as another owner whose list shows the open company's tax number as a
    // lessee's: nothing is read into the open company's register.
    void anotherOwnersListNamingTheCompanyIsRefused() {
        RegisterDataSet other = SampleRegister::shared(SampleRegister::kOtherAfm);
        other.declarations.first().insert(QStringLiteral("MistName1"),
                                          SampleRegister::kOwnerAfm + QStringLiteral(" ΑΕ"));
        ChromiumPortal portal(
            {SampleRegister::owner(),
             SampleRegister::owner(other, QStringLiteral("other"), QStringLiteral("pw"))});
        RegisterFixture store(SampleRegister::kOwnerAfm);
        // The company's working folder points at the same platform.
        Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"),
                                 portal.platform->leaseAppBase());
        Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"),
                                 portal.platform->signOnBase());
        ChromiumPortal::signIn(*portal.browser, PortalAddresses::submissionDetailsPage(),
                               QStringLiteral("other"), QStringLiteral("pw"));
        StagingGrid grid;
        RecordingImportPanel panel;
        SubmissionImport import(portal.session, grid, panel);
        import.sbGetTaxisDilsClick(SubmissionImport::TemporarilySaved::Keep);
        QCOMPARE(portal.messages.shown,
                 QStringList({QStringLiteral("Έχετε συνδεθεί στη σελίδα των μισθωμάτων "
                                             "ακινήτων διαφορετικού Α.Φ.Μ.")}));
        QCOMPARE(panel.platformCounts, qMakePair(-1, -1));
    }

    // After an amendment was started, its form stands in the list's window: a refresh
    // takes the window back to the list, reads the declaration and says so.
    void aRefreshAfterAnAmendmentWasStartedGoesBackToTheList() {
        UntidyImport f{QString()};
        f.run();
        RunDeclarationAction(f.portal.session, DeclarationAction::Amend, QStringLiteral("1020"),
                             QStringLiteral("Οριστικοποιημένο"));
        QVERIFY(ChromiumPortal::waitFor(*f.portal.browser, f.list, PortalAddresses::flowPage()));
        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Τα στοιχεία της δήλωσης ενημερώθηκαν.")}));
    }

    // A window whose page is busy with a script of its own holds no wait past its limit:
    // the wait for a page that never comes ends within a second of its ten seconds,
    // however long the script runs, and the busy window counts as showing nothing yet.
    void aBusyPageHoldsNoWaitPastItsLimit() {
        ChromiumPortal portal;
        portal.platform->setUntidiness(*parseUntidiness(QStringLiteral("busy=25000")));
        ChromiumPortal::signIn(*portal.browser, PortalAddresses::submissionDetailsPage());
        RunDeclarationAction(portal.session, DeclarationAction::ViewOrEdit, QStringLiteral("1001"),
                             QStringLiteral("Οριστικοποιημένο"));
        PumpWait(2000); // the page has loaded and its script runs
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!WaitForPortalPage(portal.session, QStringLiteral("nowhere.htm")));
        QVERIFY2(waited.elapsed() < 12000, qPrintable(QString::number(waited.elapsed())));
    }

    // A window that shows another declaration, then a session that expires: neither page
    // is stored, each is told, and the import ends at the sign-on page, since nothing more
    // can be read there.
    void pagesThatWereNotReadAreNotStored() {
        UntidyImport f(QStringLiteral("wrong=1010,expire=2"));
        f.run();
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Πρόβλημα στη δήλωση με αριθμό 1010(1001)"),
                              QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με την προβολή της "
                                             "δήλωσης.")}));
        TableCursor& stored = dmTables().tblMistDilMast;
        QCOMPARE(stored.recordCount(), 1);
        QVERIFY(stored.findKey({1001}));
        QCOMPARE(OpenWindowHandles().size(), 1);
    }

    // The console that shows its year choice in the second of two frames: the connect
    // command presses the button beside it and reaches the list.
    void theConsoleInFramesLeadsToTheList() {
        ChromiumPortal portal;
        portal.platform->setUntidiness(*parseUntidiness(QStringLiteral("frames")));
        sbConnectAADEClick(portal.session,
                           {QStringLiteral("owner"), QStringLiteral("secret"), false, QPoint()},
                           {});
        QVERIFY2(portal.messages.shown.isEmpty(),
                 qPrintable(portal.messages.shown.join(QLatin1Char('|'))));
        QVERIFY(ChromiumPortal::waitFor(*portal.browser, portal.session.OwnBrowser,
                                        PortalAddresses::submissionDetailsPage()));
    }
};

LETHORA_TEST_MAIN(TestChromiumUntidy)
#include "tst_chromium_untidy.moc"
