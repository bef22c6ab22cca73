// Quick searches and the filter over a company's declarations.

#include "common/ErrorReport.h"
#include "store/StoreQuery.h"
#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"
#include "workspace/ExpiryTest.h"
#include "workspace/QuickSearch.h"
#include "workspace/RegisterFilter.h"
#include "workspace/StoredCounts.h"

using Fields = QVariantMap;

class TestSearchFilter : public QObject {
    Q_OBJECT

    QList<qlonglong> marked() {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT DilCode from '") + StoredDeclarations::mastPath() +
                 QStringLiteral("' where FilterField = 1 order by DilCode desc"));
        q.open();
        QList<qlonglong> codes;
        for (q.first(); !q.eof(); q.next())
            codes << q.value(0).toLongLong();
        return codes;
    }

    FilterCriteria criteria() {
        FilterCriteria c;
        c.dateFrom = c.dateTo = QStringLiteral("  /  /20  ");
        return c;
    }

private Q_SLOTS:
    void quickSearchByNumberMatchesTheBeginning() {
        RegisterFixture r;
        r.declaration(1203);
        r.declaration(4512);
        QuickSearch search;
        QCOMPARE(search.search(QuickSearchKind::Number, QStringLiteral("12")),
                 std::optional<qlonglong>(1203));
        QCOMPARE(search.hits(), QList<qlonglong>{1203});
        QCOMPARE(search.search(QuickSearchKind::Number, QStringLiteral("7")), std::nullopt);
        QCOMPARE(search.search(QuickSearchKind::Number, QString()), std::nullopt);
    }

    void repeatingASearchCyclesThroughItsHits() {
        RegisterFixture r;
        r.declaration(1203);
        r.declaration(1299);
        r.declaration(4512);
        QuickSearch search;
        QList<qlonglong> shown;
        for (int enter = 0; enter < 3; ++enter)
            shown << *search.search(QuickSearchKind::Number, QStringLiteral("12"));
        QCOMPARE(shown, (QList<qlonglong>{1299, 1203, 1299}));
        r.declaration(1250); // a repeat reads no table: the new declaration is not among the hits
        QCOMPARE(*search.search(QuickSearchKind::Number, QStringLiteral("12")), 1203);
        search.forget();
        QCOMPARE(*search.search(QuickSearchKind::Number, QStringLiteral("12")), 1299);
        QCOMPARE(search.hits().size(), 3);
    }

    void anAmendingNumberBringsUpItsDeclaration() {
        RegisterFixture r;
        r.declaration(1203);
        r.declaration(4512);
        r.amendment(4512, 9001);
        QuickSearch search;
        QCOMPARE(*search.search(QuickSearchKind::Number, QStringLiteral("9001")), 4512);
        // Initial declarations come first, then the amended ones.
        QCOMPARE(QuickSearch::collectHits(QuickSearchKind::Number, QStringLiteral("")),
                 (QList<qlonglong>{4512, 1203, 4512}));
    }

    void nameAndTaxNumberSearchesCountCaseAndAccents() {
        RegisterFixture r;
        r.declaration(1, {{"MistName3", "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"}});
        r.declaration(2, {{"MistName1", "Παπαδόπουλος Γιώργος"}});
        r.declaration(3, {{"MistName2", "ΠΑΠΑΔΌΠΟΥΛΟΣ"}, {"MistAFM5", "094014298"}});
        QCOMPARE(QuickSearch::collectHits(QuickSearchKind::Name, QStringLiteral("ΠΑΠΑΔΟ")),
                 QList<qlonglong>{1});
        QCOMPARE(QuickSearch::collectHits(QuickSearchKind::Name, QStringLiteral("Γιώργος")),
                 QList<qlonglong>{2});
        QCOMPARE(QuickSearch::collectHits(QuickSearchKind::TaxNumber, QStringLiteral("4014")),
                 QList<qlonglong>{3});
    }

    void onlyActiveDeclarations() {
        RegisterFixture r;
        r.declaration(1, {{"StadioYpovolis", "Οριστική"}});
        r.declaration(2, {{"StadioYpovolis", "Προσωρινά Αποθηκευμένο"}});
        r.declaration(3, {{"StadioYpovolis", "Οριστική"}});
        r.amendment(3, 31, {{"EidosDilosis", "Τροποποιητική"}});
        r.amendment(3, 32, {{"EidosDilosis", "Λύση"}});
        r.declaration(4, {{"StadioYpovolis", "Προσωρινά Αποθηκευμένο"}});
        r.amendment(4, 41, {{"EidosDilosis", "Τροποποιητική"}, {"StadioYpovolis", "Οριστική"}});
        FilterCriteria c = criteria();
        c.stage = StageChoice::Active;
        const FilterOutcome outcome = RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{4, 1}));
        QVERIFY(outcome.filterOn());
        c.stage = StageChoice::Provisional; // provisionally saved: the newest amending declaration
                                            // decides
        RegisterFilter::run(c);
        QCOMPARE(marked(), QList<qlonglong>{2});
        c.stage = StageChoice::Final;
        RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{4, 3, 1}));
    }

    void expiryBounds() {
        RegisterFixture r;
        r.declaration(1, {{"MistosiEosDate", "31/12/2026"}});
        r.declaration(2, {{"MistosiEosDate", ""}});
        r.declaration(3, {{"MistosiEosDate", "01/01/2024"}});
        r.declaration(4, {{"MistosiEosDate", "01/01/2030"}});
        r.amendment(4, 41, {{"MistosiEosDate", "15/06/2026"}, {"EidosDilosis", "Τροποποιητική"}});
        FilterCriteria c = criteria();
        c.dateFrom = QStringLiteral("01/01/2026");
        RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{4, 2, 1})); // no end date passes a from-date alone
        c = criteria();
        c.dateTo = QStringLiteral("31/12/2026");
        RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{4, 3, 1})); // and fails a to-date alone
        c.dateFrom = QStringLiteral("01/06/2026");
        c.dateTo = QStringLiteral("30/06/2026");
        RegisterFilter::run(c);
        QCOMPARE(marked(),
                 (QList<qlonglong>{4, 2})); // the newest amending end counts; no end passes both
    }

    void terminationsNeedTheirBox() {
        RegisterFixture r;
        r.declaration(1, {{"MistosiEosDate", "31/12/2030"}});
        r.amendment(1, 11, {{"EidosDilosis", "Λύση"}, {"MistosiEosDate", "30/06/2026"}});
        r.declaration(2, {{"MistosiEosDate", "30/06/2026"}});
        FilterCriteria c = criteria();
        c.dateFrom = QStringLiteral("01/06/2026");
        c.dateTo = QStringLiteral("31/07/2026");
        RegisterFilter::run(c);
        QCOMPARE(marked(), QList<qlonglong>{2});
        c.withTerminations = true;
        RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{2, 1}));
    }

    void nameAndAddressMustBothMatch() {
        RegisterFixture r;
        r.declaration(1, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}});
        r.property(1, 1, {{"Odos", "ΕΡΜΟΥ"}});
        r.declaration(2, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}});
        r.property(2, 1, {{"Odos", "ΣΤΑΔΙΟΥ"}});
        r.declaration(3, {{"MistName1", "ΑΛΛΟΣ"}});
        r.property(3, 1, {{"Odos", "ΕΡΜΟΥ"}});
        FilterCriteria c = criteria();
        c.name = QStringLiteral("ΟΙΚΟΝ");
        c.address = QStringLiteral("ΕΡΜ");
        RegisterFilter::run(c);
        QCOMPARE(marked(), QList<qlonglong>{1});
    }

    void allDeclarationsAloneMarksNothingAndShowsAll() {
        RegisterFixture r;
        r.declaration(1);
        FilterCriteria c = criteria();
        c.stage = StageChoice::All;
        const FilterOutcome all = RegisterFilter::run(c);
        QCOMPARE(all.marked, 0);
        QVERIFY(!all.filterOn());
        c.name = QStringLiteral("κανείς");
        const FilterOutcome none = RegisterFilter::run(c);
        QCOMPARE(none.marked, 0);
        QVERIFY(none.filterOn()); // a filled criterion without a match shows an empty list
    }

    void thePropertyNumberMatchesAnywhere() {
        RegisterFixture r;
        r.declaration(1450);
        r.property(1450, 1);
        r.declaration(45); // no properties: fails the property test
        r.declaration(2345);
        r.property(2345, 1);
        r.declaration(999);
        r.property(999, 1, {{"ATAK", "0045"}});
        FilterCriteria c = criteria();
        c.declarationNumber = QStringLiteral("45");
        RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{2345, 1450}));
        c = criteria();
        c.atak = QStringLiteral("004");
        RegisterFilter::run(c);
        QCOMPARE(marked(), QList<qlonglong>{999});
    }

    void adjustableLeasesTurnAtThreeHundredSixtyFiveDays() {
        // From 01/06/2026 to 03/06/2026; the leases started a year earlier.
        RegisterFixture r;
        r.declaration(364, {{"MistosiApoDate", "01/06/2025"}, {"MistosiEosDate", "31/05/2027"}});
        r.declaration(365, {{"MistosiApoDate", "01/06/2025"}, {"MistosiEosDate", "01/06/2027"}});
        r.declaration(366, {{"MistosiApoDate", "01/06/2025"}, {"MistosiEosDate", "02/06/2027"}});
        r.declaration(1, {{"MistosiApoDate", "01/06/2024"},
                          {"MistosiEosDate", "02/06/2027"}}); // started too early
        r.declaration(2, {{"MistosiApoDate", "01/06/2025"}}); // no end
        FilterCriteria c = criteria();
        c.adjustable = true;
        c.dateFrom = QStringLiteral("01/06/2026");
        QVERIFY(!RegisterFilter::adjustableHasDates(c));
        c.dateTo = QStringLiteral("03/06/2026");
        QVERIFY(RegisterFilter::adjustableHasDates(c));
        RegisterFilter::run(c);
        QCOMPARE(marked(), (QList<qlonglong>{366, 365}));
    }

    void aDateThatIsNoCalendarDateEndsTheRunWithAnErrorAndKeepsTheMarks() {
        RegisterFixture r;
        r.declaration(1, {{"MistosiApoDate", "01/06/2025"}, {"MistosiEosDate", "31/02/2027"}});
        r.declaration(2, {{"StadioYpovolis", "Προσωρινά Αποθηκευμένο"}});
        FilterCriteria provisional = criteria();
        provisional.stage = StageChoice::Provisional;
        RegisterFilter::run(provisional);
        QCOMPARE(marked(), QList<qlonglong>{2});
        FilterCriteria c = criteria();
        c.adjustable = true;
        c.dateFrom = QStringLiteral("01/06/2026");
        c.dateTo = QStringLiteral("03/06/2026");
        QVERIFY_THROWS_EXCEPTION(AppError, RegisterFilter::run(c));
        QCOMPARE(marked(), QList<qlonglong>{2});
    }

    void daysApartBothWays() {
        QCOMPARE(daysApart(QStringLiteral("2026/06/01"), QStringLiteral("2027/06/01")), 365);
        QCOMPARE(daysApart(QStringLiteral("2024/06/01"), QStringLiteral("2023/06/01")), 366);
    }

    void storedCountsAndTheDeclarationOfAnAmendment() {
        RegisterFixture r;
        r.declaration(10);
        r.declaration(20);
        r.amendment(10, 100);
        r.amendment(20, 200);
        r.amendment(30, 200); // the same amending number stored twice
        QCOMPARE(StoredDeclarations::CountSavedArxDils(), 2);
        QCOMPARE(StoredDeclarations::CountSavedTropDils(), 3);
        QCOMPARE(StoredDeclarations::GetArxDilOfTrop(QStringLiteral("100")), QStringLiteral("10"));
        QCOMPARE(StoredDeclarations::GetArxDilOfTrop(QStringLiteral("200")), QString());
        QCOMPARE(StoredDeclarations::GetArxDilOfTrop(QStringLiteral("555")), QString());
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 StoredDeclarations::GetArxDilOfTrop(QStringLiteral("12a")));
    }
};

LETHORA_TEST_MAIN(TestSearchFilter)
#include "tst_search_filter.moc"
