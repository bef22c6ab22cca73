// Register export figures: the full layout with all 34 columns over a generated register
// of 1,000 and of 10,000 declarations, until the .xlsx file is written; medians of three
// runs, and the peak memory of the process.

#include "bench/BenchSupport.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "exports/ExportChoice.h"
#include "exports/RegisterExport.h"
#include "exports/SpreadsheetStarter.h"
#include "exports/WorkbookApp.h"
#include "store/TdmTables.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {
class KeepFile : public WorkbookOpener {
public:
    bool open(const QString&) override { return true; }
};

long peakMemoryKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    bench::SilentMessages silent;
    setMessages(&silent);
    QTemporaryDir output;
    setSpreadsheetStarter([&]() -> std::shared_ptr<SpreadsheetApp> {
        return std::make_shared<WorkbookApp>(std::make_shared<KeepFile>(), output.path());
    });
    ExportChoice everything = ExportChoice::defaults();
    everything.mast.fill(true);
    everything.mistotes.fill(true);
    everything.trops.fill(true);
    everything.akinita.fill(true);

    for (const int declarations : {1000, 10000}) {
        QTemporaryDir dir;
        const QString afm = QStringLiteral("094014201");
        bench::copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrData"),
                          dir.path() + QStringLiteral("/ClrData"));
        QDir().mkpath(dir.path() + QStringLiteral("/Data/") + afm);
        WorkFolder::setRoot(dir.path());
        TdmTables& dm = dmTables();
        dm.CreateCompanyTables(QStringLiteral("Data\\") + afm);
        writeRegister(generateRegister(afm, declarations, 77), afm);
        CurrentCompany().AFM = afm;
        dm.AttachCompanyTables(afm);
        dm.tblMistDilMast.open();
        dm.tblMistDilDet.open();
        dm.tblMistDilAkinita.open();
        std::vector<double> times;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer t;
            t.start();
            ExportRegisterFull(everything);
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        dm.tblMistDilAkinita.close();
        dm.tblMistDilDet.close();
        dm.tblMistDilMast.close();
        std::printf(
            "full layout, 34 columns, %d declarations, until the file is written: median %.0f ms\n",
            declarations, bench::median(times));
    }
    std::printf("peak memory: %ld MB\n", peakMemoryKb() / 1024);
    return 0;
}
