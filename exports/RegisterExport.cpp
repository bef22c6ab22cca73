#include "exports/RegisterExport.h"
#include "common/ErrorReport.h"
#include "exports/PrintLayout.h"
#include "exports/SectionColours.h"
#include "exports/Spreadsheet.h"
#include "exports/SpreadsheetStarter.h"
#include "store/TdmTables.h"

#include <QLocale>
#include <cmath>

namespace {
const int kDeclarationColour = SectionColours::kDeclaration;
const int kLesseeColour = SectionColours::kLessee;
const int kAmendmentColour = SectionColours::kAmendment;
const int kPropertyColour = SectionColours::kProperty;
const int kHeaderRow = 3;

// One value of a column entry: text, or an amount that may be left out.
struct Entry {
    QString text;
    bool amount = false;
    bool written = true;
    double number = 0;
};

Entry text(const QString& value) {
    return {value};
}
Entry amount(const QVariant& value, bool onlyAboveZero) {
    const double number = value.toDouble();
    return {QString(), true, !onlyAboveZero || number > 0, number};
}

// A section of the sheet: its first column, its ticks and headers, its colour.
struct Section {
    int first = 0;
    QList<bool> ticks;
    QStringList texts;
    int colour = 0;
    int count() const { return static_cast<int>(ticks.count(true)); }
    int last() const { return first + count() - 1; }
};

class SheetWriter {
public:
    explicit SheetWriter(Sheet& sheet) : m_sheet(sheet) {}

    void title(const Section& section, const QString& caption) {
        m_sheet.cells(2, section.first).setValue(caption);
        CellBlock block = m_sheet.range(columnName(section.first) + QStringLiteral("2:") +
                                        columnName(section.last()) + QLatin1Char('2'));
        block.setMergeCells(true);
        block.setHorizontalAlignment(xl::Center);
        block.font().setBold(true);
    }

    // Writes the ticked items of a section at a row; value(p) gives item p (1-based).
    void items(const Section& section, int row, const std::function<Entry(int)>& value,
               const std::function<QString(int)>& header) {
        int column = section.first;
        for (int p = 1; p <= section.ticks.size(); ++p) {
            if (!section.ticks.at(p - 1))
                continue;
            const Entry entry = value(p);
            m_sheet.cells(row, column).interior().setColor(section.colour);
            m_sheet.cells(kHeaderRow, column).interior().setColor(section.colour);
            m_sheet.columns(column).setNumberFormat(entry.amount ? xl::AmountFormat
                                                                 : xl::TextFormat);
            m_sheet.cells(kHeaderRow, column).setValue(header(p));
            if (!entry.amount)
                m_sheet.cells(row, column).setValue(entry.text);
            else if (entry.written)
                m_sheet.cells(row, column).setValue(entry.number);
            ++column;
        }
    }

