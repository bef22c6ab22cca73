// Export templates: the template dialog's option rule, saving (with and without the
// workspace's filters, overwriting in any letter case), loading through the template
// list, tick strings shorter than their lists, and deleting from the list.

#include "common/DialogRunner.h"
#include "exports/ExportTemplate.h"
#include "exports/TfiMistDilProtList.h"
#include "exports/TfiReport.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace {
// The workspace's filter controls as a template sees them, recorded.
struct FakeWorkspace {
    FilterCriteria controls;
    QList<FilterCriteria> shown;
    int runs = 0;
    WorkspaceFilters link() {
        return {[this] { return controls; },
                [this](const FilterCriteria& c) {
                    shown << c;
                    controls = c;
                },
                [this] { ++runs; }};
    }
};

bool sameCriteria(const FilterCriteria& a, const FilterCriteria& b) {
    return a.stage == b.stage && a.name == b.name && a.afm == b.afm && a.dateFrom == b.dateFrom &&
           a.dateTo == b.dateTo && a.withTerminations == b.withTerminations &&
           a.declarationNumber == b.declarationNumber && a.atak == b.atak && a.address == b.address;
}

FilterCriteria someCriteria() {
    FilterCriteria c;
    c.stage = StageChoice::Final;
    c.name = QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ");
    c.afm = QStringLiteral("094014298");
    c.dateFrom = QStringLiteral("01/01/2025");
    c.dateTo = QStringLiteral("  /  /20  ");
    c.withTerminations = true;
    c.adjustable = true;
    c.declarationNumber = QStringLiteral("0012");
    c.atak = QStringLiteral("01234567890");
    c.address = QStringLiteral("ΕΡΜΟΥ");
    return c;
}

void setTick(QListWidget* list, int item, bool on) {
    list->item(item - 1)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

bool ticked(QListWidget* list, int item) {
    return list->item(item - 1)->checkState() == Qt::Checked;
}

// A template of the dialog's defaults under that title.
ExportTemplate titled(const QString& title) {
    return ExportTemplates::fromChoice(ExportChoice::defaults(), title);
}

// Saves a template whose title is not stored yet: no question is needed.
bool savedAsNew(const ExportTemplate& stored) {
    return ExportTemplates::save(stored, Consent::NotGiven).status == Confirmable::Status::Done;
}

// Answers the template list by choosing the template of that title.
int chooseTitled(QDialog& d, const QString& title) {
    auto* list = qobject_cast<TfiMistDilProtList*>(&d);
    if (!list)
        return QDialog::Rejected;
    TableCursor& table = dmTables().tblMistDilProtypa;
    if (!table.locate(QStringLiteral("Title"), title))
        return QDialog::Rejected;
    list->btSelect->click();
    return d.result();
}

// Every stored template, as its record reads.
QList<ExportTemplate> storedTemplates() {
    TableCursor& table = dmTables().tblMistDilProtypa;
    table.open();
    CloseAfter closing(table);
    QList<ExportTemplate> all;
    for (table.first(); !table.eof() && !table.isEmpty(); table.next())
        all << ExportTemplates::read(table);
    return all;
}
} // namespace

