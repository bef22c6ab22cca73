#include "portal/DeclarationStoreWriter.h"

#include "common/AmountText.h"
#include "common/DateText.h"
#include "common/ErrorReport.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

using namespace StagingColumn;

namespace {

const QString kInitial = QStringLiteral("Αρχική");
const QString kAmending = QStringLiteral("Τροποποιητική");
const QString kTermination = QStringLiteral("Λύση");

enum class RowKind { Other, Initial, Amending };

RowKind kindOf(const StagingGrid& grid, int row) {
    const QString kind = grid.cell(Kind, row);
    if (kind == kInitial)
        return RowKind::Initial;
    if (kind == kAmending || kind == kTermination)
        return RowKind::Amending;
    return RowKind::Other;
}

QString field(const char* name, int k) {
    return QString::fromLatin1(name) + QString::number(k);
}

double amountOf(const QString& text) {
    const std::optional<double> value = amountFromText(text);
    if (!value)
        throw AppError(QStringLiteral("Το '") + text + QStringLiteral("' δεν είναι έγκυρο ποσό"));
    return *value;
}

// Reads the row through the cursor's edit or insert buffer; a failing conversion
// discards the record.
class RecordFill {
public:
    RecordFill(TableCursor& cursor, const StagingGrid& grid, int row)
        : m_cursor(cursor), m_grid(grid), m_row(row) {}

