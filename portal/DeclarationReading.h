#pragma once
// What the parts of the declaration page reader share: the page in hand, the values found
// so far, and the ways rows, cells, texts and inputs are read. The values reach the
// staging row only when the whole page has been read, so a reading that a failing browser
// operation ends half way leaves the row as it was.

#include "portal/BrowserOps.h"

#include <QList>
#include <QMap>
#include <optional>

class DeclarationReading {
public:
    DeclarationReading(BrowserOps& browser, PageDocument page, bool shownInInputs)
        : ops(browser), document(std::move(page)), temporarilySaved(shownInInputs) {}

    BrowserOps& ops;
    const PageDocument document;
    // A temporarily saved declaration shows some property values in inputs.
    const bool temporarilySaved;

    // Keeps a value for the column; a later value for the same column replaces it.
    void set(int column, const QString& text) { m_values.insert(column, text); }
    const QMap<int, QString>& values() const { return m_values; }

    // The items of a collection in order; an item that is not an element stays none.
    QList<PageElement> items(const ElementCollection& collection);
    // A table's rows and a row's cells; none has none.
    QList<PageElement> rows(const PageElement& table);
    QList<PageElement> cells(const PageElement& row);
    // The rendered text, and trimmed; empty for none.
    QString text(const PageElement& element);
    QString trimmedText(const PageElement& element);
    // The element's HTML with every line feed and tab taken out; empty for none.
    QString flatHtml(const PageElement& element);
    // The value of the input with the id, or nothing when the page has no such element.
    std::optional<QString> inputValue(const QString& id);

private:
    QMap<int, QString> m_values;
};

// The cell i (from 1) of a row's cells; none beyond them.
inline PageElement cellAt(const QList<PageElement>& cells, int i) {
    return i >= 1 && i <= cells.size() ? cells.at(i - 1) : PageElement{};
}

// The sections of the page. Each takes the rows of its table and, where it has one, the
// index of the section's title row.
namespace DeclarationSections {
// "ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ": lessors 1 to 5 from the rows of 6 cells after the headings.
void lessors(DeclarationReading& reading, const QList<PageElement>& rows, int title);
// "ΑΠΟΔΟΧΗ ΕΚΜΙΣΘΩΤΩΝ" and "ΑΠΟΔΟΧΗ ΜΙΣΘΩΤΩΝ": acceptance dates and marks.
void lessorAcceptance(DeclarationReading& reading, const QList<PageElement>& rows, int title);
void lesseeAcceptance(DeclarationReading& reading, const QList<PageElement>& rows, int title);
// Lessee k (1 to 5) from the data row of its table "leaseholderTable" + (k - 1).
void lessee(DeclarationReading& reading, const PageElement& row, int k);
// The table "contractDetails", row by row.
void leaseTerms(DeclarationReading& reading, const QList<PageElement>& rows);
// "ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ": the notes under "Σημειώσεις".
void notes(DeclarationReading& reading, const QList<PageElement>& rows, int title);
// A table "propertyTable" + N; nextTable is the page's table after it (the energy
// certificate, when the property has one), none when it is the last.
void property(DeclarationReading& reading, const QString& tableId, const QList<PageElement>& rows,
              const PageElement& nextTable);
} // namespace DeclarationSections
