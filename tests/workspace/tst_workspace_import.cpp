// The workspace's data check button, import link and refresh menu items, against the
// fake platform on the scripted browser: what the platform panel shows and what the
// lists hold after each.

#include "tests/portal/ImportPortal.h"
#include "tests/support/TestMain.h"
#include "workspace-window/PortalPanel.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace-window/TfiWait.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

class TestWorkspaceImport : public QObject {
    Q_OBJECT

    static QAction* menuItem(QMenu* menu, const char* name) {
        return menu->findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void thePanelLeadsFromTheCheckToTheImport() {
        ImportPortal f;
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        TfiMistomataTaxis w;
        w.show();
        PortalPanel& panel = *w.portal;
        QCOMPARE(panel.lbTaxisArxDils->text(), QStringLiteral("?"));

        // Nothing temporarily saved is stored yet: nothing to ask.
        panel.sbGetTaxisDils->click();
        QCOMPARE(f.portal.messages.asked.size(), 0);
        QCOMPARE(panel.lbTaxisArxDils->text(), QStringLiteral("3"));
        QCOMPARE(panel.lbTaxisTropDils->text(), QStringLiteral("2"));
        QCOMPARE(panel.lbSavedArxDils->text(), QStringLiteral("0"));
        QCOMPARE(panel.ggTaxisDils->value(), 100);
        QVERIFY(panel.pnInsertNewDils->isVisible());
        QVERIFY(panel.sbInsertNewDils->isVisible());
        QVERIFY(!panel.imNotMoreDil->isVisible());
        QCOMPARE(panel.lbInsertNewDils->text(),
                 QStringLiteral("Βρέθηκαν 3 αρχικές και 2 τροποποιητικές νέες δηλώσεις στο Taxis"));

        emit panel.sbInsertNewDils->linkActivated(QStringLiteral("#"));
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Καταχωρήθηκαν 5 από 5 νέες δηλώσεις.")}));
        f.portal.messages.clear();
        QCOMPARE(panel.lbSavedArxDils->text(), QStringLiteral("3"));
        QCOMPARE(panel.lbSavedTropDils->text(), QStringLiteral("2"));
        QCOMPARE(w.savedArxDils, 3);
        QCOMPARE(w.savedTropDils, 2);
        QVERIFY(!panel.pnInsertNewDils->isVisible());
        QCOMPARE(w.dbcMistomata->model()->rowCount(), 3);
        QVERIFY(!w.fiWait->isVisible());

        f.portal.messages.queueAnswer(false);
        panel.sbGetTaxisDils->click();
        QCOMPARE(f.portal.messages.asked.size(), 1);
        QCOMPARE(panel.lbInsertNewDils->text(), QStringLiteral("Δεν βρέθηκαν νέες δηλώσεις"));
        QVERIFY(panel.imNotMoreDil->isVisible());
        QVERIFY(!panel.sbInsertNewDils->isVisible());

        // The refresh of the declaration in hand and of its current amending declaration.
        QVERIFY(dmTables().tblMistDilMast.findKey({1001}));
        menuItem(w.pmArxikes, "miUpdate")->trigger();
        QCOMPARE(f.opened().last(), QStringLiteral("view 1001"));
        QVERIFY(dmTables().tblMistDilMast.findKey({1001}));
        QVERIFY(dmTables().tblMistDilDet.findKey({1001, 1002}));
        menuItem(w.pmTrops, "miUpdate")->trigger();
        QCOMPARE(f.opened().last(), QStringLiteral("view 1002"));
        const QString refreshed = QStringLiteral("Τα στοιχεία της δήλωσης ενημερώθηκαν.");
        QCOMPARE(f.portal.messages.shown, QStringList({refreshed, refreshed}));
    }

    // A declaration without amending declarations: the amending menu's amend and
    // terminate find no form, and say so.
    void amendingAnEmptyAmendmentsListIsRefusedAloud() {
        ImportPortal f;
        f.store.declaration(1020);
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        TfiMistomataTaxis w;
        w.show();
        dmTables().tblMistDilMast.refresh();
        QVERIFY(dmTables().tblMistDilMast.findKey({1020}));
        QVERIFY(dmTables().tblMistDilDet.isEmpty());
        menuItem(w.pmTrops, "miAmend")->trigger();
        menuItem(w.pmTrops, "miTerminate")->trigger();
        QCOMPARE(
            f.portal.messages.shown,
            QStringList({QStringLiteral("Δεν επιτρέπεται η δημιουργία τροποποιητικής δήλωσης."),
                         QStringLiteral("Δεν επιτρέπεται η λύση του συμφωνητικού μίσθωσης.")}));
    }

    // While the import runs, its waits let the operator's input through: a second data
    // check or a refresh does nothing, and closing the workspace stops the import after
    // the declaration in hand, then closes it.
    void aSecondCommandWaitsAndClosingStopsTheImport() {
        ImportPortal f;
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        TfiMistomataTaxis w;
        w.show();
        w.portal->sbGetTaxisDils->click();
        QVERIFY(dmTables().tblMistDilMast.isEmpty());
        bool interfered = false;
        f.portal.clock.setOnWait([&](qint64) {
            // While the second declaration's window is waited for.
            if (interfered || f.opened().size() != 2)
                return;
            interfered = true;
            w.portal->sbGetTaxisDils->click();
            menuItem(w.pmArxikes, "miUpdate")->trigger();
            w.close();
        });
        emit w.portal->sbInsertNewDils->linkActivated(QStringLiteral("#"));
        f.portal.clock.setOnWait({});
        QVERIFY(interfered);
        // No second data check, no refresh opened; the declaration in hand was finished.
        QCOMPARE(f.portal.messages.asked.size(), 0);
        QCOMPARE(f.opened(),
                 QStringList({QStringLiteral("view 1001"), QStringLiteral("edit 1010")}));
        QCOMPARE(f.count(QStringLiteral("MistDilMast")), 2);
        QCOMPARE(f.count(QStringLiteral("MistDilDet")), 0);
        QTRY_VERIFY(!w.isVisible());
    }

    // The wait window of the import tells how far it is; "Διακοπή" stops it after the
    // declaration in hand, and the one message at the end says what was stored.
    void theImportShowsItsProgressAndStopsWhenAsked() {
        ImportPortal f;
        f.listWindow = f.portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        TfiMistomataTaxis w;
        w.show();
        w.portal->sbGetTaxisDils->click();
        auto* count = w.fiWait->findChild<QLabel*>(QStringLiteral("lbCount"));
        QStringList counts;
        f.portal.clock.setOnWait([&](qint64) {
            if (!counts.contains(count->text()))
                counts << count->text();
            if (f.count(QStringLiteral("MistDilMast")) == 2 &&
                w.fiWait->findChild<QPushButton*>(QStringLiteral("btStop"))->isEnabled())
                w.fiWait->findChild<QPushButton*>(QStringLiteral("btStop"))->click();
        });
        emit w.portal->sbInsertNewDils->linkActivated(QStringLiteral("#"));
        f.portal.clock.setOnWait({});
        QVERIFY(counts.contains(QStringLiteral("1 από 5")));
        QCOMPARE(f.count(QStringLiteral("MistDilMast")), 2);
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Η εισαγωγή διακόπηκε. Καταχωρήθηκαν 2 από 5 νέες "
                                             "δηλώσεις. Δεν καταχωρήθηκαν: 1002, 1003, 1020.")}));
        QVERIFY(!w.fiWait->isVisible());
    }

    void aCheckWithoutTheListPageIsToldInGreek() {
        ImportPortal f;
        TfiMistomataTaxis w;
        w.portal->sbGetTaxisDils->click();
        QCOMPARE(f.portal.messages.shown,
                 QStringList({QStringLiteral("Δεν έχετε ανοίξει ή δεν έχετε συνδεθεί στη σελίδα "
                                             "των μισθωμάτων ακινήτων")}));
        QCOMPARE(w.portal->lbTaxisArxDils->text(), QStringLiteral("?"));
    }
};

LETHORA_TEST_MAIN(TestWorkspaceImport)
#include "tst_workspace_import.moc"
