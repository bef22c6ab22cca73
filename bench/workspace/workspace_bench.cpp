// Workspace figures on a generated register of 10,000 declarations (about 25,000
// amending declarations and 20,000 properties): opening until the first declaration
// shows, moving to another declaration, a filter run with an expiry period and a lessee
// name, a new and a repeated quick search by name. Prints medians. With
// LETHORA_BENCH_CONNECTION set, the register lives on that PostgreSQL server.

#include "common/Messages.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "companies/TMaskEditDate.h"
#include "store/TdmTables.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"
#include "workspace-window/FilterPanel.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace/QuickSearch.h"
#include "workspace/StoredCounts.h"

#include "bench/BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
using bench::copyFolder;
using bench::median;
using bench::SilentMessages;

double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

// Opens the workspace the way the main window's command does, without its modal loop.
std::unique_ptr<TfiMistomataTaxis> openWorkspace() {
    TdmTables& dm = dmTables();
    StoredDeclarations::ClearFilterMarks();
    dm.tblMistDilMast.setFiltered(false);
    dm.tblMistDilMast.open();
    dm.tblMistDilDet.open();
    dm.tblMistDilAkinita.open();
    auto workspace = std::make_unique<TfiMistomataTaxis>();
    workspace->show();
    QCoreApplication::processEvents();
    return workspace;
}

void closeWorkspace(std::unique_ptr<TfiMistomataTaxis>& workspace) {
    workspace.reset();
    dmTables().tblMistDilAkinita.close();
    dmTables().tblMistDilDet.close();
    dmTables().tblMistDilMast.close();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SilentMessages silent;
    setMessages(&silent);
    const int declarations = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const QString afm = QStringLiteral("094014201");

    QTemporaryDir dir;
    copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrData"),
               dir.path() + QStringLiteral("/ClrData"));
    QDir().mkpath(dir.path() + QStringLiteral("/Data/") + afm);
    bench::chooseStore(dir.path());
    WorkFolder::setRoot(dir.path());
    dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
    const RegisterDataSet set = generateRegister(afm, declarations, 2026);
    writeRegister(set, afm);
    CurrentCompany().AFM = afm;
    dmTables().AttachCompanyTables(afm);
    std::printf("register: %d declarations, %lld amending declarations, %lld properties\n",
                declarations, static_cast<long long>(set.amendments.size()),
                static_cast<long long>(set.properties.size()));

    std::vector<double> open, move, filter, newSearch, repeatSearch;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        auto workspace = openWorkspace();
        open.push_back(msSince(t));

        TableCursor& mast = dmTables().tblMistDilMast;
        for (int step = 0; step < 100; ++step) {
            t.restart();
            mast.next();
            QCoreApplication::processEvents();
            move.push_back(msSince(t));
        }

        workspace->filters->edFilterDateApo->setDateText(QStringLiteral("01/01/2026"));
        workspace->filters->edFilterDateEos->setDateText(QStringLiteral("31/12/2026"));
        workspace->filters->edFilterName->setText(QStringLiteral("ΠΑΠΑ"));
        t.restart();
        workspace->imFilterClick();
        QCoreApplication::processEvents();
        filter.push_back(msSince(t));

        QuickSearch search;
        const QStringList names = {QStringLiteral("ΠΑΠΑ"), QStringLiteral("ΟΥ"),
                                   QStringLiteral("ΙΩΑΝ"), QStringLiteral("ΓΕΩΡΓ"),
                                   QStringLiteral("ΝΙΚΟ")};
        for (const QString& name : names) {
            t.restart();
            search.search(QuickSearchKind::Name, name);
            newSearch.push_back(msSince(t));
            for (int again = 0; again < 20; ++again) {
                t.restart();
                search.search(QuickSearchKind::Name, name);
                repeatSearch.push_back(msSince(t));
            }
        }
        closeWorkspace(workspace);
    }
    std::printf("workspace open until the first declaration shows: median %.1f ms\n", median(open));
    std::printf("moving to another declaration (details and amendments shown): median %.2f ms\n",
                median(move));
    std::printf("filter run with an expiry period and a lessee name: median %.1f ms\n",
                median(filter));
    std::printf("new quick search by name: median %.1f ms\n", median(newSearch));
    std::printf("repeated quick search: median %.4f ms\n", median(repeatSearch));
    return 0;
}
