// The declarations workspace window: details, paging, colours, deletions, list sizes,
// filters and searches run from its controls, and the opening sequence.

#include "common/DialogRunner.h"
#include "companies/TMaskEditDate.h"
#include "exports/ExportTemplate.h"
#include "exports/SpreadsheetStarter.h"
#include "exports/TfiMistDilProtList.h"
#include "exports/WorkbookApp.h"
#include "exports/WorkbookModel.h"
#include "portal/BrowserOps.h"
#include "portal/PageSource.h"
#include "portal/scripted/ScriptedBrowser.h"
#include "store/StoreQuery.h"
#include "tests/exports/ExportFixture.h"
#include "tests/support/GreekKeys.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"
#include "workspace-window/DeclarationDetails.h"
#include "workspace-window/FilterPanel.h"
#include "workspace-window/PortalPanel.h"
#include "workspace-window/TfiDispMistSymb.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace-window/TfiWait.h"
#include "workspace-window/TickPicture.h"
#include "workspace/RegisterFilter.h"
#include "workspace/StoredCounts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

using Fields = QVariantMap;

class TestWorkspaceWindow : public QObject {
    Q_OBJECT

    // Opens the workspace through the main window's command and hands it to the test.
    void withWorkspace(const std::function<void(TfiMistomataTaxis&)>& test) {
        bool ran = false;
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* workspace = qobject_cast<TfiMistomataTaxis*>(&d)) {
                workspace->show();
                QCoreApplication::processEvents();
                test(*workspace);
                ran = true;
                return QDialog::Rejected;
            }
            return innerDialog ? innerDialog(d) : int(QDialog::Rejected);
        });
        OpenDeclarationsWorkspace(nullptr);
        rejectUnexpectedDialogs();
        innerDialog = nullptr;
        QVERIFY(ran);
        QVERIFY(!dmTables().tblMistDilMast.isOpen());
    }

    // Answers the dialogs that the workspace opens while a test drives it.
    std::function<int(QDialog&)> innerDialog;

    QList<qlonglong> listed() {
        TableCursor& mast = dmTables().tblMistDilMast;
        QList<qlonglong> codes;
        for (int i = 0; i < mast.recordCount(); ++i)
            codes << mast.valueAt(i, QStringLiteral("DilCode")).toLongLong();
        return codes;
    }

    // A template of the dialog's defaults, without filters, under that title.
    static bool savedTemplate(const QString& title) {
        return ExportTemplates::save(ExportTemplates::fromChoice(ExportChoice::defaults(), title),
                                     Consent::NotGiven)
                   .status == Confirmable::Status::Done;
    }

    int rowsIn(const QString& table) {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT * from '") +
                 TdmTables::companyTablePath(CurrentCompany().AFM, table) + QStringLiteral("'"));
        q.open();
        return q.recordCount();
    }

