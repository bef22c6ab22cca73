// Reading a declaration's details page alone with the real headless Chromium against the
// fake platform on 127.0.0.1: the page of a declaration with 5 lessors, 5 lessees and 4
// properties, opened from the submission list as the import opens it. Each run takes the
// page afresh (one snapshot of the live page) and reads it with the import's reader into
// a staging row; the snapshot and the reading from it are also shown apart. Medians of
// several runs; the goal is under 150 ms.

#include "bench/BenchSupport.h"
#include "portal/DeclarationPageReader.h"
#include "portal/PortalActions.h"
#include "tests/portal/ChromiumPortal.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

#include <QApplication>
#include <QElapsedTimer>

namespace {
const int kRuns = 21;
const QString kNumber = QStringLiteral("2001");
const QString kFinal = QStringLiteral("Οριστικοποιημένο");

RegisterDataSet benchRegister() {
    RegisterDataSet set = SampleRegister::shared();
    set.declarations << SampleRegister::declaration(kNumber.toLongLong(), 5, 5);
    for (int aa = 1; aa <= 4; ++aa)
        set.properties << SampleRegister::property(kNumber.toLongLong(), aa);
    return set;
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ChromiumPortal portal({SampleRegister::owner(benchRegister())});
    BrowserOps& browser = *portal.browser;
    ChromiumPortal::signIn(browser, PortalAddresses::submissionDetailsPage());
    RunDeclarationAction(portal.session, DeclarationAction::ViewOrEdit, kNumber, kFinal);
    if (!WaitForPortalPage(portal.session, PortalAddresses::flowPage())) {
        std::fprintf(stderr, "the declaration's page did not open\n");
        return 1;
    }
    const BrowserWindow details = portal.session.SessionBrowser;

    std::vector<double> whole, snapshots, readings;
    int columns = 0;
    for (int run = 0; run < kRuns; ++run) {
        StagingGrid grid;
        grid.setCell(StagingColumn::Stage, 1, kFinal);
        grid.setCell(StagingColumn::Kind, 1, QStringLiteral("Αρχική"));
        bool done = false;
        QElapsedTimer timer;
        timer.start();
        const PageDocument document = browser.GetDocument(details);
        browser.GetBody(document); // the first use takes the snapshot
        const double snapshot = elapsedMs(timer);
        ReadDeclarationPage(grid, 1, kNumber, document, done);
        whole.push_back(elapsedMs(timer));
        snapshots.push_back(snapshot);
        readings.push_back(whole.back() - snapshot);
        columns = 0;
        for (int column = StagingColumn::Number + 1; column < StagingGrid::kColumns; ++column)
            columns += !grid.cell(column, 1).isEmpty();
    }

    std::printf("declaration details page read with headless Chromium, medians of %d runs\n",
                kRuns);
    std::printf("  5 lessors, 5 lessees, 4 properties: %d columns filled\n", columns);
    std::printf("  page taken and read (goal < 150 ms)      %8.1f ms\n", bench::median(whole));
    std::printf("    of which the page's snapshot           %8.1f ms\n", bench::median(snapshots));
    std::printf("    and the reading from it                %8.1f ms\n", bench::median(readings));
    return portal.messages.shown.isEmpty() ? 0 : 1;
}
