// The lessors, the lessees and their acceptances.

#include "portal/DeclarationReading.h"
#include "workspace/StagingColumns.h"

namespace {
const QString kYes = QStringLiteral("ΝΑΙ");
const QString kNo = QStringLiteral("ΟΧΙ");
const int kLessorCells = 6;
const int kAcceptanceCells = 4;

// The data rows of a section: from the second row after the title, while each row has
// the section's number of cells; each row's cells, up to the first five rows.
QList<QList<PageElement>> sectionRows(DeclarationReading& reading, const QList<PageElement>& rows,
                                      int title, int cellCount) {
    QList<QList<PageElement>> found;
    for (int r = title + 2; r < rows.size(); ++r) {
        QList<PageElement> cells = reading.cells(rows.at(r));
        if (cells.size() != cellCount)
            break;
        if (found.size() < StagingColumn::kLessors)
            found.append(std::move(cells));
    }
    return found;
}

// The acceptance date (cell 3) and mark (cell 4) of each party.
void acceptance(DeclarationReading& reading, const QList<PageElement>& rows, int title,
                int (*dateColumn)(int), int (*markColumn)(int)) {
    const QList<QList<PageElement>> parties = sectionRows(reading, rows, title, kAcceptanceCells);
    for (int n = 1; n <= parties.size(); ++n) {
        const QList<PageElement>& cells = parties.at(n - 1);
        reading.set(dateColumn(n), reading.trimmedText(cellAt(cells, 3)));
        reading.set(
            markColumn(n),
            reading.flatHtml(cellAt(cells, 4)).contains(QStringLiteral("checked=\"checked\""))
                ? kYes
                : kNo);
    }
}
} // namespace

void DeclarationSections::lessors(DeclarationReading& reading, const QList<PageElement>& rows,
                                  int title) {
    const QList<QList<PageElement>> lessors = sectionRows(reading, rows, title, kLessorCells);
    for (int n = 1; n <= lessors.size(); ++n)
        for (int i = 1; i <= 5; ++i)
            reading.set(StagingColumn::lessorSequence(n) + i - 1,
                        reading.trimmedText(cellAt(lessors.at(n - 1), i)));
}

void DeclarationSections::lessorAcceptance(DeclarationReading& reading,
                                           const QList<PageElement>& rows, int title) {
    acceptance(reading, rows, title, StagingColumn::lessorAcceptanceDate,
               StagingColumn::lessorAccepted);
}

void DeclarationSections::lesseeAcceptance(DeclarationReading& reading,
                                           const QList<PageElement>& rows, int title) {
    acceptance(reading, rows, title, StagingColumn::lesseeAcceptanceDate,
               StagingColumn::lesseeAccepted);
}

void DeclarationSections::lessee(DeclarationReading& reading, const PageElement& row, int k) {
    const QList<PageElement> cells = reading.cells(row);
    QString afm = reading.trimmedText(cellAt(cells, 3));
    QString name = reading.trimmedText(cellAt(cells, 4));
    // The first lessee of a temporarily saved declaration is shown in inputs.
    if (k == 1 && afm.isEmpty())
        afm = reading.inputValue(QStringLiteral("leaseholderAfm0")).value_or(QString());
    if (k == 1 && name.isEmpty())
        name = reading.inputValue(QStringLiteral("leaseholderName0")).value_or(QString());
    reading.set(StagingColumn::lesseeSequence(k), reading.trimmedText(cellAt(cells, 1)));
    reading.set(StagingColumn::lesseeAfm(k), afm);
    reading.set(StagingColumn::lesseeName(k), name);
}
