#include "portal/DeclarationPageReader.h"
#include "common/Messages.h"
#include "portal/DeclarationReading.h"
#include "portal/PortalTexts.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

namespace {
const QString kTitle = QStringLiteral("ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ");
const QString kLessorsTitle = QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ");
const QString kLessorAcceptanceTitle = QStringLiteral("ΑΠΟΔΟΧΗ ΕΚΜΙΣΘΩΤΩΝ");
const QString kLesseeAcceptanceTitle = QStringLiteral("ΑΠΟΔΟΧΗ ΜΙΣΘΩΤΩΝ");
const QString kLeaseTitle = QStringLiteral("ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ");
const QString kLesseeTable = QStringLiteral("leaseholderTable");
const QString kTermsTable = QStringLiteral("contractDetails");
const QString kPropertyTable = QStringLiteral("propertyTable");
const int kLesseeCells = 6;

// The number in the title cell's text: after the first "." up to the first "-" after it
// (to the end when there is none).
QString numberInTitle(const QString& title) {
    const qsizetype dot = title.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    const qsizetype dash = title.indexOf(QLatin1Char('-'), dot + 1);
    return title.mid(dot + 1, dash < 0 ? -1 : dash - dot - 1).trimmed();
}

// The number of the first cell that carries the title; nothing when there is none.
std::optional<QString> shownNumber(DeclarationReading& reading, const PageElement& body) {
    const QList<PageElement> cells =
        reading.items(reading.ops.GetElementsByTagName(body, QStringLiteral("TD")));
    for (const PageElement& cell : cells) {
        const QString text = reading.trimmedText(cell);
        if (text.startsWith(kTitle))
            return numberInTitle(text);
    }
    return std::nullopt;
}

// The lessee index d of a table "leaseholderTable" + d (0 to 4); -1 for other tables.
int lesseeIndex(const QString& tableId) {
    if (tableId.size() != kLesseeTable.size() + 1 || !tableId.startsWith(kLesseeTable))
        return -1;
    const QChar digit = tableId.back();
    return digit >= QLatin1Char('0') && digit < QLatin1Char('0' + StagingColumn::kLessees)
               ? digit.digitValue()
               : -1;
}

// The sections that every declaration's page has.
struct SectionsSeen {
    bool lessors = false;
    bool leaseTerms = false;
};

// The rules of the table walk for one table; each rule that fits reads its section and
// ends the table.
void walkTable(DeclarationReading& reading, const PageElement& table, const PageElement& nextTable,
               SectionsSeen& seen) {
    const QString id = reading.ops.GetId(table);
    const QList<PageElement> rows = reading.rows(table);
    const int lessee = lesseeIndex(id);
    for (int r = 0; r < rows.size(); ++r) {
        const QString text = reading.trimmedText(rows.at(r));
        if (text == kLessorAcceptanceTitle)
            return DeclarationSections::lessorAcceptance(reading, rows, r);
        if (text == kLesseeAcceptanceTitle)
            return DeclarationSections::lesseeAcceptance(reading, rows, r);
        if (text == kLessorsTitle) {
            seen.lessors = true;
            return DeclarationSections::lessors(reading, rows, r);
        }
        if (lessee >= 0 && r + 2 < rows.size() &&
            reading.cells(rows.at(r + 2)).size() == kLesseeCells)
            return DeclarationSections::lessee(reading, rows.at(r + 2), lessee + 1);
        if (id == kTermsTable) {
            seen.leaseTerms = true;
            return DeclarationSections::leaseTerms(reading, rows);
        }
        if (text == kLeaseTitle)
            return DeclarationSections::notes(reading, rows, r);
        if (id.startsWith(kPropertyTable))
            return DeclarationSections::property(reading, id, rows, nextTable);
    }
}
} // namespace

PageReading ReadDeclarationPage(StagingGrid& grid, int row, const QString& expectedNumber,
                                const PageDocument& document, bool& pageReadDone) {
    if (pageReadDone)
        return PageReading::AlreadyDone;
    BrowserOps& ops = browserOps();
    const PageElement body = ops.GetBody(document);
    if (!body)
        return PageReading::NoBody;

    // The platform shows some values of a temporarily saved declaration in inputs, whatever
    // its kind.
    const bool temporarilySaved =
        grid.cell(StagingColumn::Stage, row).trimmed() == PortalTexts::kTemporarilySaved;
    DeclarationReading reading(ops, document, temporarilySaved);

    const std::optional<QString> number = shownNumber(reading, body);
    if (!number) {
        pageReadDone = true;
        return PageReading::NoTitle;
    }
    if (*number != expectedNumber) {
        showMessage(QStringLiteral("Πρόβλημα στη δήλωση με αριθμό ") + expectedNumber +
                    QLatin1Char('(') + *number + QLatin1Char(')'));
        pageReadDone = true;
        return PageReading::OtherNumber;
    }

    const QList<PageElement> tables =
        reading.items(ops.GetElementsByTagName(body, QStringLiteral("TABLE")));
    SectionsSeen seen;
    for (int t = 0; t < tables.size(); ++t)
        if (tables.at(t))
            walkTable(reading, tables.at(t),
                      t + 1 < tables.size() ? tables.at(t + 1) : PageElement{}, seen);

    for (auto value = reading.values().cbegin(); value != reading.values().cend(); ++value)
        grid.setCell(value.key(), row, value.value());
    pageReadDone = true;
    return seen.lessors && seen.leaseTerms ? PageReading::Read : PageReading::Incomplete;
}
