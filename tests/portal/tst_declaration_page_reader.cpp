// Reading a declaration's details page into its staging row: the fake platform's pages of
// a generated register land column by column where the row layout puts them; hand-written
// pages give the identity check, the section rules and the bad input the platform may
// send (no body, no title, cells missing or too many, ids without numbers, huge texts,
// broken markup).

#include "portal/DeclarationPageReader.h"
#include "portal/scripted/ScriptedPage.h"
#include "tests/portal/ExpectedDeclarationRow.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestMain.h"
#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/registergen/RegisterGenerator.h"
#include "workspace/StagingGrid.h"

using namespace StagingColumn;

namespace {
const int kRow = 3;
const QString kTitleCell =
    QStringLiteral("<table><tr><td>ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ με Αριθμ. "
                   "%1 - Αρχική</td></tr></table>");

// A page of the given tables under the title of declaration 500.
QString titled(const QString& tables, const QString& number = QStringLiteral("500")) {
    return QStringLiteral("<html><body>") + kTitleCell.arg(number) + tables +
           QStringLiteral("</body></html>");
}

QString row(const QStringList& cells) {
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += QStringLiteral("<td>") + cell + QStringLiteral("</td>");
    return html + QStringLiteral("</tr>");
}

QString table(const QString& rows, const QString& id = QString()) {
    return (id.isEmpty() ? QStringLiteral("<table>")
                         : QStringLiteral("<table id=\"%1\">").arg(id)) +
           rows + QStringLiteral("</table>");
}

// A property table: its sub-rows (each a list of cells) and the certificate row.
QString propertyTable(const QString& id, const QList<QStringList>& subRows,
                      bool certificate = false) {
    QString rows = row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΑΚΙΝΗΤΟΥ")});
    for (const QStringList& cells : subRows)
        rows += row(cells).replace(QStringLiteral("<tr>"),
                                   QStringLiteral("<tr class=\"displaySubmissionDetails1\">"));
    if (certificate)
        rows += row({QStringLiteral("ΕΝΕΡΓΕΙΑΚΟ ΠΙΣΤΟΠΟΙΗΤΙΚΟ")});
    return table(rows, id);
}

QString certificateTable(const QStringList& values,
                         const QString& lastHeading = QStringLiteral("Ενεργειακή κατάταξη")) {
    return table(
        row({QStringLiteral("Αριθμός"), QStringLiteral("Ημερομηνία"), QStringLiteral("Α.Μ."),
             QStringLiteral("Α.Φ.Μ."), QStringLiteral("Ασφάλεια"), lastHeading}) +
        row(values));
}

QString lessorRows(int count, int cells = 6) {
    QString rows;
    for (int n = 1; n <= count; ++n) {
        QStringList values;
        for (int i = 1; i <= cells; ++i)
            values << QStringLiteral("Ε%1.%2").arg(n).arg(i);
        rows += row(values);
    }
    return rows;
}

QString checkBox(bool checked) {
    return checked ? QStringLiteral("<input type=\"checkbox\" checked=\"checked\">")
                   : QStringLiteral("<input type=\"checkbox\">");
}

struct Reading {
    StagingGrid grid;
    RecordingMessages messages;
    bool done = false;
    PageReading outcome = PageReading::AlreadyDone;

    explicit Reading(const QString& stage = QStringLiteral("Οριστικοποιημένο"),
                     const QString& kind = QStringLiteral("Αρχική")) {
        grid.setCell(Stage, kRow, stage);
        grid.setCell(Kind, kRow, kind);
    }

    void read(const QString& html, const QString& expected = QStringLiteral("500")) {
        ScriptedPage page(html);
        read(page.browser, page.document, expected);
    }
    void read(BrowserOps& browser, const PageDocument& document, const QString& expected) {
        grid.setCell(Number, kRow, expected);
        setBrowserOps(&browser);
        outcome = ReadDeclarationPage(grid, kRow, expected, document, done);
        setBrowserOps(nullptr);
    }
    QString at(int column) const { return grid.cell(column, kRow); }
    // The columns past the list's and the import's that hold text.
    QList<int> filled() const {
        QList<int> columns;
        for (int column = Number + 1; column < StagingGrid::kColumns; ++column)
            if (!at(column).isEmpty())
                columns << column;
        return columns;
    }
};

QString pageOf(const PlatformSubmission& submission) {
    return DeclarationPage::page(submission, QStringLiteral("Χρήστης: owner"));
}
} // namespace

