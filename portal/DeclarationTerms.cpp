// The lease terms (table "contractDetails") and the notes.
//
// Each row of the lease terms goes through the tests below in order. A test that fits
// stores its values and leaves the row's working text equal to the last value it stored,
// so that the tests after it look at that value: a row holding both "4446/2016" and
// "Το μισθωμα" sets only the first mark.

#include "portal/DeclarationReading.h"
#include "workspace/StagingColumns.h"

namespace {
const QString kYes = QStringLiteral("ΝΑΙ");
// Positions counted from 0: a word "at position 6 or later" counted from 1.
const int kFromPosition = 5;

// The marks: the wording that the row holds, in the order of their columns from 86.
const QStringList kMarkWordings = {QStringLiteral("4446/2016"), QStringLiteral("Το μισθωμα"),
                                   QStringLiteral("παραχώρηση"), QStringLiteral("Ν.Π."),
                                   QStringLiteral("Υπεκμίσθωση")};

const QStringList kTypedTerms = {QStringLiteral("leasingSignatureDate"),
                                 QStringLiteral("leasingStartDate"),
                                 QStringLiteral("leasingEndDate"), QStringLiteral("monthlyRent")};

// The chosen option of the lease type's list: the text after the ">" that follows
// "selected", up to the next "<".
std::optional<QString> selectedOption(const QString& cellHtml) {
    const qsizetype selected = cellHtml.indexOf(QStringLiteral("\"selected\""));
    if (selected < 0)
        return std::nullopt;
    const qsizetype start = cellHtml.indexOf(QLatin1Char('>'), selected);
    if (start < 0)
        return std::nullopt;
    const qsizetype end = cellHtml.indexOf(QLatin1Char('<'), start + 1);
    return cellHtml.mid(start + 1, end < 0 ? -1 : end - start - 1).trimmed();
}

// The value attribute after the input's name in the row's HTML: the text after
// value=" up to the first double quote followed by ">".
std::optional<QString> typedValue(const QString& rowHtml, const QString& name) {
    const qsizetype named = rowHtml.indexOf(name);
    if (named < 0)
        return std::nullopt;
    const QString attribute = QStringLiteral("value=\"");
    const qsizetype value = rowHtml.indexOf(attribute, named + name.size());
    if (value < 0)
        return std::nullopt;
    const qsizetype start = value + attribute.size();
    const qsizetype end = rowHtml.indexOf(QStringLiteral("\">"), start);
    if (end < 0)
        return std::nullopt;
    return rowHtml.mid(start, end - start);
}

class TermsRow {
public:
    TermsRow(DeclarationReading& reading, const PageElement& row)
        : m_reading(reading), m_cells(reading.cells(row)), m_html(reading.flatHtml(row).trimmed()),
          m_working(m_html) {}

    void read() {
        if (m_working.contains(QStringLiteral("Ημερομηνία Λύσης"))) {
            QString date = m_reading.trimmedText(cell(2));
            if (date.isEmpty())
                date = m_reading.inputValue(QStringLiteral("terminationDate")).value_or(QString());
            store(StagingColumn::TerminationDate, date);
        }
        if (m_working.indexOf(QStringLiteral("selectmultiple")) >= kFromPosition) {
            if (const auto type = selectedOption(m_reading.flatHtml(cell(1))))
                store(StagingColumn::LeaseType, *type);
            for (int i = 2; i <= 5; ++i)
                if (cell(i))
                    store(StagingColumn::SignatureDate + i - 2, m_reading.text(cell(i)));
        }
        if (m_html.indexOf(kTypedTerms.first()) >= kFromPosition)
            for (int i = 0; i < kTypedTerms.size(); ++i)
                if (const auto value = typedValue(m_html, kTypedTerms.at(i)))
                    store(StagingColumn::SignatureDate + i, *value);
        for (int i = 0; i < kMarkWordings.size(); ++i)
            if (m_working.contains(kMarkWordings.at(i)))
                store(StagingColumn::FirstMark + i,
                      m_reading.flatHtml(cell(2)).contains(QStringLiteral("\"checked\""))
                          ? kYes
                          : QString());
        if (m_working.contains(QStringLiteral("initialSearchLabel")))
            for (int i = 3; i <= 5; ++i)
                if (cell(i))
                    store(StagingColumn::SubleaseCode + i - 3, m_reading.trimmedText(cell(i)));
    }

private:
    PageElement cell(int i) const { return cellAt(m_cells, i); }
    void store(int column, const QString& value) {
        m_reading.set(column, value);
        m_working = value;
    }

    DeclarationReading& m_reading;
    const QList<PageElement> m_cells;
    const QString m_html;
    QString m_working;
};
} // namespace

void DeclarationSections::leaseTerms(DeclarationReading& reading, const QList<PageElement>& rows) {
    for (const PageElement& row : rows)
        TermsRow(reading, row).read();
}

void DeclarationSections::notes(DeclarationReading& reading, const QList<PageElement>& rows,
                                int title) {
    for (int r = title + 2; r < rows.size(); ++r) {
        if (reading.trimmedText(rows.at(r)) != QStringLiteral("Σημειώσεις"))
            continue;
        if (r + 1 < rows.size()) {
            QString notes = reading.trimmedText(rows.at(r + 1)).left(StagingColumn::kNotesLength);
            // A cut never leaves half of a character that takes two code units.
            if (!notes.isEmpty() && notes.back().isHighSurrogate())
                notes.chop(1);
            reading.set(StagingColumn::Notes, notes);
        }
        return;
    }
}
