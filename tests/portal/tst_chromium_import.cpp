// The data check and the import from end to end with the real headless Chromium and the
// fake platform over HTTP: three initial declarations (one temporarily saved), an
// amending declaration and a termination of it, each opened in a window of its own,
// read, stored and closed; then a refresh of one declaration.

#include "tests/portal/ChromiumPortal.h"
#include "tests/portal/RecordingImportPanel.h"
#include "tests/portal/StoredRegister.h"
#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"
#include "workspace/StagingGrid.h"

class TestChromiumImport : public QObject {
    Q_OBJECT
private slots:
    void theRegisterComesInThroughTheRealBrowser() {
        ChromiumPortal portal;
        RegisterFixture store(SampleRegister::kOwnerAfm);
        // The company's working folder points at the same platform.
        Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"),
                                 portal.platform->leaseAppBase());
        Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"),
                                 portal.platform->signOnBase());
        Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
        TdmTables& tables = dmTables();
        tables.tblMistDilMast.open();
        tables.tblMistDilDet.open();
        tables.tblMistDilAkinita.open();
        StagingGrid grid;
        RecordingImportPanel panel;
        SubmissionImport import(portal.session, grid, panel);
        ChromiumPortal::signIn(*portal.browser, PortalAddresses::submissionDetailsPage());

        import.sbGetTaxisDilsClick(SubmissionImport::TemporarilySaved::Keep);
        QCOMPARE(panel.platformCounts, qMakePair(3, 2));
        import.sbInsertNewDilsClick();
        QVERIFY2(portal.messages.shown.isEmpty(),
                 qPrintable(portal.messages.shown.join(QLatin1Char('|'))));
        const RegisterDataSet& served = portal.platform->owners().first().data;
        const QStringList differences = StoredRegister::differences(served);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        QCOMPARE(portal.browser->ListBrowserWindows().size(), 1);

        TableStore::instance().exec(
            QStringLiteral("UPDATE ") +
            TableStore::instance().qualifiedName(store.path(QStringLiteral("MistDilMast"))) +
            QStringLiteral(" SET Simiosis = 'αλλαγμένο'"));
        tables.tblMistDilMast.refresh();
        import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(StoredRegister::differences(served.ownerAfm, QStringLiteral("MistDilMast"),
                                             {served.declarations.first()}),
                 QStringList());
        QCOMPARE(portal.browser->ListBrowserWindows().size(), 1);

        tables.tblMistDilAkinita.close();
        tables.tblMistDilDet.close();
        tables.tblMistDilMast.close();
    }
};

LETHORA_TEST_MAIN(TestChromiumImport)
#include "tst_chromium_import.moc"