Q_DECLARE_METATYPE(PageReading)

class TestDeclarationPageReader : public QObject {
    Q_OBJECT
private slots:
    // Every submission of a generated register: initial, amending, terminations,
    // temporarily saved ones read from their inputs, properties with certificates.
    void aGeneratedRegistersPagesLandInTheirColumns() {
        const QList<PlatformSubmission> submissions =
            platformSubmissions(generateRegister(QStringLiteral("094014201"), 30, 14));
        int temporarilySaved = 0, terminations = 0, certificates = 0, fiveLessees = 0;
        for (const PlatformSubmission& submission : submissions) {
            Reading reading(submission.stage, submission.kind);
            reading.read(pageOf(submission), submission.number);
            QVERIFY(reading.done);
            QVERIFY2(reading.messages.shown.isEmpty(), qPrintable(submission.number));
            const QMap<int, QString> expected = ExpectedDeclarationRow::of(submission);
            for (int column = Number + 1; column < StagingGrid::kColumns; ++column)
                if (reading.at(column) != expected.value(column))
                    QFAIL(qPrintable(QStringLiteral("%1, column %2: read \"%3\", expected \"%4\"")
                                         .arg(submission.number)
                                         .arg(column)
                                         .arg(reading.at(column), expected.value(column))));
            temporarilySaved += submission.isTemporarilySaved();
            terminations += submission.isTermination();
            certificates += !reading.at(propertyCertificateCell(1, 1)).isEmpty();
            fiveLessees += !reading.at(lesseeAfm(5)).isEmpty();
        }
        // The register holds every kind of page that the reader must tell apart.
        QVERIFY(temporarilySaved > 0);
        QVERIFY(terminations > 0);
        QVERIFY(certificates > 0);
        QVERIFY(fiveLessees > 0);
    }

    void identityCheck() {
        const QString lessors = table(row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ")}) +
                                      row({QStringLiteral("Α/Α")}) + lessorRows(1));
        {
            // Another declaration's number: the message, and nothing of the page stored.
            Reading reading;
            reading.read(titled(lessors, QStringLiteral("124")), QStringLiteral("123"));
            QVERIFY(reading.done);
            QCOMPARE(reading.outcome, PageReading::OtherNumber);
            QCOMPARE(reading.messages.shown,
                     QStringList{QStringLiteral("Πρόβλημα στη δήλωση με αριθμό 123(124)")});
            QCOMPARE(reading.filled(), QList<int>());
        }
        {
            // Only the first title cell counts.
            Reading reading;
            reading.read(titled(kTitleCell.arg(QStringLiteral("7")) + lessors),
                         QStringLiteral("7"));
            QCOMPARE(reading.messages.shown.size(), 1);
            QCOMPARE(reading.at(lessorAfm(1)), QString());
        }
        {
            // A title without the dash before the kind still gives its number.
            Reading reading;
            reading.read(QStringLiteral("<body><table><tr><td> ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ "
                                        "ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ Αριθμ. 500 </td></tr></table>") +
                         lessors + QStringLiteral("</body>"));
            QCOMPARE(reading.messages.shown, QStringList());
            QCOMPARE(reading.at(lessorAfm(1)), QStringLiteral("Ε1.2"));
        }
        {
            // A title without a number is another declaration's.
            Reading reading;
            reading.read(QStringLiteral("<body><table><tr><td>ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ "
                                        "ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ - 500.</td></tr></table></body>"));
            QCOMPARE(reading.messages.shown,
                     QStringList{QStringLiteral("Πρόβλημα στη δήλωση με αριθμό 500()")});
        }
    }

