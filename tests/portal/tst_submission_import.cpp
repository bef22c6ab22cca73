// The data check, the import of new declarations and the refresh of one, end to end on
// the scripted browser and the fake platform.

#include "portal/DeclarationStoreWriter.h"
#include "tests/portal/ImportPortal.h"
#include "tests/portal/StoredRegister.h"
#include "tests/support/TestMain.h"
#include "tools/fakeplatform/SubmissionListPage.h"
#include "tools/fakeplatform/Untidiness.h"
#include "tools/registergen/RegisterGenerator.h"
#include "workspace/StagingColumns.h"

namespace {
const QString kNothingNew = QStringLiteral("Δεν βρέθηκαν νέες δηλώσεις");
const QString kOtherOwner =
    QStringLiteral("Έχετε συνδεθεί στη σελίδα των μισθωμάτων ακινήτων διαφορετικού Α.Φ.Μ.");
const QString kViewProblem =
    QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με την προβολή της δήλωσης.");
const QString kMast = QStringLiteral("MistDilMast");
const QString kDet = QStringLiteral("MistDilDet");
const QString kAkinita = QStringLiteral("MistDilAkinita");

// Whether the request submits a form of the submission list for the declaration.
bool opens(const PageRequest& request, const QString& number) {
    for (const auto& [name, value] : request.fields)
        if (name == QLatin1String("transId") && value == number)
            return true;
    return false;
}
} // namespace

class TestSubmissionImport : public QObject {
    Q_OBJECT

    // The details page of the declaration, edited by the test.
    static void editDetailsPage(ImportPortal& f, const QString& number,
                                const std::function<void(QString&)>& edit) {
        f.portal.answers.edit = [number, edit](const PageRequest&, PageAnswer& answer) {
            if (answer.html.contains(QStringLiteral("με Αριθμ. ") + number + QStringLiteral(" -")))
                edit(answer.html);
        };
    }

private slots:
    void theDataCheckReadsTheListAndCounts() {
        ImportPortal f;
        f.store.declaration(1020);
        f.dataCheck();
        QVERIFY(f.portal.messages.asked.isEmpty()); // the window asks, before the data check
        QCOMPARE(f.portal.messages.shown, QStringList());
        // Header row and five submissions: 1001, 1002, 1003, 1010, 1020.
        QCOMPARE(f.grid.rowCount(), 7);
        QCOMPARE(f.grid.cell(0, 1), QStringLiteral("1"));
        QCOMPARE(f.grid.cell(1, 0), QStringLiteral("Αριθμός Καταχώρησης"));
        QCOMPARE(f.grid.cell(3, 0), QStringLiteral("Στοιχεία   1ου μισθωτή"));
        QCOMPARE(f.grid.cell(1, 1), QStringLiteral("1001"));
        QCOMPARE(f.grid.cell(1, 2), QStringLiteral("1002 (Τροποποιεί το Α/Α 1001)"));
        QCOMPARE(f.grid.cell(3, 1), QStringLiteral("ΜΙΣΘΩΤΗΣ <1>"));
        QCOMPARE(f.grid.cell(4, 4), QStringLiteral("Προσωρινά Αποθηκευμένο"));
        QCOMPARE(f.grid.cell(5, 3), QStringLiteral("Λύση"));
        QCOMPARE(f.grid.cell(0, 5), QStringLiteral("5"));
        QCOMPARE(f.panel.progress.last(), 100);
        QCOMPARE(f.panel.platformCounts, qMakePair(3, 2));
        QCOMPARE(f.panel.storedCounts, qMakePair(1, 0));
        QVERIFY(f.panel.noticeShown);
        QVERIFY(f.panel.linkShown);
        QCOMPARE(f.panel.notice,
                 QStringLiteral("Βρέθηκαν 2 αρχικές και 2 τροποποιητικές νέες δηλώσεις στο Taxis"));
    }

    void theImportStoresEveryNewDeclarationOnce() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();

