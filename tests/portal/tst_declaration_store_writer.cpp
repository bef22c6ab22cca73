// The store writer: a read staging row becomes records of the declaration tables, field
// by field, whole or not at all.

#include "common/ErrorReport.h"
#include "portal/DeclarationStoreWriter.h"
#include "store/StoreQuery.h"
#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

using namespace StagingColumn;

namespace {
const int kRow = 3;

// The one record of a table that the condition picks, field by field.
QVariantMap storedRecord(const QString& path, const QString& where) {
    StoreQuery q;
    q.setSql(QStringLiteral("SELECT * FROM '") + path + QStringLiteral("' WHERE ") + where);
    q.open();
    QVariantMap record;
    if (q.recordCount() != 1)
        return record;
    for (const QString& name : q.fieldNames())
        record.insert(name, q.value(name));
    return record;
}

int countOf(const QString& path, const QString& where = QString()) {
    StoreQuery q;
    q.setSql(QStringLiteral("SELECT * FROM '") + path + QStringLiteral("'") +
             (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    q.open();
    return q.recordCount();
}

void fillSubmission(StagingGrid& grid, const QString& kind, const QString& number) {
    grid.setCell(SubmissionDate, kRow, QStringLiteral("07/03/2024"));
    grid.setCell(Stage, kRow, QStringLiteral("Οριστικοποιημένη"));
    grid.setCell(Kind, kRow, kind);
    grid.setCell(Number, kRow, number);
}

void fillLessor(StagingGrid& grid, int k, const QString& afm) {
    grid.setCell(lessorSequence(k), kRow, QString::number(k));
    grid.setCell(lessorAfm(k), kRow, afm);
    grid.setCell(lessorName(k), kRow, QStringLiteral("ΕΚΜΙΣΘΩΤΗΣ ") + QString::number(k));
    grid.setCell(lessorPercentage(k), kRow, QStringLiteral("50"));
    grid.setCell(lessorCapacity(k), kRow, QStringLiteral("Πλήρης κυριότητα"));
    grid.setCell(lessorAcceptanceDate(k), kRow, QStringLiteral("08/03/2024"));
    grid.setCell(lessorAccepted(k), kRow, QStringLiteral("ΝΑΙ"));
}

// Property p with every column filled with a text that names it, the rent as given.
void fillProperty(StagingGrid& grid, int p, const QString& rent) {
    const int b = propertyBase(p);
    for (int offset = 1; offset <= 28; ++offset)
        grid.setCell(b + offset, kRow, QStringLiteral("p%1c%2").arg(p).arg(offset));
    grid.setCell(b + 20, kRow, rent);
}
} // namespace

class TestDeclarationStoreWriter : public QObject {
    Q_OBJECT

    struct OpenTables {
        OpenTables() {
            dmTables().tblMistDilMast.open();
            dmTables().tblMistDilDet.open();
            dmTables().tblMistDilAkinita.open();
        }
        ~OpenTables() {
            dmTables().tblMistDilAkinita.close();
            dmTables().tblMistDilDet.close();
            dmTables().tblMistDilMast.close();
        }
    };

private slots:
    void initialDeclarationFieldByField() {
        RegisterFixture fixture;
        OpenTables tables;
        StagingGrid grid;
        fillSubmission(grid, QStringLiteral("Αρχική"), QStringLiteral("4501"));
        fillLessor(grid, 1, QStringLiteral("094014201"));
        fillLessor(grid, 3, QStringLiteral("123456783"));
        grid.setCell(lesseeSequence(1), kRow, QStringLiteral("1"));
        grid.setCell(lesseeAfm(1), kRow, QStringLiteral("999999999"));
        grid.setCell(lesseeName(1), kRow, QStringLiteral("ΜΙΣΘΩΤΗΣ"));
        grid.setCell(lesseeAcceptanceDate(1), kRow, QStringLiteral("09/03/2024"));
        grid.setCell(lesseeAccepted(1), kRow, QStringLiteral("ΟΧΙ"));
        grid.setCell(LeaseType, kRow, QStringLiteral("Κατοικία"));
        grid.setCell(SignatureDate, kRow, QStringLiteral("01/03/2024"));
        grid.setCell(StartDate, kRow, QStringLiteral("01/04/2024"));
        grid.setCell(EndDate, kRow, QStringLiteral("31/03/2027"));
        grid.setCell(MonthlyRent, kRow, QStringLiteral(" 1.234,50 "));
        grid.setCell(FirstMark, kRow, QStringLiteral("ΝΑΙ"));
        grid.setCell(FirstMark + 4, kRow, QStringLiteral("ΝΑΙ"));
        grid.setCell(SubleaseCode, kRow, QStringLiteral("77"));
        grid.setCell(SubleaseYear, kRow, QStringLiteral("2023"));
        grid.setCell(SubleaseTaxOffice, kRow, QStringLiteral("Α' ΑΘΗΝΩΝ"));
        grid.setCell(Notes, kRow, QStringLiteral("πρώτη γραμμή\nδεύτερη"));
        fillProperty(grid, 1, QStringLiteral("600,00"));
        fillProperty(grid, 2, QString());
        for (int p = 3; p <= 5; ++p)
            fillProperty(grid, p, QStringLiteral("1,00"));

        StoreImportedDeclaration(grid, kRow);

        QCOMPARE(grid.cell(WriteMark, kRow), QStringLiteral("1"));
        const QVariantMap d = storedRecord(fixture.path(QStringLiteral("MistDilMast")),
                                           QStringLiteral("DilCode = 4501"));
        QCOMPARE(d.value(QStringLiteral("DateYpovolis")).toString(), QStringLiteral("2024/03/07"));
        QCOMPARE(d.value(QStringLiteral("DateDisplay")).toString(), QStringLiteral("07/03/2024"));
        QCOMPARE(d.value(QStringLiteral("StadioYpovolis")).toString(),
                 QStringLiteral("Οριστικοποιημένη"));
        QCOMPARE(d.value(QStringLiteral("EidosDilosis")).toString(), QStringLiteral("Αρχική"));
        QCOMPARE(d.value(QStringLiteral("EkmAFM1")).toString(), QStringLiteral("094014201"));
        QVERIFY(d.value(QStringLiteral("EkmAFM2")).isNull());
        QVERIFY(d.value(QStringLiteral("EkmName2")).isNull());
        QCOMPARE(d.value(QStringLiteral("EkmAA3")).toString(), QStringLiteral("3"));
        QCOMPARE(d.value(QStringLiteral("EkmAFM3")).toString(), QStringLiteral("123456783"));
        QCOMPARE(d.value(QStringLiteral("EkmIdiotita3")).toString(),
                 QStringLiteral("Πλήρης κυριότητα"));
        QCOMPARE(d.value(QStringLiteral("EkmCheckApodoxis3")).toString(), QStringLiteral("ΝΑΙ"));
        QCOMPARE(d.value(QStringLiteral("MistName1")).toString(), QStringLiteral("ΜΙΣΘΩΤΗΣ"));
        QCOMPARE(d.value(QStringLiteral("MistCheckApodoxis1")).toString(), QStringLiteral("ΟΧΙ"));
        QVERIFY(d.value(QStringLiteral("MistAFM2")).isNull());
        QCOMPARE(d.value(QStringLiteral("EidosTarvenis")).toString(), QStringLiteral("Κατοικία"));
        QCOMPARE(d.value(QStringLiteral("SimfonitikoDate")).toString(),
                 QStringLiteral("01/03/2024"));
        QCOMPARE(d.value(QStringLiteral("MistosiEosDate")).toString(),
                 QStringLiteral("31/03/2027"));
        QCOMPARE(d.value(QStringLiteral("TotalMistoma")).toDouble(), 1234.5);
        QCOMPARE(d.value(QStringLiteral("DilCheck1")).toString(), QStringLiteral("ΝΑΙ"));
        QCOMPARE(d.value(QStringLiteral("DilCheck2")).toString(), QString());
        QCOMPARE(d.value(QStringLiteral("DilCheck5")).toString(), QStringLiteral("ΝΑΙ"));
        QCOMPARE(d.value(QStringLiteral("YpekmDoy")).toString(), QStringLiteral("Α' ΑΘΗΝΩΝ"));
        QCOMPARE(d.value(QStringLiteral("Simiosis")).toString(),
                 QStringLiteral("πρώτη γραμμή\nδεύτερη"));

        // Four properties at most; the fifth is passed over.
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilAkinita"))), 4);
        const QVariantMap first = storedRecord(fixture.path(QStringLiteral("MistDilAkinita")),
                                               QStringLiteral("DilCode = 4501 AND AA = 1"));
        const QList<QPair<QString, int>> placed = {
            {QStringLiteral("Eidos"), 2},      {QStringLiteral("ZipCode"), 6},
            {QStringLiteral("Descr"), 8},      {QStringLiteral("Nomos"), 12},
            {QStringLiteral("Orofos"), 14},    {QStringLiteral("EpifOiko"), 18},
            {QStringLiteral("ExistsDEH"), 21}, {QStringLiteral("DEH"), 22},
            {QStringLiteral("CertNum"), 23},   {QStringLiteral("Certkatataxi"), 28}};
        for (const auto& [name, offset] : placed)
            QCOMPARE(first.value(name).toString(), QStringLiteral("p1c%1").arg(offset));
        QCOMPARE(first.value(QStringLiteral("MonthlyMist")).toDouble(), 600.0);
        const QVariantMap second = storedRecord(fixture.path(QStringLiteral("MistDilAkinita")),
                                                QStringLiteral("DilCode = 4501 AND AA = 2"));
        QVERIFY(second.value(QStringLiteral("MonthlyMist")).isNull());
    }

    void amendingDeclarationKeepsTheInitialOnesParticulars() {
        RegisterFixture fixture;
        fixture.declaration(4501);
        OpenTables tables;
        StagingGrid grid;
        fillSubmission(grid, QStringLiteral("Λύση"), QStringLiteral("4600"));
        grid.setCell(InitialNumber, kRow, QStringLiteral("4501"));
        fillLessor(grid, 2, QStringLiteral("094014201"));
        grid.setCell(lesseeSequence(1), kRow, QStringLiteral("1"));
        grid.setCell(lesseeAcceptanceDate(1), kRow, QStringLiteral("10/10/2025"));
        grid.setCell(TerminationDate, kRow, QStringLiteral("30/09/2025"));
        grid.setCell(EndDate, kRow, QStringLiteral("31/03/2027"));
        fillProperty(grid, 1, QStringLiteral("not stored for an amendment"));

        StoreImportedDeclaration(grid, kRow);

        QCOMPARE(grid.cell(WriteMark, kRow), QStringLiteral("2"));
        const QVariantMap a = storedRecord(fixture.path(QStringLiteral("MistDilDet")),
                                           QStringLiteral("DilCode = 4501 AND TropDilCode = 4600"));
        QCOMPARE(a.value(QStringLiteral("MistosiEosDate")).toString(),
                 QStringLiteral("30/09/2025"));
        QCOMPARE(a.value(QStringLiteral("TotalMistoma")).toDouble(), 0.0);
        QVERIFY(!a.value(QStringLiteral("TotalMistoma")).isNull());
        QCOMPARE(a.value(QStringLiteral("EkmPososto2")).toString(), QStringLiteral("50"));
        QCOMPARE(a.value(QStringLiteral("EkmDateApodoxis2")).toString(),
                 QStringLiteral("08/03/2024"));
        QVERIFY(a.value(QStringLiteral("EkmPososto1")).isNull());
        QCOMPARE(a.value(QStringLiteral("MistDateApodoxis1")).toString(),
                 QStringLiteral("10/10/2025"));
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilAkinita"))), 0);

        // Without a termination date the end date of the terms is kept.
        fillSubmission(grid, QStringLiteral("Τροποποιητική"), QStringLiteral("4601"));
        grid.setCell(TerminationDate, kRow, QString());
        StoreImportedDeclaration(grid, kRow);
        QCOMPARE(storedRecord(fixture.path(QStringLiteral("MistDilDet")),
                              QStringLiteral("TropDilCode = 4601"))
                     .value(QStringLiteral("MistosiEosDate"))
                     .toString(),
                 QStringLiteral("31/03/2027"));
    }

    void anUnknownKindWritesNothing() {
        RegisterFixture fixture;
        OpenTables tables;
        StagingGrid grid;
        fillSubmission(grid, QString(), QStringLiteral("4501"));
        grid.setCell(WriteMark, kRow, QStringLiteral("x"));
        StoreImportedDeclaration(grid, kRow);
        QCOMPARE(grid.cell(WriteMark, kRow), QStringLiteral("x"));
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilMast"))), 0);
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilDet"))), 0);
    }

    // The platform shows Greek amounts whatever the machine is set to.
    void amountsReadTheGreekWayOnAnyMachine_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");
        QTest::newRow("thousands") << QStringLiteral("1.234,50") << 1234.5;
        QTest::newRow("millions") << QStringLiteral("1.000.000,01") << 1000000.01;
        QTest::newRow("whole") << QStringLiteral("350") << 350.0;
        QTest::newRow("blanks") << QStringLiteral("  12,5 ") << 12.5;
    }
    void amountsReadTheGreekWayOnAnyMachine() {
        QFETCH(QString, shown);
        QFETCH(double, stored);
        const QLocale before;
        for (const QLocale& machine : {QLocale(QLocale::English, QLocale::UnitedStates),
                                       QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
            QLocale::setDefault(machine);
            RegisterFixture fixture;
            OpenTables tables;
            StagingGrid grid;
            fillSubmission(grid, QStringLiteral("Αρχική"), QStringLiteral("4501"));
            grid.setCell(MonthlyRent, kRow, shown);
            StoreImportedDeclaration(grid, kRow);
            QCOMPARE(storedRecord(fixture.path(QStringLiteral("MistDilMast")),
                                  QStringLiteral("DilCode = 4501"))
                         .value(QStringLiteral("TotalMistoma"))
                         .toDouble(),
                     stored);
        }
        QLocale::setDefault(before);
    }

    // A rent that is no number fails the whole declaration: neither the declaration nor
    // any property stays, the cursors show what the tables hold, and the next
    // declaration is written as usual.
    void aBadAmountLeavesNothingHalfWritten_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("shown");
        QTest::newRow("declaration rent") << int(MonthlyRent) << QStringLiteral("χίλια");
        QTest::newRow("two decimal marks") << int(MonthlyRent) << QStringLiteral("1,2,3");
        QTest::newRow("second property's rent") << propertyBase(2) + 20 << QStringLiteral("12a,00");
    }
    void aBadAmountLeavesNothingHalfWritten() {
        QFETCH(int, column);
        QFETCH(QString, shown);
        RegisterFixture fixture;
        OpenTables tables;
        StagingGrid grid;
        fillSubmission(grid, QStringLiteral("Αρχική"), QStringLiteral("4501"));
        fillProperty(grid, 1, QStringLiteral("100,00"));
        fillProperty(grid, 2, QStringLiteral("200,00"));
        grid.setCell(column, kRow, shown);

        QVERIFY_THROWS_EXCEPTION(AppError, StoreImportedDeclaration(grid, kRow));

        QCOMPARE(grid.cell(WriteMark, kRow), QString());
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilMast"))), 0);
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilAkinita"))), 0);
        QCOMPARE(dmTables().tblMistDilMast.recordCount(), 0);
        QCOMPARE(dmTables().tblMistDilMast.state(), TableCursor::State::Browse);
        QCOMPARE(dmTables().tblMistDilAkinita.state(), TableCursor::State::Browse);

        grid.setCell(column, kRow, QStringLiteral("5,00"));
        StoreImportedDeclaration(grid, kRow);
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilMast"))), 1);
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilAkinita"))), 2);
    }

    void aDeclarationReadAgainIsRewrittenInPlace() {
        RegisterFixture fixture;
        fixture.declaration(4501, {{QStringLiteral("EkmName1"), QStringLiteral("ΠΑΛΙΟ")},
                                   {QStringLiteral("FilterField"), 1}});
        fixture.property(4501, 1, {{QStringLiteral("Odos"), QStringLiteral("ΠΑΛΙΑ ΟΔΟΣ")}});
        fixture.property(4501, 3, {{QStringLiteral("Odos"), QStringLiteral("ΤΡΙΤΟ")}});
        fixture.declaration(4502);
        OpenTables tables;
        QVERIFY(dmTables().tblMistDilMast.findKey({4501}));
        StagingGrid grid;
        fillSubmission(grid, QStringLiteral("Αρχική"), QStringLiteral("9999"));
        fillLessor(grid, 1, QStringLiteral("094014201"));
        grid.setCell(MonthlyRent, kRow, QStringLiteral("700,00"));
        fillProperty(grid, 1, QStringLiteral("300,00"));
        fillProperty(grid, 2, QStringLiteral("400,00"));

        UpdateImportedDeclaration(grid, kRow);

        QCOMPARE(grid.cell(WriteMark, kRow), QStringLiteral("1"));
        const QString mast = fixture.path(QStringLiteral("MistDilMast"));
        QCOMPARE(countOf(mast), 2);
        const QVariantMap d = storedRecord(mast, QStringLiteral("DilCode = 4501"));
        QCOMPARE(d.value(QStringLiteral("EkmName1")).toString(), QStringLiteral("ΕΚΜΙΣΘΩΤΗΣ 1"));
        QCOMPARE(d.value(QStringLiteral("TotalMistoma")).toDouble(), 700.0);
        QCOMPARE(d.value(QStringLiteral("FilterField")).toInt(), 1);
        const QString akinita = fixture.path(QStringLiteral("MistDilAkinita"));
        QCOMPARE(storedRecord(akinita, QStringLiteral("DilCode = 4501 AND AA = 1"))
                     .value(QStringLiteral("Odos"))
                     .toString(),
                 QStringLiteral("p1c4"));
        // A property added on the platform since is stored; one no longer shown is deleted.
        QCOMPARE(storedRecord(akinita, QStringLiteral("DilCode = 4501 AND AA = 2"))
                     .value(QStringLiteral("MonthlyMist"))
                     .toDouble(),
                 400.0);
        QCOMPARE(countOf(akinita, QStringLiteral("DilCode = 4501 AND AA = 3")), 0);
        QCOMPARE(countOf(akinita), 2);
    }

    void anAmendmentReadAgainKeepsItsKeys() {
        RegisterFixture fixture;
        fixture.declaration(4501);
        fixture.amendment(4501, 4600, {{QStringLiteral("MistosiEosDate"), QStringLiteral("x")}});
        fixture.amendment(4501, 4601);
        OpenTables tables;
        QVERIFY(dmTables().tblMistDilMast.findKey({4501}));
        QVERIFY(dmTables().tblMistDilDet.findKey({4501, 4600}));
        StagingGrid grid;
        fillSubmission(grid, QStringLiteral("Τροποποιητική"), QStringLiteral("1"));
        grid.setCell(InitialNumber, kRow, QStringLiteral("2"));
        grid.setCell(EndDate, kRow, QStringLiteral("31/12/2030"));
        UpdateImportedDeclaration(grid, kRow);
        QCOMPARE(grid.cell(WriteMark, kRow), QStringLiteral("2"));
        QCOMPARE(storedRecord(fixture.path(QStringLiteral("MistDilDet")),
                              QStringLiteral("DilCode = 4501 AND TropDilCode = 4600"))
                     .value(QStringLiteral("MistosiEosDate"))
                     .toString(),
                 QStringLiteral("31/12/2030"));
        QCOMPARE(countOf(fixture.path(QStringLiteral("MistDilDet"))), 2);
    }

    void theAmendedNumber_data() {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("amended");
        QTest::newRow("with the note")
            << QStringLiteral("12345 (Τροποποιεί το Α/Α 12001)") << QStringLiteral("12001");
        QTest::newRow("blanks inside")
            << QStringLiteral("12345 (Τροποποιεί το Α/Α  12001 )") << QStringLiteral("12001");
        QTest::newRow("without the note") << QStringLiteral(" 12345 ") << QStringLiteral(" 12345 ");
        QTest::newRow("no closing bracket")
            << QStringLiteral("12345 (Τροποποιεί το Α/Α 12001") << QStringLiteral("12001");
        QTest::newRow("note alone") << QStringLiteral("(Τροποποιεί το Α/Α") << QString();
    }
    void theAmendedNumber() {
        QFETCH(QString, listed);
        QFETCH(QString, amended);
        QCOMPARE(AmendedNumberOf(listed), amended);
    }
};

LETHORA_TEST_MAIN(TestDeclarationStoreWriter)
#include "tst_declaration_store_writer.moc"