    QString cell(int column) const { return m_grid.cell(column, m_row); }
    void set(const QString& name, int column) const { m_cursor.setValue(name, cell(column)); }
    void set(const char* name, int column) const { set(QString::fromLatin1(name), column); }
    void setValue(const char* name, const QVariant& value) const {
        m_cursor.setValue(QString::fromLatin1(name), value);
    }
    // Empties the field: a rewrite leaves nothing of a position the page no longer shows.
    void clear(const QString& name) const { m_cursor.setValue(name, QVariant()); }
    // An amount column: 0 when it holds nothing.
    void setAmountOrZero(const char* name, int column) const {
        const QString text = cell(column);
        setValue(name, text.trimmed().isEmpty() ? 0.0 : amountOf(text));
    }

private:
    TableCursor& m_cursor;
    const StagingGrid& m_grid;
    int m_row;
};

void fillSubmission(const RecordFill& fill) {
    fill.setValue("DateYpovolis", SwapDateOrder(fill.cell(SubmissionDate)));
    fill.set("DateDisplay", SubmissionDate);
    fill.set("StadioYpovolis", Stage);
    fill.set("EidosDilosis", Kind);
}

// Whether the record is written anew or rewritten over what was stored.
enum class Write { New, Rewrite };

// The fields of one lessor's or lessee's position k, each with its column. A position the
// page shows (its sequence number read) is written; a rewrite empties one it no longer
// shows.
void fillPosition(const RecordFill& fill, Write write, int sequenceColumn, int k,
                  std::initializer_list<std::pair<const char*, int>> fields) {
    const bool shown = !fill.cell(sequenceColumn).isEmpty();
    if (!shown && write == Write::New)
        return;
    for (const auto& [name, column] : fields) {
        if (shown)
            fill.set(field(name, k), column);
        else
            fill.clear(field(name, k));
    }
}

void fillInitial(const RecordFill& fill, Write write) {
    fillSubmission(fill);
    for (int k = 1; k <= kLessors; ++k)
        fillPosition(fill, write, lessorSequence(k), k,
                     {{"EkmAA", lessorSequence(k)},
                      {"EkmAFM", lessorAfm(k)},
                      {"EkmName", lessorName(k)},
                      {"EkmPososto", lessorPercentage(k)},
                      {"EkmIdiotita", lessorCapacity(k)},
                      {"EkmDateApodoxis", lessorAcceptanceDate(k)},
                      {"EkmCheckApodoxis", lessorAccepted(k)}});
    for (int k = 1; k <= kLessees; ++k)
        fillPosition(fill, write, lesseeSequence(k), k,
                     {{"MistAA", lesseeSequence(k)},
                      {"MistAFM", lesseeAfm(k)},
                      {"MistName", lesseeName(k)},
                      {"MistDateApodoxis", lesseeAcceptanceDate(k)},
                      {"MistCheckApodoxis", lesseeAccepted(k)}});
    fill.set("EidosTarvenis", LeaseType);
    fill.set("SimfonitikoDate", SignatureDate);
    fill.set("MistosiApoDate", StartDate);
    fill.set("MistosiEosDate", EndDate);
    fill.setAmountOrZero("TotalMistoma", MonthlyRent);
    for (int n = 1; n <= 5; ++n)
        fill.set(field("DilCheck", n), FirstMark + n - 1);
    fill.set("YpekmCode", SubleaseCode);
    fill.set("YpekmEtos", SubleaseYear);
    fill.set("YpekmDoy", SubleaseTaxOffice);
    fill.set("Simiosis", Notes);
}

void fillAmending(const RecordFill& fill, Write write) {
    fillSubmission(fill);
    for (int k = 1; k <= kLessors; ++k)
        fillPosition(fill, write, lessorSequence(k), k,
                     {{"EkmPososto", lessorPercentage(k)},
                      {"EkmDateApodoxis", lessorAcceptanceDate(k)},
                      {"EkmCheckApodoxis", lessorAccepted(k)}});
    for (int k = 1; k <= kLessees; ++k)
        fillPosition(fill, write, lesseeSequence(k), k,
                     {{"MistDateApodoxis", lesseeAcceptanceDate(k)},
                      {"MistCheckApodoxis", lesseeAccepted(k)}});
    fill.set("SimfonitikoDate", SignatureDate);
    fill.set("MistosiApoDate", StartDate);
    fill.set("MistosiEosDate", fill.cell(TerminationDate).isEmpty() ? EndDate : TerminationDate);
    fill.setAmountOrZero("TotalMistoma", MonthlyRent);
    fill.set("Simiosis", Notes);
}

void fillProperty(const RecordFill& fill, int p) {
    const int b = propertyBase(p);
    static const std::pair<const char*, int> kFields[] = {
        {"Eidos", 2},         {"ATAK", 3},        {"Odos", 4},         {"Num", 5},
        {"ZipCode", 6},       {"Descr", 8},       {"KAEK", 9},         {"Dimos", 10},
        {"Thesi", 11},        {"Nomos", 12},      {"Orofos", 14},      {"MerikiMistosi", 15},
        {"EpifKX", 16},       {"EpifBX", 17},     {"EpifOiko", 18},    {"ExistsDEH", 21},
        {"DEH", 22},          {"CertNum", 23},    {"CertDate", 24},    {"CertAMEPith", 25},
        {"CertAFMEPith", 26}, {"CertAsfNum", 27}, {"Certkatataxi", 28}};
    for (const auto& [name, offset] : kFields)
        fill.set(name, b + offset);
    const QString rent = fill.cell(b + 20);
    if (!rent.trimmed().isEmpty())
        fill.setValue("MonthlyMist", amountOf(rent));
}

bool propertyPresent(const StagingGrid& grid, int row, int p) {
    return !grid.cell(propertyBase(p) + 1, row).isEmpty();
}

// Fills the cursor's buffer and posts it; the record is discarded when filling fails.
template <typename Fill> void postFilled(TableCursor& cursor, Fill&& fill) {
    try {
        fill();
        cursor.post();
    } catch (...) {
        cursor.cancel();
        throw;
    }
}

TableCursor& declarationCursor(RowKind kind) {
    return kind == RowKind::Initial ? dmTables().tblMistDilMast : dmTables().tblMistDilDet;
}

QString writeMarkOf(RowKind kind) {
    return kind == RowKind::Initial ? QStringLiteral("1") : QStringLiteral("2");
}

// The write of one declaration with its properties: committed whole, or rolled back
// with the cursors read again and the write mark as it was.
template <typename Write> void writeWhole(StagingGrid& grid, int row, Write&& write) {
    const QString markBefore = grid.cell(WriteMark, row);
    try {
        TableStore::Transaction transaction;
        write();
        transaction.commit();
    } catch (...) {
        // Rolled back by now: the cursors read the tables again.
        grid.setCell(WriteMark, row, markBefore);
        TdmTables& tables = dmTables();
        for (TableCursor* cursor :
             {&tables.tblMistDilMast, &tables.tblMistDilDet, &tables.tblMistDilAkinita})
            if (cursor->isOpen()) {
                cursor->cancel();
                cursor->refresh();
            }
        throw;
    }
}

} // namespace