        QCOMPARE(f.portal.messages.shown, QStringList());
        QCOMPARE(f.opened(), QStringList({QStringLiteral("view 1001"), QStringLiteral("edit 1010"),
                                          QStringLiteral("view 1020"), QStringLiteral("view 1002"),
                                          QStringLiteral("view 1003")}));
        QCOMPARE(f.count(kMast), 3);
        QCOMPARE(f.count(kDet), 2);
        QCOMPARE(f.count(kAkinita), 4);
        const QStringList differences =
            StoredRegister::differences(f.portal.platform.owners().first().data);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        QCOMPARE(f.stored(kMast, QStringLiteral("DilCode = 1001"), QStringLiteral("MistName2")),
                 QVariant(QStringLiteral("ΜΙΣΘΩΤΗΣ <2>")));
        QCOMPARE(f.stored(kMast, QStringLiteral("DilCode = 1001"), QStringLiteral("TotalMistoma"))
                     .toDouble(),
                 1234.5);
        QCOMPARE(f.stored(kAkinita, QStringLiteral("DilCode = 1001 AND AA = 2"),
                          QStringLiteral("MonthlyMist"))
                     .toDouble(),
                 1234.5);
        // 1003 amends the amending declaration 1002: it belongs to 1001.
        QCOMPARE(f.grid.cell(StagingColumn::InitialNumber, 3), QStringLiteral("1001"));
        QCOMPARE(f.stored(kDet, QStringLiteral("DilCode = 1001 AND TropDilCode = 1003"),
                          QStringLiteral("MistosiEosDate")),
                 QVariant(QStringLiteral("30/06/2025")));
        QCOMPARE(f.grid.cell(StagingColumn::WriteMark, 3), QStringLiteral("2"));
        QCOMPARE(f.grid.cell(StagingColumn::OwnRow, 3), QStringLiteral("3"));
        QCOMPARE(f.panel.storedCounts, qMakePair(3, 2));
        QVERIFY(!f.panel.noticeShown);
        QVERIFY(!f.panel.linkShown);
        QCOMPARE(f.panel.waitShown, 1);
        QCOMPARE(f.panel.waitHidden, 1);
        QCOMPARE(f.panel.importProgress.first(), qMakePair(0, 5));
        QCOMPARE(f.panel.importProgress.last(), qMakePair(5, 5));
        QCOMPARE(importReport(f.panel.outcome),
                 QStringLiteral("Καταχωρήθηκαν 5 από 5 νέες δηλώσεις."));
        // Every declaration window was closed again.
        QCOMPARE(f.portal.browser.ListBrowserWindows().size(), 1);

