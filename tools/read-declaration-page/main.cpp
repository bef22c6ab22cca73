// read-declaration-page: reads a stored declaration details page (an HTML file) with the
// same reader as the import, into row 1 of a staging grid, and prints what it found.
//
//   read-declaration-page [--scripted] FILE EXPECTED_NUMBER STAGE KIND
//
// The page is opened in the real headless Chromium from its file address, or with
// --scripted in the scripted browser of the tests. STAGE and KIND are the row's columns 4
// and 5 (as the submission list shows them), EXPECTED_NUMBER its column 9. Each non-empty
// column of the row is printed as "column<TAB>value", one per line, in column order, with
// the line feeds inside a value written as \n. A message of the reader goes to standard
// error. The exit status is 2 for wrong arguments, 1 when the page could not be read: a
// file that is not a regular file, a page from which the reader took nothing (empty,
// not a details page, another declaration's page) or one that sent the browser
// elsewhere.

#include "common/ErrorReport.h"
#include "common/StandardErrorMessages.h"
#include "portal/DeclarationPageReader.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/saved-page/SavedPage.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

#include <QCoreApplication>

namespace {
const int kRow = 1;

ToolCommandLine commandLine() {
    ToolCommandLine line(QStringLiteral("read-declaration-page"),
                         {QStringLiteral("[--scripted] ΑΡΧΕΙΟ ΑΝΑΜΕΝΟΜΕΝΟΣ_ΑΡΙΘΜΟΣ ΣΤΑΔΙΟ ΕΙΔΟΣ")},
                         QStringLiteral("Διαβάζει αποθηκευμένη σελίδα στοιχείων δήλωσης με τον "
                                        "αναγνώστη της εισαγωγής και τυπώνει κάθε μη κενή στήλη "
                                        "ως στήλη<TAB>τιμή."));
    addSavedPageArguments(line);
    line.addPositional(QStringLiteral("ΑΝΑΜΕΝΟΜΕΝΟΣ_ΑΡΙΘΜΟΣ"),
                       QStringLiteral("ο αριθμός της δήλωσης"));
    line.addPositional(QStringLiteral("ΣΤΑΔΙΟ"), QStringLiteral("το στάδιο της γραμμής"));
    line.addPositional(QStringLiteral("ΕΙΔΟΣ"), QStringLiteral("το είδος της γραμμής"));
    return line;
}

void printRow(const StagingGrid& grid) {
    for (int column = 0; column < StagingGrid::kColumns; ++column) {
        QString value = grid.cell(column, kRow);
        if (value.isEmpty())
            continue;
        value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        printLine(QString::number(column) + QLatin1Char('\t') + value);
    }
}

// The row's columns, to tell afterwards whether the reader wrote anything.
QStringList rowOf(const StagingGrid& grid) {
    QStringList cells;
    for (int column = 0; column < StagingGrid::kColumns; ++column)
        cells << grid.cell(column, kRow);
    return cells;
}

// Reads the document into the row; an AppError when the reader wrote nothing (a page
// without a body, without the declaration's number or with another one).
void readDocument(StagingGrid& grid, const QString& expected, const PageDocument& document) {
    const QStringList before = rowOf(grid);
    bool done = false;
    ReadDeclarationPage(grid, kRow, expected, document, done);
    if (!done || rowOf(grid) == before)
        throw AppError(QStringLiteral("Η σελίδα δεν είναι σελίδα στοιχείων της δήλωσης ") +
                       expected + QStringLiteral(": δεν διαβάστηκε τίποτα."));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    StandardErrorMessages toStandardError;
    setMessages(&toStandardError);

    ToolCommandLine line = commandLine();
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    const QStringList args = line.positional();
    const bool scripted = line.isSet(kScripted);
    if (args.size() != 4)
        return line.wrong(QStringLiteral("χρειάζονται τέσσερα ορίσματα."));
    StagingGrid grid;
    grid.setCell(StagingColumn::Stage, kRow, args.at(2));
    grid.setCell(StagingColumn::Kind, kRow, args.at(3));
    grid.setCell(StagingColumn::Number, kRow, args.at(1));
    try {
        SavedPage page(args.at(0));
        page.open(scripted);
        readDocument(grid, args.at(1), page.document());
        page.requireStillShown();
    } catch (const AppError& error) {
        printToStandardError(error.text());
        return 1;
    }
    printRow(grid);
    return 0;
}