    void line(int row, int lastColumn, bool twice) {
        CellBlock block =
            m_sheet.range(QStringLiteral("A") + QString::number(row) + QLatin1Char(':') +
                          columnName(lastColumn) + QString::number(row));
        if (twice)
            block.borders(xl::EdgeBottom).setLineStyle(xl::Double);
        else
            block.borders(xl::EdgeBottom).setWeight(xl::Thin);
    }

private:
    Sheet& m_sheet;
};

Entry declarationItem(TableCursor& mast, int p) {
    static const char* const fields[] = {"DilCode",        "DateDisplay",     "StadioYpovolis",
                                         "EidosDilosis",   "SimfonitikoDate", "MistosiApoDate",
                                         "MistosiEosDate", "TotalMistoma",    "EidosTarvenis"};
    if (p == 8)
        return amount(mast.value(QStringLiteral("TotalMistoma")), true);
    return text(mast.text(QString::fromLatin1(fields[p - 1])));
}

Entry amendmentItem(TableCursor& det, int p) {
    static const char* const fields[] = {"TropDilCode",    "DateDisplay",     "StadioYpovolis",
                                         "EidosDilosis",   "SimfonitikoDate", "MistosiApoDate",
                                         "MistosiEosDate", "TotalMistoma"};
    if (p == 8)
        return amount(det.value(QStringLiteral("TotalMistoma")), false);
    return text(det.text(QString::fromLatin1(fields[p - 1])));
}

Entry lesseeItem(TableCursor& mast, int lessee, int p) {
    static const char* const fields[] = {"MistAFM", "MistName", "MistDateApodoxis"};
    return text(mast.text(QString::fromLatin1(fields[p - 1]) + QString::number(lessee)));
}

Entry propertyItem(TableCursor& akinita, int p) {
    static const char* const fields[] = {"Eidos",       "ATAK",   "Nomos",   "Dimos",  "Thesi",
                                         "Odos",        "Orofos", "EpifKX",  "EpifBX", "EpifOiko",
                                         "MonthlyMist", "DEH",    "CertNum", "Descr"};
    if (p == 6)
        return text(akinita.text(QStringLiteral("Odos")) + QLatin1Char(' ') +
                    akinita.text(QStringLiteral("Num")));
    if (p == 11)
        return amount(akinita.value(QStringLiteral("MonthlyMist")), true);
    return text(akinita.text(QString::fromLatin1(fields[p - 1])));
}

// The highest lessee number with a name; 0 when none has one.
int lesseeCount(TableCursor& mast) {
    for (int n = 5; n >= 1; --n)
        if (!mast.text(QStringLiteral("MistName") + QString::number(n)).isEmpty())
            return n;
    return 0;
}

// Starts the spreadsheet and takes the first sheet of a new workbook; nothing (and no
// message) when it cannot be had.
std::shared_ptr<SpreadsheetApp> startWorkbook() {
    try {
        std::shared_ptr<SpreadsheetApp> app = startSpreadsheetApp();
        app->addWorkbook();
        app->workbook(1).worksheet(1);
        return app;
    } catch (...) {
        return nullptr;
    }
}

struct Layout {
    bool latest = false;
    Section declaration, lessee, amendment, property;
    int lastColumn() const {
        return latest ? declaration.count() + lessee.count() + property.count()
                      : declaration.count() + lessee.count() + amendment.count() + property.count();
    }
};

Layout layoutOf(const ExportChoice& c, bool latest) {
    Layout l;
    l.latest = latest;
    l.declaration = {1, c.mast, c.mastTexts, kDeclarationColour};
    l.lessee = {l.declaration.first + l.declaration.count(), c.mistotes, c.mistotesTexts,
                kLesseeColour};
    l.amendment = {l.lessee.first + l.lessee.count(), c.trops, c.tropsTexts, kAmendmentColour};
    l.property = {
        (latest ? l.lessee.first + l.lessee.count() : l.amendment.first + l.amendment.count()),
        c.akinita, c.akinitaTexts, kPropertyColour};
    return l;
}

// How many rows one declaration takes: one for each of its lessees, amending declarations
// (as the layout shows them) and properties side by side, one at least.
struct DeclarationRows {
    int lessees = 0;
    int amendments = 0;
    int properties = 0;
    int count() const { return std::max({1, lessees, amendments, properties}); }
};

DeclarationRows rowsOf(const ExportChoice& choice, bool latest) {
    TdmTables& dm = dmTables();
    DeclarationRows r;
    r.lessees = lesseeCount(dm.tblMistDilMast);
    r.amendments = latest ? 0 : dm.tblMistDilDet.recordCount();
    if (!latest && choice.stage == StageChoice::Active)
        r.amendments = r.amendments > 0 ? 1 : 0;
    r.properties = dm.tblMistDilAkinita.recordCount();
    if (latest && choice.layout == ExportLayout::LatestFirstProperty)
        r.properties = qMin(r.properties, 1);
    return r;
}

// The last row that the export of the view writes; the cursor of the declarations is
// left on its first row.
qint64 lastRowOf(const ExportChoice& choice, bool latest) {
    TableCursor& mast = dmTables().tblMistDilMast;
    qint64 last = kHeaderRow;
    for (mast.first(); !mast.eof() && !mast.isEmpty(); mast.next())
        last += rowsOf(choice, latest).count();
    mast.first();
    return last;
}

// Writes the current declaration from the row given on; the row is left on its last one.
void writeDeclaration(SheetWriter& writer, const Layout& layout, const ExportChoice& choice,
                      int& row) {
    const bool latest = layout.latest;
    TdmTables& dm = dmTables();
    TableCursor& mast = dm.tblMistDilMast;
    TableCursor& det = dm.tblMistDilDet;
    TableCursor& akinita = dm.tblMistDilAkinita;
    const bool amended = !det.isEmpty();
    if (layout.declaration.count() > 0) {
        if (latest && amended) {
            det.first();
            writer.title(layout.declaration, QStringLiteral("ΑΡΧΙΚΕΣ/ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
            writer.items(
                layout.declaration, row,
                [&](int p) { return p <= 8 ? amendmentItem(det, p) : declarationItem(mast, p); },
                [&](int p) {
                    return p <= 8 ? choice.tropsTexts.value(p - 1) : choice.mastTexts.value(p - 1);
                });
        } else {
            writer.title(layout.declaration, latest
                                                 ? QStringLiteral("ΑΡΧΙΚΕΣ/ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ")
                                                 : QStringLiteral("ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
            writer.items(
                layout.declaration, row, [&](int p) { return declarationItem(mast, p); },
                [&](int p) { return choice.mastTexts.value(p - 1); });
        }
    }
    const DeclarationRows counts = rowsOf(choice, latest);
    const int lessees = counts.lessees;
    const int amendments = counts.amendments;
    const int properties = counts.properties;
    const int rows = std::max({lessees, amendments, properties});
    if (rows == 0)
        return;
    akinita.first();
    det.first();
    for (int i = 1; i <= rows; ++i) {
        if (i > 1)
            ++row;
        if (lessees > 0) {
            if (layout.lessee.count() > 0)
                writer.title(layout.lessee, QStringLiteral("ΜΙΣΘΩΤΕΣ"));
            if (i <= lessees)
                writer.items(
                    layout.lessee, row, [&](int p) { return lesseeItem(mast, i, p); },
                    [&](int p) { return choice.mistotesTexts.value(p - 1); });
        }
        if (amendments > 0) {
            if (layout.amendment.count() > 0)
                writer.title(layout.amendment, QStringLiteral("ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
            if (i <= amendments) {
                writer.items(
                    layout.amendment, row, [&](int p) { return amendmentItem(det, p); },
                    [&](int p) { return choice.tropsTexts.value(p - 1); });
                det.next();
            }
        }
        if (properties > 0) {
            if (layout.property.count() > 0)
                writer.title(layout.property, QStringLiteral("AKINHTA"));
            if (i <= properties) {
                writer.items(
                    layout.property, row, [&](int p) { return propertyItem(akinita, p); },
                    [&](int p) { return choice.akinitaTexts.value(p - 1); });
                akinita.next();
            }
        }
    }
}

QString tooManyRowsText(qint64 lastRow, int sheetRows) {
    const QLocale greek(QLocale::Greek);
    return QStringLiteral("Η εξαγωγή χρειάζεται %1 γραμμές, ενώ ένα φύλλο του λογιστικού φύλλου "
                          "χωρά έως %2. Περιορίστε τις δηλώσεις με το φίλτρο και εξάγετε τις "
                          "υπόλοιπες χωριστά.")
        .arg(greek.toString(lastRow), greek.toString(sheetRows));
}

void exportRegister(const ExportChoice& choice, const ExportProgress& progress, bool latest,
                    int sheetRows) {
    const Layout layout = layoutOf(choice, latest);
    const int enough = layout.declaration.count() + layout.lessee.count() +
                       (latest ? 0 : layout.amendment.count());
    if (enough < 2)
        return;
    // A view larger than a sheet is refused before anything is made.
    if (const qint64 last = lastRowOf(choice, latest); last > sheetRows)
        throw AppError(tooManyRowsText(last, sheetRows));
    std::shared_ptr<SpreadsheetApp> app = startWorkbook();
    if (!app)
        return;
    Sheet& sheet = app->workbook(1).worksheet(1);
    app->setVisible(false);
    if (progress.show)
        progress.show();
    SheetWriter writer(sheet);
    TableCursor& mast = dmTables().tblMistDilMast;
    mast.first();
    int done = 0;
    int row = kHeaderRow;
    CellBlock header = sheet.range(QStringLiteral("A3:ZZ3"));
    header.setHorizontalAlignment(xl::Center);
    header.font().setBold(true);
    const int total = mast.recordCount();
    while (!mast.eof() && !mast.isEmpty()) {
        ++done;
        ++row;
        if (progress.setPercent)
            progress.setPercent(static_cast<int>(std::lround(done * 100.0 / total)));
        // A value that the sheet refuses names the declaration it belongs to.
        try {
            writeDeclaration(writer, layout, choice, row);
        } catch (const AppError& refused) {
            throw AppError(QStringLiteral("Η δήλωση %1 δεν εξάγεται: %2")
                               .arg(mast.text(QStringLiteral("DilCode")), refused.text()));
        }
        writer.line(row, layout.lastColumn(), false);
        mast.next();
    }
    writer.line(kHeaderRow, layout.lastColumn(), true);
    sheet.range(QStringLiteral("A1"), QStringLiteral("AZ1")).entireColumn().autoFit();
    // The section titles and the column headers head every printed page.
    setPrintLayout(sheet, 2, kHeaderRow, {1, 1, row, layout.lastColumn()});
    if (progress.hide)
        progress.hide();
    app->setVisible(true);
}
} // namespace

void ExportRegisterFull(const ExportChoice& choice, const ExportProgress& progress, int sheetRows) {
    exportRegister(choice, progress, false, sheetRows);
}

void ExportRegisterLatest(const ExportChoice& choice, const ExportProgress& progress,
                          int sheetRows) {
    exportRegister(choice, progress, true, sheetRows);
}

void ExportRegister(const ExportChoice& choice, const ExportProgress& progress, int sheetRows) {
    if (choice.layout == ExportLayout::Full)
        ExportRegisterFull(choice, progress, sheetRows);
    else
        ExportRegisterLatest(choice, progress, sheetRows);
}