        f.dataCheck();
        QCOMPARE(f.panel.notice, kNothingNew);
        QVERIFY(f.panel.noticeShown);
        QVERIFY(!f.panel.linkShown);
    }

    void nothingNewOffersNoImport() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        const QStringList opened = f.opened();
        f.dataCheck();
        QCOMPARE(f.panel.notice, kNothingNew);
        QVERIFY(!f.panel.linkShown);
        // Run all the same, the import opens nothing.
        f.import.ImportNewDeclarations();
        QCOMPARE(f.opened(), opened);
    }

    void aViewAndAnEditFormOfOneDeclarationStoreItOnce() {
        ImportPortal f;
        // The platform offers an edit form right after every view form.
        f.portal.answers.edit = [](const PageRequest&, PageAnswer& answer) {
            for (const QString& number : {QStringLiteral("1001"), QStringLiteral("1020")}) {
                const QString view = SubmissionListPage::actionForm(number, QStringLiteral("view"));
                answer.html.replace(
                    view, view + SubmissionListPage::actionForm(number, QStringLiteral("edit")));
            }
        };
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.opened().count(QStringLiteral("view 1001")), 1);
        QCOMPARE(f.opened().count(QStringLiteral("edit 1001")), 0);
        QCOMPARE(f.count(kMast), 3);
        QCOMPARE(f.count(kAkinita), 4);
        QCOMPARE(f.portal.messages.shown, QStringList());
    }

    // Amendments whose initial declaration is neither in the register nor on the list go
    // under "999": they are not stored, and the operator is told their numbers.
    void amendmentsOfAnUnknownDeclarationAreReported() {
        ImportPortal f;
        f.portal.answers.edit = [](const PageRequest&, PageAnswer& answer) {
            answer.html.replace(QStringLiteral("(Τροποποιεί το Α/Α 1001)"),
                                QStringLiteral("(Τροποποιεί το Α/Α 7777)"));
        };
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.grid.cell(StagingColumn::InitialNumber, 2), QStringLiteral("999"));
        QCOMPARE(f.grid.cell(StagingColumn::InitialNumber, 3), QStringLiteral("999"));
        QCOMPARE(f.count(kMast), 3);
        QCOMPARE(f.count(kDet), 0);
        QCOMPARE(f.panel.outcome.unplaced,
                 QStringList({QStringLiteral("1002"), QStringLiteral("1003")}));
        QCOMPARE(importReport(f.panel.outcome),
                 QStringLiteral("Καταχωρήθηκαν 3 από 5 νέες δηλώσεις. Δεν καταχωρήθηκαν οι "
                                "τροποποιητικές δηλώσεις με αριθμό 1002, 1003: η αρχική δήλωση "
                                "που τροποποιούν δεν βρέθηκε στο μητρώο."));
    }

    // What is new is what the list shows and the register does not hold, whatever else
    // the register holds.
    void newDeclarationsAreThoseListedAndNotStored() {
        ImportPortal f;
        for (qlonglong other : {1001, 5001, 5002, 5003})
            f.store.declaration(other);
        f.store.amendment(1001, 1002);
        f.dataCheck();
        QCOMPARE(f.panel.storedCounts, qMakePair(4, 1));
        QCOMPARE(f.panel.notice,
                 QStringLiteral("Βρέθηκαν 2 αρχικές και 1 τροποποιητικές νέες δηλώσεις στο Taxis"));
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.opened(), QStringList({QStringLiteral("edit 1010"), QStringLiteral("view 1020"),
                                          QStringLiteral("view 1003")}));
    }

    // A list table with submissions of which none reads as one: the operator is told,
    // no import is offered and nothing of the register changes.
    void aListThatIsNotUnderstoodChangesNothing() {
        ImportPortal f;
        f.store.declaration(
            1010, {{QStringLiteral("StadioYpovolis"), QStringLiteral("Προσωρινά Αποθηκευμένο")}});
        f.portal.answers.edit = [](const PageRequest&, PageAnswer& answer) {
            for (const char* kind : {"Αρχική", "Τροποποιητική", "Λύση"})
                answer.html.replace(QStringLiteral("<td>%1</td>").arg(QString::fromUtf8(kind)),
                                    QStringLiteral("<td>Δήλωση</td>"));
        };
        f.dataCheck(true);
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Η λίστα των δηλώσεων της πλατφόρμας δεν "
                                             "αναγνωρίστηκε. Δεν έγινε καμία αλλαγή.")}));
        QVERIFY(!f.panel.linkShown);
        QCOMPARE(f.count(kMast, QStringLiteral("DilCode = 1010")), 1);
        f.import.ImportNewDeclarations();
        QCOMPARE(f.opened(), QStringList());
    }

    void temporarilySavedDeclarationsDeletedAreImportedAgain() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.count(kAkinita, QStringLiteral("DilCode = 1010")), 1);
        f.store.amendment(
            1010, 1011,
            {{QStringLiteral("StadioYpovolis"), QStringLiteral("Προσωρινά Αποθηκευμένο")}});
        dmTables().tblMistDilMast.refresh();

        f.dataCheck(true);
        QCOMPARE(f.count(kMast, QStringLiteral("DilCode = 1010")), 0);
        QCOMPARE(f.count(kAkinita, QStringLiteral("DilCode = 1010")), 0);
        QCOMPARE(f.count(kDet, QStringLiteral("TropDilCode = 1011")), 0);
        QCOMPARE(f.count(kMast), 2);
        QCOMPARE(f.panel.notice,
                 QStringLiteral("Βρέθηκαν 1 αρχικές και 0 τροποποιητικές νέες δηλώσεις στο Taxis"));
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.opened().count(QStringLiteral("edit 1010")), 2);
        QCOMPARE(f.count(kMast, QStringLiteral("DilCode = 1010")), 1);
        QCOMPARE(f.count(kAkinita, QStringLiteral("DilCode = 1010")), 1);
        // Read from the inputs of the temporarily saved page.
        QCOMPARE(f.stored(kAkinita, QStringLiteral("DilCode = 1010"), QStringLiteral("ZipCode")),
                 QVariant(QStringLiteral("10561")));
    }

    void theOwnerIsCheckedBeforeAnythingIsRead() {
        // Signed in directly, the page names the owner, but not as represented.
        ImportPortal f;
        f.panel.representative = true;
        f.dataCheck();
        QCOMPARE(f.portal.messages.shown, QStringList({kOtherOwner}));
        QCOMPARE(f.panel.platformCounts, qMakePair(-1, -1));
        QCOMPARE(f.grid.cell(1, 1), QString());

        f.portal.messages.clear();
        f.panel.representative = false;
        f.dataCheck();
        QCOMPARE(f.portal.messages.shown, QStringList());
        QCOMPARE(f.panel.platformCounts, qMakePair(3, 2));
    }

    void anotherOwnersListIsRefused() {
        FakeOwner other = SampleRegister::owner(SampleRegister::shared(SampleRegister::kOtherAfm),
                                                QStringLiteral("other"), QStringLiteral("pw"));
        ImportPortal f({SampleRegister::owner(), other});
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage(),
                                               QStringLiteral("other"), QStringLiteral("pw"));
        f.dataCheck();
        QCOMPARE(f.portal.messages.shown, QStringList({kOtherOwner}));
    }

    // Signed in as another owner whose page shows the open company's tax number among its
    // lessees, or inside a longer number: that is not the open company's list.
    void theOwnersNumberCountsOnlyWhereThePageNamesTheTaxpayer_data() {
        QTest::addColumn<QString>("lessee");
        QTest::addColumn<QString>("pageNote");
        QTest::newRow("a lessee of the list")
            << QStringLiteral("094014201 ΕΤΑΙΡΕΙΑ ΑΕ") << QString();
        QTest::newRow("inside a longer number")
            << QStringLiteral("ΜΙΣΘΩΤΗΣ") << QStringLiteral("<p>Αρ. πρωτ. 10940142019</p>");
    }
    void theOwnersNumberCountsOnlyWhereThePageNamesTheTaxpayer() {
        QFETCH(QString, lessee);
        QFETCH(QString, pageNote);
        RegisterDataSet data = SampleRegister::shared(SampleRegister::kOtherAfm);
        data.declarations.first().insert(QStringLiteral("MistName1"), lessee);
        ImportPortal f(
            {SampleRegister::owner(),
             SampleRegister::owner(data, QStringLiteral("other"), QStringLiteral("pw"))});
        f.portal.answers.edit = [pageNote](const PageRequest&, PageAnswer& answer) {
            answer.html.replace(QStringLiteral("<h2>Οι δηλώσεις μου</h2>"),
                                QStringLiteral("<h2>Οι δηλώσεις μου</h2>") + pageNote);
        };
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage(),
                                               QStringLiteral("other"), QStringLiteral("pw"));
        f.dataCheck();
        QCOMPARE(f.portal.messages.shown, QStringList({kOtherOwner}));
        QCOMPARE(f.panel.platformCounts, qMakePair(-1, -1));
    }

    void withoutTheListPageNothingIsDone() {
        ImportPortal f;
        f.listWindow = f.portal.signedInWindow(PortalAddresses::consolePage());
        f.dataCheck();
        f.import.ImportNewDeclarations();
        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        const QString connect = QStringLiteral("Για να προβάλετε τη δήλωση πρέπει πρώτα να "
                                               "συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ");
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Δεν έχετε ανοίξει ή δεν έχετε συνδεθεί στη σελίδα "
                                             "των μισθωμάτων ακινήτων"),
                              connect, connect}));
        QCOMPARE(f.panel.waitShown, 0);
    }

    // A rent the store cannot read fails that declaration alone: it is reported, nothing
    // of it is kept, the amending pass is left for later and the rest is imported.
    void aDeclarationThatCannotBeStoredIsReportedAndPassedOver() {
        ImportPortal f;
        editDetailsPage(f, QStringLiteral("1010"), [](QString& html) {
            html.replace(QStringLiteral("1.234,50"), QStringLiteral("1.2x4,50"));
        });
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.portal.messages.shown, QStringList({kViewProblem}));
        QCOMPARE(f.count(kMast), 2);
        QCOMPARE(f.count(kMast, QStringLiteral("DilCode = 1010")), 0);
        QCOMPARE(f.count(kAkinita, QStringLiteral("DilCode = 1010")), 0);
        QCOMPARE(f.count(kDet), 0);
        QCOMPARE(f.panel.waitHidden, 1);
    }

    void aDeclarationWindowThatNeverComesEndsThePass() {
        ImportPortal f;
        // The platform answers the second declaration with a page elsewhere.
        f.portal.answers.edit = [](const PageRequest& request, PageAnswer& answer) {
            if (opens(request, QStringLiteral("1010"))) {
                answer.status = 302;
                answer.location = QUrl(PortalAddresses::consolePage());
            }
        };
        f.dataCheck();
        const qint64 start = f.portal.clock.nowMs();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.count(kMast), 1);
        QCOMPARE(f.count(kMast, QStringLiteral("DilCode = 1001")), 1);
        // The 20-second limit, then the amending pass.
        const qint64 waited = f.portal.clock.nowMs() - start;
        QVERIFY2(waited >= 20000 && waited < 60000, qPrintable(QString::number(waited)));
        QCOMPARE(f.count(kDet), 2);
    }

    // A page that was not read whole and matched stores nothing: the declaration stays
    // new for the next data check, the operator is told, and the next form is taken.
    void aPageThatWasNotReadStoresNothing_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("another number")
            << QStringLiteral("με Αριθμ. 1020 -") << QStringLiteral("με Αριθμ. 1021 -")
            << QStringLiteral("Πρόβλημα στη δήλωση με αριθμό 1020(1021)");
        QTest::newRow("no title") << QStringLiteral("ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ") << QStringLiteral("Δήλωση")
                                  << kViewProblem;
        QTest::newRow("no lease terms") << QStringLiteral("id=\"contractDetails\"")
                                        << QStringLiteral("id=\"terms\"") << kViewProblem;
        QTest::newRow("no body") << QStringLiteral("*") << QString() << kViewProblem;
    }
    void aPageThatWasNotReadStoresNothing() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        ImportPortal f;
        editDetailsPage(f, QStringLiteral("1020"), [&](QString& html) {
            html = from == QLatin1String("*") ? QString() : html.replace(from, to);
        });
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.portal.messages.shown, QStringList({message}));
        QCOMPARE(f.count(kMast, QStringLiteral("DilCode = 1020")), 0);
        QCOMPARE(f.count(kAkinita, QStringLiteral("DilCode = 1020")), 0);
        QCOMPARE(f.count(kMast), 2);
        // Its window was closed all the same.
        QCOMPARE(f.portal.browser.ListBrowserWindows().size(), 1);
        f.portal.answers.edit = {};
        f.dataCheck();
        QCOMPARE(f.panel.notice,
                 QStringLiteral("Βρέθηκαν 1 αρχικές και 2 τροποποιητικές νέες δηλώσεις στο Taxis"));
    }

    // An expired session sends the declaration's window to the sign-on page: nothing more
    // can be read, so the import stops there with what it stored.
    void anExpiredSessionEndsTheImport() {
        ImportPortal f;
        Untidiness untidy;
        untidy.sessionExpiresAfter = 1;
        f.portal.platform.setUntidiness(untidy);
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.portal.messages.shown, QStringList({kViewProblem}));
        QCOMPARE(f.count(kMast), 1);
        QCOMPARE(f.count(kDet), 0);
        QCOMPARE(f.portal.browser.ListBrowserWindows().size(), 1);
    }

    // A refresh whose page was not read leaves the stored declaration as it was, and says
    // that it did not happen.
    void aRefreshThatReadNothingKeepsTheStoredDeclaration() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        editDetailsPage(f, QStringLiteral("1001"), [](QString& html) {
            html.replace(QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ"), QStringLiteral("ΕΚΜΙΣΘΩΤΕΣ"));
        });
        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(f.portal.messages.shown.size(), 2);
        QCOMPARE(f.portal.messages.shown.first(), kViewProblem);
        QVERIFY(f.portal.messages.shown.last().startsWith(
            QStringLiteral("Τα στοιχεία της δήλωσης δεν ενημερώθηκαν")));
        QCOMPARE(f.stored(kMast, QStringLiteral("DilCode = 1001"), QStringLiteral("TotalMistoma"))
                     .toDouble(),
                 1234.5);
        QVERIFY(!f.stored(kMast, QStringLiteral("DilCode = 1001"), QStringLiteral("EkmAFM1"))
                     .toString()
                     .isEmpty());
    }

    void aStoredDeclarationIsReadAgain() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        TableStore::instance().exec(QStringLiteral("UPDATE ") +
                                    TableStore::instance().qualifiedName(f.store.path(kMast)) +
                                    QStringLiteral(" SET TotalMistoma = 1, EkmName1 = 'x'"));
        dmTables().tblMistDilMast.refresh();
        const int opened = f.opened().size();

        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(f.opened().size(), opened + 1);
        QCOMPARE(f.stored(kMast, QStringLiteral("DilCode = 1001"), QStringLiteral("TotalMistoma"))
                     .toDouble(),
                 1234.5);
        QCOMPARE(f.stored(kMast, QStringLiteral("DilCode = 1020"), QStringLiteral("TotalMistoma"))
                     .toDouble(),
                 1.0);
        QCOMPARE(f.count(kMast), 3);
        QCOMPARE(f.count(kAkinita), 4);

        f.import.RefreshDeclaration(QStringLiteral("1001"), QStringLiteral("1002"));
        QCOMPARE(f.opened().last(), QStringLiteral("view 1002"));
        QCOMPARE(f.count(kDet), 2);
        // Terminations are not read again.
        f.import.RefreshDeclaration(QStringLiteral("1001"), QStringLiteral("1003"));
        QCOMPARE(f.opened().last(), QStringLiteral("view 1002"));
        const QString refreshed = QStringLiteral("Τα στοιχεία της δήλωσης ενημερώθηκαν.");
        QCOMPARE(f.portal.messages.shown, QStringList({refreshed, refreshed}));
    }

    // A refresh writes the declaration as the platform shows it now: a lessee and a
    // property that it no longer shows are not kept.
    void aRefreshKeepsNothingThePlatformNoLongerShows() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        TableStore::instance().exec(QStringLiteral("UPDATE ") +
                                    TableStore::instance().qualifiedName(f.store.path(kMast)) +
                                    QStringLiteral(" SET MistAA3 = '3', MistName3 = 'ΠΑΛΙΟΣ' "
                                                   "WHERE DilCode = 1001"));
        f.store.property(1001, 3);
        dmTables().tblMistDilMast.refresh();
        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Τα στοιχεία της δήλωσης ενημερώθηκαν.")}));
        QVERIFY(f.stored(kMast, QStringLiteral("DilCode = 1001"), QStringLiteral("MistName3"))
                    .toString()
                    .isEmpty());
        QCOMPARE(f.count(kAkinita, QStringLiteral("DilCode = 1001")), 2);
        const QStringList differences =
            StoredRegister::differences(f.portal.platform.owners().first().data);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }

    // After an amendment was started on the platform its form stands in the list's window:
    // the refresh takes that window back to the list and goes on.
    void aRefreshFromAnotherPlatformPageGoesBackToTheList() {
        ImportPortal f;
        f.dataCheck();
        f.import.sbInsertNewDilsClick();
        RunDeclarationAction(f.portal.session, DeclarationAction::Amend, QStringLiteral("1020"),
                             QStringLiteral("Οριστικοποιημένο"));
        f.portal.settle();
        QVERIFY(!f.portal.browser.GetLocationUrl(f.listWindow)
                     .contains(PortalAddresses::submissionDetailsPage()));
        const int opened = f.opened().size();
        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Τα στοιχεία της δήλωσης ενημερώθηκαν.")}));
        QCOMPARE(f.opened().size(), opened + 1);
    }

    // The operator's filter, run while the import waits for a window, hides stored
    // declarations from the workspace, not from the import.
    void aFilterDuringTheImportHidesNothingFromIt() {
        ImportPortal f;
        f.dataCheck();
        f.portal.clock.setOnWait([&](qint64) {
            TableCursor& mast = dmTables().tblMistDilMast;
            if (f.count(kMast) == 3 && !mast.filtered()) {
                mast.setFilter(QStringLiteral("FilterField = 1"));
                mast.setFiltered(true);
            }
        });
        f.import.sbInsertNewDilsClick();
        f.portal.clock.setOnWait({});
        QCOMPARE(f.portal.messages.shown, QStringList());
        QCOMPARE(f.count(kDet), 2);
    }

    void theRefreshNeedsTheDataCheckFirst() {
        ImportPortal f;
        f.store.declaration(1001);
        dmTables().tblMistDilMast.refresh();
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        f.import.RefreshDeclaration(QStringLiteral("1001"), QString());
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral(
                     "Για να προβάλετε τη δήλωση συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ "
                     "και εκτελέστε την επιλογή \"Έλεγχος Δεδομένων\"")}));
        QCOMPARE(f.opened(), QStringList());
    }

    // A generated owner's whole register, brought in by one data check and one import,
    // is stored exactly as the platform served it.
    void aGeneratedRegisterIsImportedFieldByField() {
        const RegisterDataSet data = generateRegister(SampleRegister::kOwnerAfm, 50, 20261208);
        ImportPortal f({SampleRegister::owner(data)});
        f.dataCheck();
        QCOMPARE(f.panel.platformCounts,
                 qMakePair(int(data.declarations.size()), int(data.amendments.size())));
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.portal.messages.shown, QStringList());
        QCOMPARE(f.count(kMast), data.declarations.size());
        QCOMPARE(f.count(kDet), data.amendments.size());
        QCOMPARE(f.count(kAkinita), data.properties.size());
        const QStringList differences = StoredRegister::differences(data);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    }

    // Headings broken over lines, forms written in another order, and a declaration
    // window left open by an earlier action: the same register comes in, and the window
    // that was open stays open.
    void anUntidyPlatformGivesTheSameRegister_data() {
        QTest::addColumn<QString>("untidiness");
        QTest::addColumn<bool>("windowLeftOpen");
        QTest::newRow("spaced headings") << QStringLiteral("spaced") << false;
        QTest::newRow("reordered attributes") << QStringLiteral("reordered") << false;
        QTest::newRow("leading cell") << QStringLiteral("leadingcell") << false;
        QTest::newRow("newest first") << QStringLiteral("newestfirst") << false;
        QTest::newRow("declaration window left open") << QString() << true;
    }
    void anUntidyPlatformGivesTheSameRegister() {
        QFETCH(QString, untidiness);
        QFETCH(bool, windowLeftOpen);
        ImportPortal f;
        f.portal.platform.setUntidiness(*parseUntidiness(untidiness));
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        if (windowLeftOpen) {
            RunDeclarationAction(f.portal.session, DeclarationAction::ViewOrEdit,
                                 QStringLiteral("1020"), QStringLiteral("Οριστικοποιημένο"));
            f.portal.settle();
        }
        const int windowsBefore = int(f.portal.browser.ListBrowserWindows().size());
        f.dataCheck();
        QCOMPARE(f.panel.platformCounts, qMakePair(3, 2));
        f.import.sbInsertNewDilsClick();
        QCOMPARE(f.portal.messages.shown, QStringList());
        const QStringList differences =
            StoredRegister::differences(f.portal.platform.owners().first().data);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        QCOMPARE(f.portal.browser.ListBrowserWindows().size(), windowsBefore);
    }

    // A running number before each row's registration number, under a spanning heading,
    // gives the staging rows of the tidy list.
    void aLeadingCellGivesTheSameStagingRows() {
        const auto stagingRows = [](const QString& untidiness) {
            ImportPortal f;
            f.portal.platform.setUntidiness(*parseUntidiness(untidiness));
            f.dataCheck();
            QStringList rows;
            for (int row = 0; row < f.grid.rowCount(); ++row)
                for (int column = 0; column <= StagingColumn::Kind; ++column)
                    rows << f.grid.cell(column, row);
            return rows;
        };
        QCOMPARE(stagingRows(QStringLiteral("leadingcell")), stagingRows(QString()));
    }

    void theNumberOfAForm_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("number");
        QTest::newRow("platform form")
            << SubmissionListPage::actionForm(QStringLiteral("4501"), QStringLiteral("view"))
            << QStringLiteral("4501");
        QTest::newRow("blanks") << QStringLiteral(
                                       "<input name=\"transId\" type=\"hidden\" value=\" 77 \">")
                                << QStringLiteral("77");
        QTest::newRow("other order")
            << QStringLiteral("<input type=\"hidden\" name=\"transId\" value=\"77\">") << QString();
        QTest::newRow("unclosed") << QStringLiteral(
                                         "<input name=\"transId\" type=\"hidden\" value=\"78")
                                  << QStringLiteral("78");
    }
    void theNumberOfAForm() {
        QFETCH(QString, html);
        QFETCH(QString, number);
        QCOMPARE(SubmissionList::formNumberOf(html), number);
    }
};

LETHORA_TEST_MAIN(TestSubmissionImport)
#include "tst_submission_import.moc"
