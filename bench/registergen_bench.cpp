// The synthetic register at the workspace benchmarks' size: the time to generate 10,000
// declarations (with their amendments and properties) and the time to write them into
// a fresh company folder. Prints the median of several runs.
//
//   registergen_bench [declarations] [runs]

#include "common/WorkFolder.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include "bench/BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
using bench::copyFolder;
using bench::median;

const QString kOwner = QStringLiteral("094014201");

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int declarations = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    std::vector<double> generateMs, writeMs;
    RegisterDataSet set;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrData"),
                   dir.path() + QStringLiteral("/ClrData"));
        QDir().mkpath(dir.path() + QStringLiteral("/Data/") + kOwner);
        WorkFolder::setRoot(dir.path());
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + kOwner);

        QElapsedTimer timer;
        timer.start();
        set = generateRegister(kOwner, declarations, quint32(run + 1));
        generateMs.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        writeRegister(set, kOwner);
        writeMs.push_back(timer.nsecsElapsed() / 1e6);
        TableStore::instance().detachUnused();
    }
    std::printf("register of %d declarations: %lld amending declarations, %lld properties\n",
                declarations, qlonglong(set.amendments.size()), qlonglong(set.properties.size()));
    std::printf("generate: median %.0f ms over %d runs\n", median(generateMs), runs);
    std::printf("write (one transaction): median %.0f ms over %d runs\n", median(writeMs), runs);
    return 0;
}