    void pagesThatAreNoDeclarationStoreNothing() {
        {
            // No title cell: done, silently.
            Reading reading;
            reading.read(QStringLiteral("<body><table><tr><td>Σφάλμα</td></tr></table>"
                                        "<p>ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ "
                                        "με Αριθμ. 500 - Αρχική</p></body>"));
            QVERIFY(reading.done);
            QCOMPARE(reading.outcome, PageReading::NoTitle);
            QCOMPARE(reading.messages.shown, QStringList());
            QCOMPARE(reading.filled(), QList<int>());
        }
        {
            // A document without a body (a page still loading): not done, to be read again.
            Reading reading;
            ScriptedPage page{QString()};
            auto empty = std::make_shared<DomTree>();
            DomNode document;
            document.kind = DomNode::Kind::Document;
            const PageDocument bodiless{std::make_shared<DomDocument>(empty, empty->add(document))};
            reading.read(page.browser, bodiless, QStringLiteral("500"));
            QVERIFY(!reading.done);
            QCOMPARE(reading.outcome, PageReading::NoBody);
            QCOMPARE(reading.filled(), QList<int>());
        }
        {
            // Already read: the page is not looked at.
            Reading reading;
            reading.done = true;
            reading.read(titled(QString(), QStringLiteral("9")));
            QCOMPARE(reading.messages.shown, QStringList());
        }
        {
            // The title but no table besides its own: done; the row keeps what it held.
            Reading reading;
            reading.grid.setCell(Notes, kRow, QStringLiteral("κρατημένο"));
            reading.read(titled(QString()));
            QVERIFY(reading.done);
            QCOMPARE(reading.outcome, PageReading::Incomplete);
            QCOMPARE(reading.at(Notes), QStringLiteral("κρατημένο"));
        }
    }

    // A page is whole once it shows the lessors and the lease terms, which every
    // declaration has; before, its own scripts may still be adding to it.
    void aPageIsWholeWithItsLessorsAndLeaseTerms_data() {
        QTest::addColumn<bool>("lessors");
        QTest::addColumn<bool>("terms");
        QTest::addColumn<PageReading>("outcome");
        QTest::newRow("both") << true << true << PageReading::Read;
        QTest::newRow("lessors only") << true << false << PageReading::Incomplete;
        QTest::newRow("terms only") << false << true << PageReading::Incomplete;
    }
    void aPageIsWholeWithItsLessorsAndLeaseTerms() {
        QFETCH(bool, lessors);
        QFETCH(bool, terms);
        QFETCH(PageReading, outcome);
        Reading reading;
        reading.read(titled(
            (lessors ? table(row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ")}) +
                             row({QStringLiteral("Α/Α")}) + lessorRows(1))
                     : QString()) +
            (terms ? table(row({QStringLiteral("Ημερομηνία Λύσης"), QStringLiteral("1/1/2026")}),
                           QStringLiteral("contractDetails"))
                   : QString())));
        QCOMPARE(reading.outcome, outcome);
        QCOMPARE(reading.at(lessorAfm(1)).isEmpty(), !lessors);
    }