void StoreNewDeclaration(StagingGrid& grid, int row) {
    const RowKind kind = kindOf(grid, row);
    if (kind == RowKind::Other)
        return;
    TableCursor& cursor = declarationCursor(kind);
    const RecordFill fill(cursor, grid, row);
    cursor.insert();
    postFilled(cursor, [&] {
        if (kind == RowKind::Initial) {
            fill.set("DilCode", Number);
            fillInitial(fill, Write::New);
        } else {
            fill.set("DilCode", InitialNumber);
            fill.set("TropDilCode", Number);
            fillAmending(fill, Write::New);
        }
    });
    grid.setCell(WriteMark, row, writeMarkOf(kind));
}

void StoreNewProperties(const StagingGrid& grid, int row) {
    if (kindOf(grid, row) != RowKind::Initial)
        return;
    TableCursor& cursor = dmTables().tblMistDilAkinita;
    const RecordFill fill(cursor, grid, row);
    for (int p = 1; p <= kStoredProperties; ++p) {
        if (!propertyPresent(grid, row, p))
            continue;
        cursor.insert();
        postFilled(cursor, [&] {
            fill.set("DilCode", Number);
            fill.setValue("AA", p);
            fillProperty(fill, p);
        });
    }
}

void UpdateStoredDeclaration(StagingGrid& grid, int row) {
    const RowKind kind = kindOf(grid, row);
    if (kind == RowKind::Other)
        return;
    TableCursor& cursor = declarationCursor(kind);
    const RecordFill fill(cursor, grid, row);
    cursor.edit();
    postFilled(cursor, [&] {
        if (kind == RowKind::Initial)
            fillInitial(fill, Write::Rewrite);
        else
            fillAmending(fill, Write::Rewrite);
    });
    grid.setCell(WriteMark, row, writeMarkOf(kind));
}

void UpdateStoredProperties(const StagingGrid& grid, int row) {
    if (kindOf(grid, row) != RowKind::Initial)
        return;
    TdmTables& tables = dmTables();
    TableCursor& cursor = tables.tblMistDilAkinita;
    const RecordFill fill(cursor, grid, row);
    const QVariant dilCode = tables.tblMistDilMast.value(QStringLiteral("DilCode"));
    for (int p = 1; p <= kStoredProperties; ++p) {
        const bool stored =
            cursor.locate(QStringLiteral("DilCode"), dilCode, QStringLiteral("AA"), p);
        // A property the platform no longer shows is removed.
        if (!propertyPresent(grid, row, p)) {
            if (stored)
                cursor.remove();
            continue;
        }
        // A property added on the platform after the first import is stored anew.
        if (stored) {
            cursor.edit();
        } else {
            cursor.insert();
            fill.setValue("DilCode", dilCode);
            fill.setValue("AA", p);
        }
        postFilled(cursor, [&] { fillProperty(fill, p); });
    }
}

QString AmendedNumberOf(const QString& listedNumber) {
    static const QString kMarker = QStringLiteral("(Τροποποιεί το Α/Α");
    const int at = listedNumber.indexOf(kMarker);
    if (at < 0)
        return listedNumber;
    const QString rest = listedNumber.mid(at + kMarker.size() + 1);
    return rest.left(rest.indexOf(QLatin1Char(')'))).trimmed();
}

void StoreImportedDeclaration(StagingGrid& grid, int row) {
    writeWhole(grid, row, [&] {
        StoreNewDeclaration(grid, row);
        StoreNewProperties(grid, row);
    });
}

void UpdateImportedDeclaration(StagingGrid& grid, int row) {
    writeWhole(grid, row, [&] {
        UpdateStoredDeclaration(grid, row);
        UpdateStoredProperties(grid, row);
    });
}