private Q_SLOTS:
    void pagesThroughProperties() {
        RegisterFixture r;
        r.declaration(2, {{"MistName1", "ΕΝΑ ΑΚΙΝΗΤΟ"}});
        r.property(2, 1, {{"ATAK", "111"}});
        r.declaration(1);
        for (int aa = 1; aa <= 3; ++aa)
            r.property(1, aa,
                       {{"ATAK", QString::number(aa * 100)},
                        {"Descr", QStringLiteral("Περιγραφή %1").arg(aa)}});
        withWorkspace([&](TfiMistomataTaxis& w) {
            DeclarationDetails& d = *w.details;
            QCOMPARE(d.gbAkinito->title(), QStringLiteral("Στοιχεία Ακινήτου ( 1 / 1 )"));
            QVERIFY(d.btPriorProperty->isHidden());
            QVERIFY(d.btNextProperty->isHidden());
            dmTables().tblMistDilMast.next(); // declaration 1 with three properties
            QCOMPARE(d.gbAkinito->title(), QStringLiteral("Στοιχεία Ακινήτου ( 1 / 3 )"));
            QVERIFY(d.btPriorProperty->isHidden());
            QVERIFY(!d.btNextProperty->isHidden());
            d.nextProperty();
            d.nextProperty();
            QCOMPARE(d.gbAkinito->title(), QStringLiteral("Στοιχεία Ακινήτου ( 3 / 3 )"));
            QVERIFY(!d.btPriorProperty->isHidden());
            QVERIFY(d.btNextProperty->isHidden());
            QCOMPARE(d.edDescr->toolTip(), QStringLiteral("Περιγραφή 3"));
            d.priorProperty();
            d.priorProperty();
            QCOMPARE(d.gbAkinito->title(), QStringLiteral("Στοιχεία Ακινήτου ( 1 / 3 )"));
            QVERIFY(d.btPriorProperty->isHidden());
            QVERIFY(!d.btNextProperty->isHidden());
        });
    }

    void colourOfTheCurrentAmendment() {
        RegisterFixture r;
        r.declaration(3);
        r.amendment(3, 31, {{"EidosDilosis", "Τροποποιητική"}});
        r.amendment(3, 32, {{"EidosDilosis", "Λύση"}, {"TotalMistoma", 1234.5}});
        r.declaration(2);
        r.amendment(2, 21, {{"EidosDilosis", "Τροποποιητική"}});
        r.declaration(1);
        withWorkspace([&](TfiMistomataTaxis& w) {
            DeclarationDetails& d = *w.details;
            QCOMPARE(d.currentAmendmentColour(),
                     QColor(255, 0, 0)); // the newest of 3 is a termination
            QCOMPARE(d.lbMistomaTrop->text(), QStringLiteral("1.234,50"));
            dmTables().tblMistDilMast.next();
            QCOMPARE(d.currentAmendmentColour(), QColor(255, 178, 43));
            dmTables().tblMistDilMast.next();
            QCOMPARE(d.currentAmendmentColour(), d.palette().color(QPalette::Button));
            QVERIFY(d.lbApoTrop->text().isEmpty());
        });
    }

    void onlyGreekCapitalYesTicks() {
        RegisterFixture r;
        r.declaration(1, {{"DilCheck1", "ΝΑΙ"},
                          {"DilCheck2", "NAI"},
                          {"DilCheck3", "ναι"},
                          {"DilCheck5", "ΝΑΙ"}});
        withWorkspace([&](TfiMistomataTaxis& w) {
            const QList<TickPicture*>& ticks = w.details->imgDilChecks;
            QVERIFY(ticks.at(0)->isTicked());
            QVERIFY(!ticks.at(1)->isTicked()); // Latin capitals
            QVERIFY(!ticks.at(2)->isTicked());
            QVERIFY(!ticks.at(3)->isTicked());
            QVERIFY(ticks.at(4)->isTicked());
        });
    }

    void ctrlDeleteKeepsTheAmendingDeclarations() {
        RegisterFixture r;
        r.declaration(2);
        r.amendment(2, 21);
        r.amendment(2, 22);
        r.property(2, 1);
        r.property(2, 2);
        r.declaration(1);
        r.property(1, 1);
        withWorkspace([&](TfiMistomataTaxis& w) {
            QTest::keyClick(w.dbcMistomata, Qt::Key_Delete,
                            Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(listed(), (QList<qlonglong>{2, 1}));
            QTest::keyClick(w.dbcTrop, Qt::Key_Delete,
                            Qt::ControlModifier); // the newest amendment, 22
            QCOMPARE(dmTables().tblMistDilDet.recordCount(), 1);
            QCOMPARE(dmTables().tblMistDilDet.text(QStringLiteral("TropDilCode")),
                     QStringLiteral("21"));
            QTest::keyClick(w.dbcMistomata, Qt::Key_Delete, Qt::ControlModifier);
            QCOMPARE(listed(), QList<qlonglong>{1});
        });
        QCOMPARE(rowsIn(QStringLiteral("MistDilAkinita")), 1);
        QCOMPARE(StoredDeclarations::CountSavedTropDils(), 1); // 21 stays, counted
    }

    void aTallerWindowShowsMoreRows() {
        RegisterFixture r;
        r.declaration(1);
        withWorkspace([&](TfiMistomataTaxis& w) {
            const int base = w.minimumSizeHint().height() + 100;
            w.resize(1000, base);
            QCoreApplication::processEvents();
            const int declarations = w.declarationRowsShown();
            const int amendments = w.amendmentRowsShown();
            const int listHeight = w.dbcMistomata->viewport()->height();
            w.resize(1000, base + 60);
            QCoreApplication::processEvents();
            const int grown = w.dbcMistomata->viewport()->height() - listHeight;
            QCOMPARE(w.declarationRowsShown(), (listHeight + grown) / 30);
            QVERIFY(w.declarationRowsShown() >= declarations + grown / 30);
            QVERIFY(grown >= 60);
            QVERIFY(w.amendmentRowsShown() >= amendments);
        });
    }

    void filterAndSearchFromTheControls() {
        RegisterFixture r;
        r.declaration(4512, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}});
        r.declaration(1203, {{"MistName1", "ΠΑΠΑΣ"}});
        r.declaration(1299, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}});
        RecordingMessages messages;
        withWorkspace([&](TfiMistomataTaxis& w) {
            FilterPanel& f = *w.filters;
            f.edFilterArDil->setText(QStringLiteral("12"));
            QTest::keyClick(f.edFilterArDil, Qt::Key_Return);
            QCOMPARE(dmTables().tblMistDilMast.text(QStringLiteral("DilCode")),
                     QStringLiteral("1299"));
            QTest::keyClick(f.edFilterArDil, Qt::Key_Return);
            QCOMPARE(dmTables().tblMistDilMast.text(QStringLiteral("DilCode")),
                     QStringLiteral("1203"));

            f.edFilterArDil->clear(); // a declaration number would filter the properties too
            f.edFilterName->setText(QStringLiteral("ΟΙΚΟΝ"));
            w.imFilterClick();
            QCOMPARE(messages.errors, QStringList());
            QVERIFY(w.pnArxeia->isVisible());
            QCOMPARE(listed(), (QList<qlonglong>{4512, 1299}));
            f.edFilterName->setText(QStringLiteral("ΚΑΝΕΙΣ"));
            w.imFilterClick();
            QCOMPARE(listed(), QList<qlonglong>{});
            f.edFilterName->clear();
            f.cbStadioDilosis->setCurrentIndex(1);
            w.imFilterClick();
            QCOMPARE(listed(), (QList<qlonglong>{4512, 1299, 1203}));

            f.cbAnaprosarmozomena->setChecked(true);
            w.imFilterClick();
            QCOMPARE(messages.shown, QStringList{RegisterFilter::kAdjustableNeedsDates});
        });
    }

    void theFilterTakesTheDatesAsTyped() {
        RegisterFixture r;
        r.declaration(1, {{"MistosiEosDate", "15/06/2020"}});
        r.declaration(2, {{"MistosiEosDate", "15/06/2026"}});
        RecordingMessages messages;
        withWorkspace([&](TfiMistomataTaxis& w) {
            TMaskEditDate* from = w.filters->edFilterDateApo;
            from->setFocus();
            from->setCursorPosition(0);
            typeText(from, QStringLiteral("01062026")); // the filter button takes no focus
            QTest::mouseClick(w.filters->imFilter, Qt::LeftButton);
            QCOMPARE(listed(), QList<qlonglong>{2});
            from->setDateText(QString());
            from->setCursorPosition(0);
            typeText(from, QStringLiteral("310226"));
            QTest::mouseClick(w.filters->imFilter, Qt::LeftButton);
            QCOMPARE(messages.shown, QStringList{RegisterFilter::kNotADate});
            QVERIFY(from->isMarked());
            QCOMPARE(listed(), QList<qlonglong>{2}); // nothing changed
            QVERIFY(w.pnArxeia->isVisible());
        });
    }

    void aFailedFilterRunShowsTheDeclarationsAgain() {
        RegisterFixture r;
        r.declaration(1, {{"MistosiApoDate", "01/06/2025"}, {"MistosiEosDate", "31/02/2027"}});
        RecordingMessages messages;
        withWorkspace([&](TfiMistomataTaxis& w) {
            w.filters->cbAnaprosarmozomena->setChecked(true);
            w.filters->edFilterDateApo->setDateText(QStringLiteral("01/06/2026"));
            w.filters->edFilterDateEos->setDateText(QStringLiteral("03/06/2026"));
            w.imFilterClick();
            QCOMPARE(messages.errors.size(), 1);
            QVERIFY(messages.errors.first().contains(QStringLiteral("2027/02/31")));
            QVERIFY(w.pnArxeia->isVisible());
            QCOMPARE(listed(), QList<qlonglong>{1});
        });
    }

    void theContextMenusRunThePlatformActions() {
        // No browser window is open: each action tells the operator, the initial
        // declarations' menu for the declaration, the amending one for its amendment.
        struct NoPages : PageSource {
            PageAnswer answer(const PageRequest&) override { return {404, QString(), {}, {}}; }
        } noPages;
        ScriptedBrowser browser(noPages);
        setBrowserOps(&browser);
        RegisterFixture r;
        r.declaration(1203, {{"StadioYpovolis", "Οριστικοποιημένο"}});
        r.amendment(1203, 4512, {{"StadioYpovolis", "Προσωρινά Αποθηκευμένο"}});
        RecordingMessages messages;
        withWorkspace([&](TfiMistomataTaxis& w) {
            w.pmArxikes->findChild<QAction*>(QStringLiteral("miView"))->trigger();
            QCOMPARE(messages.shown.size(), 1);
            w.pmTrops->findChild<QAction*>(QStringLiteral("miAmend"))->trigger();
            QCOMPARE(messages.shown.size(), 2);
            QVERIFY(messages.shown.at(1) !=
                    messages.shown.at(0)); // the amendment is provisionally saved
            w.portal->edUserName->clear();
            w.sbConnectAADEClick(); // no credentials: refused before any browser is opened
            QCOMPARE(messages.shown.size(), 3);
            QVERIFY(browser.ListBrowserWindows().isEmpty());
        });
        QVERIFY(messages.errors.isEmpty());
        setBrowserOps(nullptr);
    }

    void theExportButtonsWriteTheListAsItStands() {
        // Opens nothing; notes whether the pointer was the hourglass at each hand-over.
        struct NoOpener : WorkbookOpener {
            QList<bool> underHourglass;
            bool open(const QString&) override {
                const QCursor* pointer = QApplication::overrideCursor();
                underHourglass << (pointer && pointer->shape() == Qt::WaitCursor);
                return true;
            }
        };
        const auto opener = std::make_shared<NoOpener>();
        QTemporaryDir output;
        std::vector<std::shared_ptr<WorkbookApp>> started; // each export starts its own
        setSpreadsheetStarter([&] {
            started.push_back(std::make_shared<WorkbookApp>(opener, output.path()));
            return std::static_pointer_cast<SpreadsheetApp>(started.back());
        });
        RegisterFixture r;
        r.declaration(4512, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}});
        r.declaration(1203, {{"MistName1", "ΠΑΠΑΣ"}});
        withWorkspace([&](TfiMistomataTaxis& w) {
            w.filters->edFilterName->setText(QStringLiteral("ΠΑΠ"));
            w.imFilterClick();
            w.btExportToExcel->click();
            QVERIFY(w.fiWait->isHidden());
            w.details->btExelixi->click();
        });
        setSpreadsheetStarter({});
        QCOMPARE(int(started.size()), 2);
        QCOMPARE(opener->underHourglass, QList<bool>({true, true}));
        QVERIFY(!QApplication::overrideCursor()); // the pointer is given back
        const SheetModel& registerSheet = started.at(0)->model(1).sheet();
        QCOMPARE(registerSheet.value(4, 1).toString(), QStringLiteral("1203")); // the filtered view
        QVERIFY(registerSheet.value(5, 1).isNull());
        QCOMPARE(started.at(1)->model(1).sheet().value(16, 2).toString(),
                 QStringLiteral("1203")); // in hand
    }

    void theExportsKeepTheDeclarationInHand_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("register export") << "btLoadProtypo";
        QTest::newRow("current-view export") << "btExportToExcel";
        QTest::newRow("rent progression") << "btExelixi";
    }
    void theExportsKeepTheDeclarationInHand() {
        QFETCH(QString, command);
        ExportFixture fx;
        TableStore::Transaction oneCommit;
        for (qlonglong dilCode = 1; dilCode <= 30; ++dilCode) {
            fx.declarations.declaration(dilCode);
            fx.declarations.amendment(dilCode, dilCode * 10);
        }
        for (int aa = 1; aa <= 3; ++aa) // the declaration in hand, and the last one walked
            for (qlonglong dilCode : {18, 1})
                fx.declarations.property(dilCode, aa);
        for (qlonglong trop = 181; trop <= 183; ++trop)
            fx.declarations.amendment(
                18, trop, {{"MistosiApoDate", QStringLiteral("0%1/01/2026").arg(trop - 180)}});
        oneCommit.commit();
        dmTables().EnsureSharedTables();
        QVERIFY(savedTemplate(QStringLiteral("Όλες")));
        withWorkspace([&](TfiMistomataTaxis& w) {
            innerDialog = [](QDialog& d) -> int {
                static_cast<TfiMistDilProtList&>(d).btSelect->click();
                return d.result();
            };
            TdmTables& dm = dmTables();
            QScrollBar* declarationsBar = w.dbcMistomata->verticalScrollBar();
            dm.tblMistDilMast.moveTo(12); // declaration 18
            w.details->nextProperty();    // its second property
            declarationsBar->setValue(10);
            QCOMPARE(declarationsBar->value(), 10);
            QCOMPARE(w.details->gbAkinito->title(), QStringLiteral("Στοιχεία Ακινήτου ( 2 / 3 )"));

            if (command == QLatin1String("btExelixi"))
                w.details->btExelixi->click();
            else
                w.findChild<QPushButton*>(command)->click();
            QCOMPARE(fx.app->workbookCount(), 1);

            QCOMPARE(dm.tblMistDilMast.text(QStringLiteral("DilCode")), QStringLiteral("18"));
            QCOMPARE(dm.tblMistDilDet.text(QStringLiteral("TropDilCode")), QStringLiteral("183"));
            QCOMPARE(dm.tblMistDilAkinita.text(QStringLiteral("AA")), QStringLiteral("2"));
            QCOMPARE(w.dbcMistomata->currentIndex().row(), 12);
            QCOMPARE(w.dbcTrop->currentIndex().row(), 0);
            QCOMPARE(w.details->lbApoTrop->text(), QStringLiteral("03/01/2026"));
            QCOMPARE(w.details->gbAkinito->title(), QStringLiteral("Στοιχεία Ακινήτου ( 2 / 3 )"));
            QVERIFY(!w.details->btPriorProperty->isHidden());
            QCOMPARE(declarationsBar->value(), 10);
            QCOMPARE(w.dbcTrop->verticalScrollBar()->value(), 0);
        });
    }

    void theTemplateButtonsLoadFilterAndExport() {
        ExportFixture fx;
        fx.declarations.declaration(4512, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}});
        fx.declarations.declaration(1203, {{"MistName1", "ΠΑΠΑΣ"}});
        dmTables().EnsureSharedTables();
        ExportTemplate stored =
            ExportTemplates::fromChoice(ExportChoice::defaults(), QStringLiteral("Παπάς"));
        FilterCriteria papas;
        papas.name = QStringLiteral("ΠΑΠ");
        papas.dateFrom = papas.dateTo = QStringLiteral("  /  /20  ");
        stored.filters = papas;
        stored.layout = ExportLayout::Latest;
        QCOMPARE(ExportTemplates::save(stored, Consent::NotGiven).status,
                 Confirmable::Status::Done);
        withWorkspace([&](TfiMistomataTaxis& w) {
            QString opened;
            innerDialog = [&](QDialog& d) -> int {
                opened = d.objectName();
                return QDialog::Rejected;
            };
            w.btReports->click(); // the dialog, closed with "Έξοδος": no export
            QCOMPARE(opened, QStringLiteral("fiReport"));
            w.btLoadProtypo->click(); // no template chosen: no export
            QCOMPARE(opened, QStringLiteral("fiMistDilProtList"));
            QCOMPARE(fx.app->workbookCount(), 0);
            QVERIFY(w.filters->edFilterName->text().isEmpty());

            innerDialog = [](QDialog& d) -> int {
                static_cast<TfiMistDilProtList&>(d).btSelect->click();
                return d.result();
            };
            w.btLoadProtypo->click();
            QCOMPARE(w.filters->edFilterName->text(), QStringLiteral("ΠΑΠ"));
            QCOMPARE(listed(), QList<qlonglong>{1203});
            QVERIFY(w.fiWait->isHidden());
        });
        QCOMPARE(fx.app->workbookCount(), 1);
        QCOMPARE(fx.at(2, 1), QStringLiteral("ΑΡΧΙΚΕΣ/ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ")); // its layout
        QCOMPARE(fx.at(4, 1), QStringLiteral("1203")); // the filtered view
        QVERIFY(fx.sheet().value(5, 1).isNull());
    }

    void openingClearsTheMarksAndFillsThePanels() {
        RegisterFixture r;
        r.declaration(1, {{"FilterField", 1}, {"Simiosis", "Πρώτη γραμμή\nΔεύτερη"}});
        r.amendment(1, 11);
        r.amendment(1, 12);
        CurrentCompany().CompUserName = QStringLiteral("owner");
        CurrentCompany().CompPassword = QStringLiteral("own-pass");
        CurrentCompany().EkprUserName = QStringLiteral("agent");
        CurrentCompany().EkprPassword = QStringLiteral("agent-pass");
        withWorkspace([&](TfiMistomataTaxis& w) {
            QCOMPARE(w.portal->lbSavedArxDils->text(), QStringLiteral("1"));
            QCOMPARE(w.portal->lbSavedTropDils->text(), QStringLiteral("2"));
            QCOMPARE(w.portal->lbTaxisArxDils->text(), QStringLiteral("?"));
            QVERIFY(w.portal->pnInsertNewDils->isHidden());
            QCOMPARE(w.sgSubmissionList.cell(1199, 0), QStringLiteral("1199"));
            QVERIFY(w.portal->cbSetLoginWithEkpr->isChecked());
            QCOMPARE(w.portal->edUserName->text(), QStringLiteral("agent"));
            w.portal->edUserName->setText(QStringLiteral("typed"));
            w.portal->cbSetLoginWithEkpr->click();
            QCOMPARE(w.portal->edUserName->text(), QStringLiteral("owner"));
            w.portal->cbSetLoginWithEkpr->click();
            QCOMPARE(w.portal->edUserName->text(), QStringLiteral("agent"));
            QCOMPARE(w.portal->edPassword->text(), QStringLiteral("agent-pass"));

            QString notesShown;
            innerDialog = [&](QDialog& d) -> int {
                if (auto* viewer = qobject_cast<TfiDispMistSymb*>(&d))
                    notesShown = viewer->reSymb->toPlainText();
                return QDialog::Rejected;
            };
            w.btLoadClick();
            QCOMPARE(notesShown, QStringLiteral("Πρώτη γραμμή\nΔεύτερη"));
        });
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT DilCode from '") + StoredDeclarations::mastPath() +
                 QStringLiteral("' where FilterField = 1"));
        q.open();
        QCOMPARE(q.recordCount(), 0);
    }
};

LETHORA_TEST_MAIN(TestWorkspaceWindow)
#include "tst_workspace_window.moc"