    void lessorsAndAcceptances() {
        const QString heading = row({QStringLiteral("Α/Α")});
        {
            // Six lessors: the sixth is passed over.
            Reading reading;
            reading.read(titled(
                table(row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ")}) + heading + lessorRows(6))));
            for (int n = 1; n <= 5; ++n)
                for (int i = 1; i <= 5; ++i)
                    QCOMPARE(reading.at(lessorSequence(n) + i - 1),
                             QStringLiteral("Ε%1.%2").arg(n).arg(i));
            QCOMPARE(reading.filled().last(), lessorCapacity(5));
        }
        {
            // The section ends at the first row without 6 cells, even if more follow.
            Reading reading;
            reading.read(titled(table(row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ")}) + heading +
                                      lessorRows(2) + lessorRows(1, 5) + lessorRows(2))));
            QCOMPARE(reading.at(lessorName(2)), QStringLiteral("Ε2.3"));
            QCOMPARE(reading.at(lessorSequence(3)), QString());
        }
        {
            // Acceptances of 4 cells; a missing or extra cell ends them.
            const QString lessors =
                row({QStringLiteral("1"), QStringLiteral("Α"), QStringLiteral(" 02/03/2024 "),
                     checkBox(true)}) +
                row({QStringLiteral("2"), QStringLiteral("Β"), QStringLiteral("03/03/2024"),
                     checkBox(false)}) +
                row({QStringLiteral("3"), QStringLiteral("Γ"), QStringLiteral("04/03/2024")});
            const QString lessees =
                row({QStringLiteral("1"), QStringLiteral("Δ"), QStringLiteral("05/03/2024"),
                     checkBox(true), QStringLiteral("περίσσιο")});
            Reading reading;
            reading.read(
                titled(table(row({QStringLiteral("ΑΠΟΔΟΧΗ ΕΚΜΙΣΘΩΤΩΝ")}) + heading + lessors) +
                       table(row({QStringLiteral("ΑΠΟΔΟΧΗ ΜΙΣΘΩΤΩΝ")}) + heading + lessees)));
            QCOMPARE(reading.at(lessorAcceptanceDate(1)), QStringLiteral("02/03/2024"));
            QCOMPARE(reading.at(lessorAccepted(1)), QStringLiteral("ΝΑΙ"));
            QCOMPARE(reading.at(lessorAccepted(2)), QStringLiteral("ΟΧΙ"));
            QCOMPARE(reading.at(lessorAcceptanceDate(3)), QString());
            QCOMPARE(reading.at(lesseeAccepted(1)), QString());
        }
    }

    void lessees() {
        const QStringList data = {QStringLiteral("1"),          QStringLiteral("Μισθωτής"),
                                  QStringLiteral("200000001"),  QStringLiteral("ΟΝΟΜΑ"),
                                  QStringLiteral("01/01/2024"), QStringLiteral("-")};
        {
            // Third row of 5 cells, fourth of 6: the fourth is the lessee's.
            Reading reading;
            QStringList five = data;
            five.removeLast();
            reading.read(titled(table(row({QStringLiteral("Μισθωτής 2")}) +
                                          row({QStringLiteral("Α/Α")}) + row(five) + row(data),
                                      QStringLiteral("leaseholderTable1"))));
            QCOMPARE(reading.at(lesseeSequence(2)), QStringLiteral("1"));
            QCOMPARE(reading.at(lesseeAfm(2)), QStringLiteral("200000001"));
            QCOMPARE(reading.at(lesseeName(2)), QStringLiteral("ΟΝΟΜΑ"));
            QCOMPARE(reading.filled().size(), 3);
        }
        {
            // Only tables 0 to 4 are lessees.
            Reading reading;
            const QString rows = row({QString()}) + row({QString()}) + row(data);
            reading.read(titled(table(rows, QStringLiteral("leaseholderTable5")) +
                                table(rows, QStringLiteral("leaseholderTable")) +
                                table(rows, QStringLiteral("leaseholderTable0x"))));
            QCOMPARE(reading.filled(), QList<int>());
        }
        {
            // The first lessee's empty tax number and name come from the inputs; another
            // lessee's do not.
            QStringList empty = data;
            empty[2] = QStringLiteral("<input id=\"leaseholderAfm0\" value=\"300000003\">");
            empty[3] = QString();
            const QString rows = row({QString()}) + row({QString()}) + row(empty);
            Reading reading;
            reading.read(
                titled(table(rows, QStringLiteral("leaseholderTable0")) +
                       table(rows, QStringLiteral("leaseholderTable1")) +
                       QStringLiteral("<input id=\"leaseholderName0\" value=\"ΑΠΟ ΠΕΔΙΟ\">")));
            QCOMPARE(reading.at(lesseeAfm(1)), QStringLiteral("300000003"));
            QCOMPARE(reading.at(lesseeName(1)), QStringLiteral("ΑΠΟ ΠΕΔΙΟ"));
            QCOMPARE(reading.at(lesseeAfm(2)), QString());
            QCOMPARE(reading.at(lesseeName(2)), QString());
        }
    }

    void leaseTerms() {
        const QString select = QStringLiteral(
            "<select class=\"selectmultiple\"><option value=\"1\">Α</option>"
            "<option value=\"2\" selected=\"selected\"> Κατοικία </option></select>");
        {
            // A row with two marks sets only the first: its value becomes the working text.
            Reading reading;
            reading.grid.setCell(FirstMark + 1, kRow, QStringLiteral("κρατημένο"));
            reading.grid.setCell(SubleaseTaxOffice, kRow, QStringLiteral("κρατημένο"));
            reading.read(titled(table(
                row({QStringLiteral("ν. 4446/2016 και Το μισθωμα"), checkBox(true)}) +
                    row({QStringLiteral("Δωρεάν παραχώρηση"), checkBox(false)}) +
                    row({select, QStringLiteral("01/02/2024"), QStringLiteral(" 01/03/2024"),
                         QStringLiteral("28/02/2027"), QStringLiteral("1.234,50")}) +
                    row({QStringLiteral("Ημερομηνία Λύσης"), QString(),
                         QStringLiteral("<input id=\"terminationDate\" value=\"30/06/2025\">")}) +
                    row({QStringLiteral("<span class=\"initialSearchLabel\">Αρχική</span>"),
                         QString(), QStringLiteral(" 555 "), QStringLiteral("2019")}),
                QStringLiteral("contractDetails"))));
            QCOMPARE(reading.at(FirstMark), QStringLiteral("ΝΑΙ"));
            QCOMPARE(reading.at(FirstMark + 1), QStringLiteral("κρατημένο"));
            QCOMPARE(reading.at(FirstMark + 2), QString());
            QCOMPARE(reading.at(LeaseType), QStringLiteral("Κατοικία"));
            QCOMPARE(reading.at(SignatureDate), QStringLiteral("01/02/2024"));
            QCOMPARE(reading.at(MonthlyRent), QStringLiteral("1.234,50"));
            QCOMPARE(reading.at(TerminationDate), QStringLiteral("30/06/2025"));
            // A row with a missing cell stores what it has; the missing one's column keeps
            // what it held.
            QCOMPARE(reading.at(SubleaseCode), QStringLiteral("555"));
            QCOMPARE(reading.at(SubleaseYear), QStringLiteral("2019"));
            QCOMPARE(reading.at(SubleaseTaxOffice), QStringLiteral("κρατημένο"));
        }
        {
            // Typed terms come from the inputs' value attributes; a missing input leaves
            // its column alone.
            Reading reading;
            reading.read(titled(table(
                QStringLiteral("<tr><td><input name=\"leasingSignatureDate\" value=\"01/02/2024\">"
                               "<input name=\"leasingStartDate\" value=\"\">"
                               "<input name=\"monthlyRent\" value=\"1.500,00\"></td></tr>"),
                QStringLiteral("contractDetails"))));
            QCOMPARE(reading.at(SignatureDate), QStringLiteral("01/02/2024"));
            QCOMPARE(reading.at(StartDate), QString());
            QCOMPARE(reading.at(EndDate), QString());
            QCOMPARE(reading.at(MonthlyRent), QStringLiteral("1.500,00"));
        }
    }

    void notes() {
        const QString title = row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ")}) + row({QString()});
        {
            // A 100,000-character note is cut to 5000.
            Reading reading;
            const QString huge = QString(100000, QChar(0x03b1));
            reading.read(
                titled(table(title + row({QStringLiteral(" Σημειώσεις ")}) + row({huge}))));
            QCOMPARE(reading.at(Notes), huge.left(5000));
        }
        {
            // "Σημειώσεις" as the last row, or as the row right after the title: nothing.
            Reading reading;
            reading.read(titled(table(title + row({QStringLiteral("Σημειώσεις")})) +
                                table(row({QStringLiteral("ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ")}) +
                                      row({QStringLiteral("Σημειώσεις")}) +
                                      row({QStringLiteral("όχι αυτό")}))));
            QCOMPARE(reading.at(Notes), QString());
        }
    }

    void properties() {
        const QList<QStringList> subRows = {
            {QStringLiteral("1"), QStringLiteral("Διαμέρισμα"), QStringLiteral("ATAK"),
             QStringLiteral("ΟΔΟΣ"), QStringLiteral("5"), QStringLiteral("10563")},
            {QString(), QStringLiteral("Γραφείο"), QStringLiteral("KAEK"), QStringLiteral("ΔΗΜΟΣ"),
             QStringLiteral("ΘΕΣΗ"), QStringLiteral("ΝΟΜΟΣ")},
            {QString(), QStringLiteral("2"), checkBox(true), QStringLiteral("80"),
             QStringLiteral("10"), QString()},
            {QString(), QStringLiteral("617,25"), checkBox(false), QStringLiteral("ΠΑΡΟΧΗ")}};
        {
            // Tables 0 and 1 fill the blocks of properties 1 and 2.
            Reading reading;
            reading.read(titled(propertyTable(QStringLiteral("propertyTable0"), subRows) +
                                propertyTable(QStringLiteral("propertyTable1"), subRows)));
            QCOMPARE(reading.filled().first(), 101);
            QCOMPARE(reading.filled().last(), 150);
            QCOMPARE(reading.at(101), QStringLiteral("1"));
            QCOMPARE(reading.at(106), QStringLiteral("10563"));
            QCOMPARE(reading.at(propertySubRowCell(1, 3, 3)), QStringLiteral("ΝΑΙ"));
            QCOMPARE(reading.at(propertySubRowCell(1, 4, 3)), QStringLiteral("ΟΧΙ"));
            QCOMPARE(reading.at(propertySubRowCell(2, 4, 4)), QStringLiteral("ΠΑΡΟΧΗ"));
            QCOMPARE(reading.at(129 + 5), QStringLiteral("10563"));
        }
        {
            // Ids without a number, and numbers whose block lies beyond the grid: nothing.
            Reading reading;
            QString tables;
            for (const char* id : {"propertyTable", "propertyTablex", "propertyTable-1",
                                   "propertyTable39", "propertyTable99999999999"})
                tables += propertyTable(QString::fromLatin1(id), subRows);
            reading.read(titled(
                tables + propertyTable(QStringLiteral("propertyTable 38 "), {subRows.first()})));
            QCOMPARE(reading.filled().first(), propertyBase(39) + 1);
            QCOMPARE(reading.filled().last(), propertyBase(39) + 6);
        }
        {
            // Extra cells never spill into the next sub-row's columns; missing ones leave
            // theirs alone; a fifth sub-row is not stored.
            Reading reading;
            reading.grid.setCell(propertySubRowCell(1, 2, 6), kRow, QStringLiteral("κρατημένο"));
            reading.read(titled(propertyTable(
                QStringLiteral("propertyTable0"),
                {subRows.first() + QStringList{QStringLiteral("Χ7"), QStringLiteral("Χ8")},
                 {QStringLiteral("Β1")},
                 {QStringLiteral("Γ1")},
                 {QStringLiteral("Δ1")},
                 {QStringLiteral("Ε1")}})));
            QCOMPARE(reading.at(propertySubRowCell(1, 2, 1)), QStringLiteral("Β1"));
            QCOMPARE(reading.at(propertySubRowCell(1, 2, 2)), QString());
            QCOMPARE(reading.at(propertySubRowCell(1, 2, 6)), QStringLiteral("κρατημένο"));
            QCOMPARE(reading.at(propertySubRowCell(1, 4, 1)), QStringLiteral("Δ1"));
            QCOMPARE(reading.filled().size(), 10);
        }
    }

    void temporarilySavedProperties() {
        // Values in inputs; a missing input ("zip0") leaves its column empty.
        const QList<QStringList> subRows = {
            {QStringLiteral("1"), QStringLiteral("Διαμέρισμα"),
             QStringLiteral("<input id=\"atak0\" value=\"0123\">"), QStringLiteral("ΟΔΟΣ"),
             QString(), QStringLiteral("10563")},
            {QString(), QString(), QStringLiteral("<input id=\"kaek0\" value=\"050\">")},
            {QString(), QStringLiteral("<input id=\"floor0\" value=\"3\">"), checkBox(true)}};
        Reading reading(QStringLiteral("Προσωρινά Αποθηκευμένο"));
        reading.read(titled(propertyTable(QStringLiteral("propertyTable0"), subRows)));
        QCOMPARE(reading.at(101), QStringLiteral("1"));
        QCOMPARE(reading.at(102), QString());
        QCOMPARE(reading.at(103), QStringLiteral("0123"));
        QCOMPARE(reading.at(104), QString());
        QCOMPARE(reading.at(106), QString());
        QCOMPARE(reading.at(propertySubRowCell(1, 2, 3)), QStringLiteral("050"));
        QCOMPARE(reading.at(propertySubRowCell(1, 3, 2)), QStringLiteral("3"));
        QCOMPARE(reading.at(propertySubRowCell(1, 3, 3)), QStringLiteral("ΝΑΙ"));
    }

    void certificates() {
        const QList<QStringList> subRows = {{QStringLiteral("1")}};
        const QStringList values = {QStringLiteral("77"),      QStringLiteral("15/01/2024"),
                                    QStringLiteral("ΑΜ"),      QStringLiteral("300000001"),
                                    QStringLiteral("SEC"),     QStringLiteral("Β+"),
                                    QStringLiteral("περίσσιο")};
        {
            // The certificate table after the property; a seventh cell is not stored.
            Reading reading;
            reading.read(titled(propertyTable(QStringLiteral("propertyTable0"), subRows, true) +
                                certificateTable(values)));
            for (int i = 1; i <= 6; ++i)
                QCOMPARE(reading.at(propertyCertificateCell(1, i)), values.at(i - 1));
            QCOMPARE(reading.filled().last(), propertyCertificateCell(1, 6));
        }
        {
            // Empty cells come from the property's own inputs; the others keep their column.
            Reading reading;
            reading.grid.setCell(propertyCertificateCell(2, 3), kRow, QStringLiteral("κρατημένο"));
            reading.read(titled(
                propertyTable(QStringLiteral("propertyTable1"), subRows, true) +
                certificateTable({QString(), QString(), QString(), QStringLiteral("300000001"),
                                  QString(), QStringLiteral("Γ")}) +
                QStringLiteral("<input id=\"certReferenceNumber0\" value=\"ΑΛΛΟΥ\">"
                               "<input id=\"certReferenceNumber1\" value=\"88\">"
                               "<input id=\"certIssueDate1\" value=\"\">")));
            QCOMPARE(reading.at(propertyCertificateCell(2, 1)), QStringLiteral("88"));
            QCOMPARE(reading.at(propertyCertificateCell(2, 2)), QString());
            QCOMPARE(reading.at(propertyCertificateCell(2, 3)), QStringLiteral("κρατημένο"));
            QCOMPARE(reading.at(propertyCertificateCell(2, 5)), QString());
            QCOMPARE(reading.at(propertyCertificateCell(2, 6)), QStringLiteral("Γ"));
        }
        {
            // A next table that is no certificate, or none at all: nothing.
            Reading reading;
            reading.read(titled(propertyTable(QStringLiteral("propertyTable0"), subRows, true) +
                                certificateTable(values, QStringLiteral("Κατάταξη")) +
                                propertyTable(QStringLiteral("propertyTable1"), subRows, true)));
            QCOMPARE(reading.filled(), (QList<int>{101, 129}));
        }
    }

    // Broken markup: the page cut anywhere, end tags left out, stray end tags. The reader
    // takes what the browser makes of it.
    void malformedMarkup() {
        const PlatformSubmission submission =
            platformSubmissions(generateRegister(QStringLiteral("094014201"), 1, 5)).first();
        const QString html = pageOf(submission);
        for (int cut = 0; cut < html.size(); cut += html.size() / 37) {
            Reading reading;
            reading.read(html.left(cut), submission.number);
            QVERIFY(reading.done);
        }
        QString broken = html;
        broken.remove(QStringLiteral("</td>"))
            .remove(QStringLiteral("</tr>"))
            .replace(QStringLiteral("<table"), QStringLiteral("</span></b><table"));
        Reading reading(submission.stage, submission.kind);
        reading.read(broken, submission.number);
        const QMap<int, QString> expected = ExpectedDeclarationRow::of(submission);
        for (int column = Number + 1; column < StagingGrid::kColumns; ++column)
            QCOMPARE(reading.at(column), expected.value(column));
    }
};

LETHORA_TEST_MAIN(TestDeclarationPageReader)
#include "tst_declaration_page_reader.moc"
