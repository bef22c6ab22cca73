// fuzz-declaration-page: reads mutated details pages of the fake platform with the
// import's page reader through the scripted browser, and checks what every reading left:
// the page marked as read, nothing written outside the declaration's own columns, the
// notes at most 5000 characters, no failure raised.
//
//   fuzz-declaration-page [COUNT] [SEED] [--pages FOLDER]
//
// COUNT mutated pages (3000 by default) from the pages of a generated register; the
// same SEED (1 by default) gives the same pages. With --pages each page is also written
// to the folder as page-N.html, and a line "file<TAB>number<TAB>stage<TAB>kind" for it to
// pages.tsv there, so that read-declaration-page can read them in the real browser. Prints the
// counts of what the pages made the reader do and every finding; the exit status is 1 when there
// was a finding. Built with the address and undefined-behaviour sanitizers, it also finds memory
// faults.

#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "portal/DeclarationPageReader.h"
#include "portal/scripted/ScriptedPage.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/fuzz-declaration-page/PageMutations.h"
#include "tools/registergen/RegisterGenerator.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
const int kRow = 1;

// Counts the reader's messages instead of showing them.
class CountedMessages : public MessageSeam {
public:
    void showMessage(const QString&) override { ++shown; }
    void showError(const QString&) override { ++shown; }
    bool askYesNo(const QString&) override { return false; }
    bool askOkCancel(const QString&) override { return false; }
    int shown = 0;
};

// Whether the reader may write the column: the lessors, the lessees, the lease terms
// and notes, the properties.
bool declarationColumn(int column) {
    using namespace StagingColumn;
    return (column >= lessorSequence(1) && column <= lessorAccepted(kLessors)) ||
           (column >= lesseeSequence(1) && column <= lesseeAccepted(kLessees)) ||
           (column >= TerminationDate && column <= Notes) || column > propertyBase(1);
}

// What was wrong with the row after reading; empty when nothing.
QString findingsOf(const StagingGrid& grid, const PlatformSubmission& submission, bool done) {
    QStringList found;
    if (!done)
        found << QStringLiteral("not marked as read");
    if (grid.cell(StagingColumn::Notes, kRow).size() > StagingColumn::kNotesLength)
        found << QStringLiteral("notes of %1 characters")
                     .arg(grid.cell(StagingColumn::Notes, kRow).size());
    for (int column = 0; column < StagingGrid::kColumns; ++column) {
        const QString value = grid.cell(column, kRow);
        const QString preset = column == StagingColumn::Stage    ? submission.stage
                               : column == StagingColumn::Kind   ? submission.kind
                               : column == StagingColumn::Number ? submission.number
                                                                 : QString();
        if (!declarationColumn(column) && value != preset)
            found << QStringLiteral("column %1 written").arg(column);
    }
    return found.join(QStringLiteral(", "));
}
void writePage(QFile& list, int n, const QString& html, const PlatformSubmission& submission) {
    const QString name = QStringLiteral("page-%1.html").arg(n);
    QFile page(QFileInfo(list).dir().filePath(name));
    if (page.open(QIODevice::WriteOnly))
        page.write(html.toUtf8());
    list.write(QStringList{name, submission.number, submission.stage, submission.kind}
                   .join(QLatin1Char('\t'))
                   .toUtf8() +
               '\n');
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line(QStringLiteral("fuzz-declaration-page"),
                         {QStringLiteral("[ΠΛΗΘΟΣ] [ΣΠΟΡΟΣ] [--pages ΦΑΚΕΛΟΣ]")},
                         QStringLiteral("Διαβάζει ΠΛΗΘΟΣ (3000) παραλλαγμένες σελίδες στοιχείων "
                                        "με τον αναγνώστη σελίδων και τυπώνει ό,τι παραβιάζει "
                                        "κανόνα του."));
    line.addPositional(QStringLiteral("ΠΛΗΘΟΣ"), QStringLiteral("οι σελίδες (3000)"));
    line.addPositional(QStringLiteral("ΣΠΟΡΟΣ"), QStringLiteral("ο σπόρος των παραλλαγών (1)"));
    line.addOption(QStringLiteral("pages"), QStringLiteral("κρατά τις σελίδες στον φάκελο"),
                   QStringLiteral("ΦΑΚΕΛΟΣ"));
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    const QStringList args = line.positional();
    const QString pagesFolder = line.value(QStringLiteral("pages"));
    bool countOk = false, seedOk = false;
    const int count = args.value(0, QStringLiteral("3000")).toInt(&countOk);
    const quint32 seed = args.value(1, QStringLiteral("1")).toUInt(&seedOk);
    if (args.size() > 2 || !countOk || count <= 0 || !seedOk)
        return line.wrong(QStringLiteral("το πλήθος και ο σπόρος είναι θετικοί ακέραιοι."));
    if (line.isSet(QStringLiteral("pages")) && !QDir().mkpath(pagesFolder))
        return line.wrong(QStringLiteral("δεν δημιουργείται ο φάκελος ") + pagesFolder);
    QFile list(QDir(pagesFolder).filePath(QStringLiteral("pages.tsv")));
    if (!pagesFolder.isEmpty() && !list.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s\n", qPrintable(list.errorString()));
        return 1;
    }
    CountedMessages counted;
    setMessages(&counted);

    const QList<PlatformSubmission> fixtures =
        platformSubmissions(generateRegister(QStringLiteral("094014201"), 12, seed));
    PageMutations mutations(seed);
    int findings = 0, filled = 0, mismatched = 0;
    qint64 slowestMs = 0;
    for (int n = 0; n < count; ++n) {
        const PlatformSubmission& submission = fixtures.at(n % fixtures.size());
        QStringList applied;
        const QString html =
            mutations.mutate(DeclarationPage::page(submission, QString()), applied);
        if (list.isOpen())
            writePage(list, n, html, submission);
        StagingGrid grid;
        grid.setCell(StagingColumn::Stage, kRow, submission.stage);
        grid.setCell(StagingColumn::Kind, kRow, submission.kind);
        grid.setCell(StagingColumn::Number, kRow, submission.number);
        const int shownBefore = counted.shown;
        bool done = false;
        QString finding;
        QElapsedTimer timer;
        timer.start();
        try {
            ScriptedPage page(html);
            setBrowserOps(&page.browser);
            ReadDeclarationPage(grid, kRow, submission.number, page.document, done);
            setBrowserOps(nullptr);
            finding = findingsOf(grid, submission, done);
        } catch (const AppError& error) {
            setBrowserOps(nullptr);
            finding = QStringLiteral("failure: ") + error.text();
        }
        slowestMs = qMax(slowestMs, timer.elapsed());
        mismatched += counted.shown > shownBefore;
        filled += !grid.cell(StagingColumn::Notes, kRow).isNull();
        if (!finding.isEmpty()) {
            ++findings;
            std::printf("page %d (declaration %s; %s): %s\n", n, qPrintable(submission.number),
                        qPrintable(applied.join(QStringLiteral(", "))), qPrintable(finding));
        }
    }
    std::printf("%d mutated pages read, seed %u: %d with notes read, %d of another number; "
                "slowest %lld ms; %d findings\n",
                count, seed, filled, mismatched, qlonglong(slowestMs), findings);
    return findings ? 1 : 0;
}
