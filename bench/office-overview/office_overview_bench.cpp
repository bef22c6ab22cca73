// Office overview figures over 500 owners of 100 generated declarations each: the
// window's three lists read and shown, and the office-overview tool's "expiring 60", as
// medians of three runs; the peak memory of this process and of the tool.

#include "bench/BenchSupport.h"
#include "common/WorkFolder.h"
#include "operators/CurrentOperator.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tools/registergen/OwnerRegistration.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"
#include "workspace-window/OverviewListModel.h"
#include "workspace-window/TfiOfficeOverview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {
const int kOwners = 500;
const int kDeclarations = 100;
const QDate kToday(2026, 11, 15); // the generated leases mostly end around the end of 2026

long peakMemoryKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void makeOffice(const QString& root) {
    bench::copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrData"),
                      root + QStringLiteral("/ClrData"));
    bench::copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrTbls"),
                      root + QStringLiteral("/ClrTbls"));
    WorkFolder::setRoot(root);
    for (int n = 0; n < kOwners; ++n) {
        const QString afm = QString::number(100000000 + n * 7);
        QDir().mkpath(root + QStringLiteral("/Data/") + afm);
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
        writeRegister(generateRegister(afm, kDeclarations, quint32(1000 + n)), afm);
        registerOwner(afm, QStringLiteral("Ιδιοκτήτης %1").arg(n));
        TableStore::instance().detachUnused();
    }
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SilentMessages silent;
    setMessages(&silent);
    CurrentOperator() = {QStringLiteral("admin"), QString(), QStringLiteral("D")};
    QTemporaryDir dir;
    QElapsedTimer made;
    made.start();
    makeOffice(dir.path());
    std::printf("%d owners of %d declarations written in %.1f s\n", kOwners, kDeclarations,
                made.elapsed() / 1000.0);

    std::vector<double> window;
    int rows[3] = {};
    for (int run = 0; run < 3; ++run) {
        TableStore::instance().detachUnused();
        QElapsedTimer t;
        t.start();
        TfiOfficeOverview overview;
        overview.setToday(kToday);
        overview.show();
        overview.refresh();
        QApplication::processEvents();
        window.push_back(t.nsecsElapsed() / 1e6);
        for (int n = 0; n < 3; ++n)
            rows[n] = overview.list(n).rowCount();
    }
    std::printf("window, three lists read and shown (30 days: %d leases, %d provisional, %d "
                "parties): median %.0f ms\n",
                rows[0], rows[1], rows[2], bench::median(window));
    std::printf("peak memory of the window's process: %ld MB\n", peakMemoryKb() / 1024);

    std::vector<double> tool;
    int lines = 0;
    for (int run = 0; run < 3; ++run) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(OFFICE_OVERVIEW),
                {dir.path(), QStringLiteral("expiring"), QStringLiteral("60"),
                 QStringLiteral("--today"), kToday.toString(QStringLiteral("dd/MM/yyyy"))});
        p.waitForFinished(120000);
        tool.push_back(t.nsecsElapsed() / 1e6);
        lines = static_cast<int>(p.readAllStandardOutput().count('\n'));
        if (p.exitCode() != 0)
            std::fprintf(stderr, "office-overview: %s\n", p.readAllStandardError().constData());
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    std::printf("office-overview expiring 60 (%d leases): median %.0f ms, peak memory %ld MB\n",
                lines, bench::median(tool), children.ru_maxrss / 1024);
    return 0;
}