class TestExportTemplates : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolder> folder;
    FakeWorkspace workspace;

    // Loads the template of that title into the dialog through the template list.
    void loadTitled(TfiReport& report, const QString& title) {
        setDialogRunner([&](QDialog& d) { return chooseTitled(d, title); });
        report.btLoadClick();
        rejectUnexpectedDialogs();
    }

    // Saves a template from the dialog with the workspace's filters; the workspace's
    // controls are emptied afterwards.
    void saveWithFilters(const QString& title) {
        workspace.controls = someCriteria();
        TfiReport saving(workspace.link());
        saving.edProtypoTitle->setText(title);
        saving.cbSaveFilters->setChecked(true);
        saving.btSave->click();
        workspace.controls = {};
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        dmTables().EnsureSharedTables();
        workspace = {};
    }
    void cleanup() {
        dmTables().tblMistDilProtypa.close();
        folder.reset();
    }

    void theOptionRuleTicksTheKindColumns() {
        TfiReport report(workspace.link());
        QCOMPARE(report.rgProperties->checkedId(), 0);
        QVERIFY(!ticked(report.clbMast, 4));
        QVERIFY(!ticked(report.clbTrops, 4));
        report.rgProperties->button(1)->click();
        QVERIFY(ticked(report.clbMast, 4));
        QVERIFY(ticked(report.clbTrops, 4));
        setTick(report.clbMast, 4, false);
        setTick(report.clbTrops, 4, false);
        report.rgProperties->button(0)->click(); // option 0 changes no tick
        QVERIFY(!ticked(report.clbMast, 4));
        QVERIFY(!ticked(report.clbTrops, 4));
        report.rgProperties->button(2)->click();
        QVERIFY(ticked(report.clbMast, 4));
        QVERIFY(ticked(report.clbTrops, 4));
        QCOMPARE(report.choice().layout, ExportLayout::LatestFirstProperty);
    }

    void saveAndLoadWithoutFilters() {
        RecordingMessages answers;
        TfiReport saving(workspace.link());
        setTick(saving.clbMast, 1, false);
        setTick(saving.clbMast, 9, true);
        setTick(saving.clbMistotes, 3, true);
        setTick(saving.clbTrops, 8, false);
        setTick(saving.clbAkinita, 14, true);
        saving.rgProperties->button(2)->click();
        saving.edProtypoTitle->setText(QStringLiteral("Μηνιαία κατάσταση"));
        saving.btSave->click();
        QVERIFY(answers.shown.isEmpty());
        QVERIFY(answers.asked.isEmpty());
        const QList<ExportTemplate> stored = storedTemplates();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).mast, QStringLiteral("010101111"));
        QCOMPARE(stored.at(0).mistotes, QStringLiteral("111"));
        QCOMPARE(stored.at(0).trops, QStringLiteral("11010110"));
        QCOMPARE(stored.at(0).akinita, QStringLiteral("00000100000001"));
        QCOMPARE(stored.at(0).layout, ExportLayout::LatestFirstProperty);
        QVERIFY(!stored.at(0).filters);
        QVERIFY(!dmTables().tblMistDilProtypa.isOpen()); // open only while saving

        TfiReport loading(workspace.link());
        loadTitled(loading, QStringLiteral("Μηνιαία κατάσταση"));
        QVERIFY(loading.templateChosen());
        QCOMPARE(loading.edProtypoTitle->text(), QStringLiteral("Μηνιαία κατάσταση"));
        const ExportChoice loaded = loading.choice();
        const ExportChoice saved = saving.choice();
        QCOMPARE(loaded.mast, saved.mast);
        QCOMPARE(loaded.mistotes, saved.mistotes);
        QCOMPARE(loaded.trops, saved.trops);
        QCOMPARE(loaded.akinita, saved.akinita);
        QCOMPARE(loaded.layout, ExportLayout::LatestFirstProperty);
        QVERIFY(!loading.cbSaveFilters->isChecked());
        QVERIFY(workspace.shown.isEmpty()); // the workspace's filter stays as it is
        QCOMPARE(workspace.runs, 0);
        QVERIFY(!dmTables().tblMistDilProtypa.isOpen());
    }

    void saveAndLoadWithFilters() {
        RecordingMessages answers;
        saveWithFilters(QStringLiteral("Με φίλτρα"));
        TfiReport loading(workspace.link());
        loadTitled(loading, QStringLiteral("Με φίλτρα"));
        QVERIFY(loading.cbSaveFilters->isChecked());
        QCOMPARE(workspace.shown.size(), 1);
        QVERIFY(sameCriteria(workspace.shown.at(0), someCriteria()));
        QCOMPARE(workspace.runs, 1); // the workspace is filtered before any export
        QVERIFY(answers.shown.isEmpty());
    }

    void loadingWithoutFiltersWhileKeepingFiltersRunsTheCurrentOnes() {
        ExportTemplate plain = titled(QStringLiteral("Απλό"));
        QVERIFY(savedAsNew(plain));
        TfiReport loading(workspace.link());
        loading.cbSaveFilters->setChecked(true);
        loadTitled(loading, QStringLiteral("Απλό"));
        QVERIFY(workspace.shown.isEmpty());
        QCOMPARE(workspace.runs, 1);
    }

    void overwritingInAnotherCaseKeepsTheStoredFilters() {
        RecordingMessages answers;
        saveWithFilters(QStringLiteral("Ενοίκια σπιτιών"));
        TfiReport second(workspace.link());
        setTick(second.clbAkinita, 2, true);
        second.rgProperties->button(1)->click();
        second.edProtypoTitle->setText(QStringLiteral("ΕΝΟΊΚΙΑ ΣΠΙΤΙΏΝ"));
        answers.queueAnswer(false); // refused: nothing is written
        second.btSave->click();
        QCOMPARE(answers.asked, QStringList{ExportTemplates::kOverwrite});
        QCOMPARE(storedTemplates().at(0).title, QStringLiteral("Ενοίκια σπιτιών"));
        QCOMPARE(storedTemplates().at(0).layout, ExportLayout::Full);

        answers.queueAnswer(true);
        second.btSave->click();
        const QList<ExportTemplate> stored = storedTemplates();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).title, QStringLiteral("ΕΝΟΊΚΙΑ ΣΠΙΤΙΏΝ"));
        QCOMPARE(stored.at(0).akinita, QStringLiteral("01000100000000"));
        QCOMPARE(stored.at(0).layout, ExportLayout::Latest);
        QVERIFY(stored.at(0).filters);
        QVERIFY(sameCriteria(*stored.at(0).filters, someCriteria()));

        TfiReport loading(workspace.link());
        loadTitled(loading, QStringLiteral("ΕΝΟΊΚΙΑ ΣΠΙΤΙΏΝ"));
        QCOMPARE(workspace.shown.size(), 1);
        QVERIFY(sameCriteria(workspace.shown.at(0), someCriteria()));
    }

    void overwritingWaitsForConsent() {
        QVERIFY(savedAsNew(titled(QStringLiteral("Πρότυπο"))));
        ExportTemplate changed = titled(QStringLiteral("ΠΡΌΤΥΠΟ"));
        changed.layout = ExportLayout::Latest;
        const Confirmable asked = ExportTemplates::save(changed, Consent::NotGiven);
        QCOMPARE(asked.status, Confirmable::Status::NeedsYes);
        QCOMPARE(asked.question, ExportTemplates::kOverwrite);
        QCOMPARE(storedTemplates().at(0).title, QStringLiteral("Πρότυπο")); // nothing written

        QCOMPARE(ExportTemplates::save(changed, Consent::Given).status, Confirmable::Status::Done);
        const QList<ExportTemplate> stored = storedTemplates();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).title, QStringLiteral("ΠΡΌΤΥΠΟ"));
        QCOMPARE(stored.at(0).layout, ExportLayout::Latest);
    }

    void aTemplateWithoutTitleIsNotSaved() {
        RecordingMessages answers;
        TfiReport report(workspace.link());
        report.btSave->click();
        QCOMPARE(answers.shown, QStringList{ExportTemplates::kNoTitle});
        QVERIFY(storedTemplates().isEmpty());
    }

    void aShortTickStringLeavesTheLastItemsAsTheyWere() {
        ExportTemplate shortOne = titled(QStringLiteral("Παλιό"));
        shortOne.akinita = QStringLiteral("111111111111"); // 12 of 14
        QVERIFY(savedAsNew(shortOne));
        TfiReport report(workspace.link());
        setTick(report.clbAkinita, 13, true);
        setTick(report.clbAkinita, 14, false);
        loadTitled(report, QStringLiteral("Παλιό"));
        for (int item = 1; item <= 12; ++item)
            QVERIFY(ticked(report.clbAkinita, item));
        QVERIFY(ticked(report.clbAkinita, 13));
        QVERIFY(!ticked(report.clbAkinita, 14));
    }

    void loadingTheLatestLayoutTicksTheKindColumnsOnlyWhenTheOptionChanges_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("kindTicked");
        QTest::newRow("from option 0") << 0 << true;
        QTest::newRow("option 1 already") << 1 << false; // the saved ticks stand
        QTest::newRow("from option 2") << 2 << true;
    }
    void loadingTheLatestLayoutTicksTheKindColumnsOnlyWhenTheOptionChanges() {
        QFETCH(int, before);
        QFETCH(bool, kindTicked);
        ExportTemplate latest = titled(QStringLiteral("Τελευταία"));
        latest.layout = ExportLayout::Latest; // saved with "Είδος " unticked
        QVERIFY(savedAsNew(latest));
        TfiReport report(workspace.link());
        report.rgProperties->button(before)->click();
        setTick(report.clbMast, 4, true);
        setTick(report.clbTrops, 4, true);
        loadTitled(report, QStringLiteral("Τελευταία"));
        QCOMPARE(report.rgProperties->checkedId(), 1);
        QCOMPARE(ticked(report.clbMast, 4), kindTicked);
        QCOMPARE(ticked(report.clbTrops, 4), kindTicked);
    }

    void closingTheListLoadsNothing() {
        QVERIFY(savedAsNew(titled(QStringLiteral("Ένα"))));
        TfiReport report(workspace.link());
        setTick(report.clbMast, 1, false);
        setDialogRunner([](QDialog& d) {
            static_cast<TfiMistDilProtList&>(d).btExit->click();
            return d.result();
        });
        report.btLoadClick();
        rejectUnexpectedDialogs();
        QVERIFY(!report.templateChosen());
        QVERIFY(report.edProtypoTitle->text().isEmpty());
        QVERIFY(!ticked(report.clbMast, 1));
    }

    void ctrlDeleteRemovesTheSelectedTemplateAfterConfirmation() {
        for (const char* title : {"Πρώτο", "Δεύτερο"})
            QVERIFY(savedAsNew(titled(QString::fromUtf8(title))));
        RecordingMessages answers;
        QString selected;
        QList<int> counts; // after Delete, a refused Ctrl+Delete and an accepted one
        setDialogRunner([&](QDialog& d) -> int {
            auto& list = static_cast<TfiMistDilProtList&>(d);
            TableCursor& table = dmTables().tblMistDilProtypa;
            list.show();
            list.grdProtypa->selectRow(1);
            selected = table.text(QStringLiteral("Title"));
            QTest::keyClick(list.grdProtypa, Qt::Key_Delete);
            counts << table.recordCount();
            answers.queueAnswer(false);
            QTest::keyClick(list.grdProtypa, Qt::Key_Delete, Qt::ControlModifier);
            counts << table.recordCount();
            answers.queueAnswer(true);
            QTest::keyClick(list.grdProtypa, Qt::Key_Delete, Qt::ControlModifier);
            counts << table.recordCount();
            list.btExit->click();
            return d.result();
        });
        const std::optional<ExportTemplate> chosen = chooseExportTemplate();
        rejectUnexpectedDialogs();
        QVERIFY(!chosen);
        QCOMPARE(selected, QStringLiteral("Δεύτερο"));
        QCOMPARE(counts, (QList<int>{2, 2, 1}));
        QCOMPARE(answers.asked, (QStringList{TfiMistDilProtList::kDeleteRecord,
                                             TfiMistDilProtList::kDeleteRecord}));
        const QList<ExportTemplate> stored = storedTemplates();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).title, QStringLiteral("Πρώτο"));
    }

    void doubleClickChoosesATemplate() {
        QVERIFY(savedAsNew(titled(QStringLiteral("Μόνο"))));
        setDialogRunner([](QDialog& d) -> int {
            auto& list = static_cast<TfiMistDilProtList&>(d);
            const QModelIndex first = list.grdProtypa->model()->index(0, 0);
            Q_EMIT list.grdProtypa->doubleClicked(first);
            return d.result();
        });
        const std::optional<ExportTemplate> chosen = chooseExportTemplate();
        rejectUnexpectedDialogs();
        QVERIFY(chosen);
        QCOMPARE(chosen->title, QStringLiteral("Μόνο"));
        QVERIFY(!dmTables().tblMistDilProtypa.isOpen());
    }
};

LETHORA_TEST_MAIN(TestExportTemplates)
#include "tst_export_templates.moc"
