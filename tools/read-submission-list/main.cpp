// read-submission-list: reads a saved submission-list page (an HTML file) with the same
// list reading as the data check, into a staging grid set up as the workspace sets it up,
// and prints what it found.
//
//   read-submission-list [--scripted] FILE
//
// The page is opened in the real headless Chromium from its file address, or with
// --scripted in the scripted browser of the tests. Every staging row from 0 to the grid's
// row count - 1 is printed as "ROW<TAB>c0<TAB>c1<TAB>c2<TAB>c3<TAB>c4<TAB>c5" (columns 0
// to 5), then "counts<TAB>I<TAB>A" with the platform's initial and amending counts. A page
// without a list table prints row 0 alone and "counts<TAB>0<TAB>0". The exit status is 2
// for wrong arguments, 1 when the file cannot be read.

#include "common/ErrorReport.h"
#include "common/StandardErrorMessages.h"
#include "portal/SubmissionImport.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/saved-page/SavedPage.h"
#include "workspace/StagingGrid.h"

#include <QCoreApplication>

namespace {
const int kListColumns = 6;

ToolCommandLine commandLine() {
    ToolCommandLine line(QStringLiteral("read-submission-list"),
                         {QStringLiteral("[--scripted] ΑΡΧΕΙΟ")},
                         QStringLiteral("Διαβάζει αποθηκευμένη σελίδα λίστας υποβολών με την "
                                        "ανάγνωση του ελέγχου δεδομένων και τυπώνει τις γραμμές "
                                        "και τα πλήθη της πλατφόρμας."));
    addSavedPageArguments(line);
    return line;
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
    if (args.size() != 1)
        return line.wrong(QStringLiteral("χρειάζεται ένα όρισμα."));

    StagingGrid grid;
    grid.fillHeaderRow();
    PortalSession session;
    SilentImportPanel panel;
    SubmissionImport import(session, grid, panel);
    try {
        SavedPage page(args.first());
        page.open(scripted);
        session.SessionBrowser = page.window();
        import.ReadSubmissionList();
        import.countPlatformDeclarations();
    } catch (const AppError& error) {
        printToStandardError(error.text());
        return 1;
    }
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells = {QString::number(row)};
        for (int column = 0; column < kListColumns; ++column)
            cells << grid.cell(column, row);
        printLine(cells.join(QLatin1Char('\t')));
    }
    printLine(QStringLiteral("counts\t%1\t%2")
                  .arg(import.platformInitialCount())
                  .arg(import.platformAmendingCount()));
    return 0;
}
