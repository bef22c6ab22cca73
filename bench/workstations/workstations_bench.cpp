// Two workstations on one data folder. A second process (this program started with
// "--writer FOLDER") writes declarations into company A's tables in a loop, each
// declaration with two properties in one change, with the shared tables and company
// B's tables attached as they are in a running application. Meanwhile this process
// times its own writes: an operator added to Users, and a declaration with a property
// written to company B. Prints the median and the longest time of each kind of write,
// first with this process alone on the data folder, then while the other writes: the
// difference is how long the other workstation's writing made it wait.
//
//   workstations_bench [WRITES]     (200 writes of each kind by default)
//
// With LETHORA_BENCH_CONNECTION set, both workstations write to that PostgreSQL server.

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "store/CursorGuard.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

#include "bench/BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {
const QString kCompanyA = QStringLiteral("111111111");
const QString kCompanyB = QStringLiteral("222222222");

QString stopFile() {
    return WorkFolder::path(QStringLiteral("stop-writing"));
}

void run(const QString& sql) {
    StoreQuery q;
    q.setSql(sql);
    q.execSql();
}

// One declaration with `properties` properties, in one change.
void writeDeclaration(const QString& afm, int number, int properties) {
    TableStore::Transaction change;
    run(QStringLiteral("INSERT INTO '") +
        TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")) +
        QStringLiteral("' (DilCode, MistName1, TotalMistoma) VALUES (") + QString::number(number) +
        QStringLiteral(", 'ΜΙΣΘΩΤΗΣ', 450.5)"));
    for (int aa = 1; aa <= properties; ++aa)
        run(QStringLiteral("INSERT INTO '") +
            TdmTables::companyTablePath(afm, QStringLiteral("MistDilAkinita")) +
            QStringLiteral("' (DilCode, AA, Descr) VALUES (") + QString::number(number) +
            QStringLiteral(", ") + QString::number(aa) + QStringLiteral(", 'Διαμέρισμα')"));
    change.commit();
}

// The other workstation: writes company A until the stop file appears.
int writer(const QString& folder) {
    WorkFolder::setRoot(folder);
    TdmTables& dm = dmTables();
    dm.tblUsers.open();
    CloseAfter closeUsers(dm.tblUsers);
    dm.tblComps.open();
    CloseAfter closeComps(dm.tblComps);
    StoreQuery companyB;
    companyB.setSql(QStringLiteral("SELECT DilCode FROM '") +
                    TdmTables::companyTablePath(kCompanyB, QStringLiteral("MistDilMast")) +
                    QLatin1Char('\''));
    companyB.open();
    std::printf("writing\n");
    std::fflush(stdout);
    int written = 0;
    while (!QFile::exists(stopFile())) {
        if (!runGuarded([&] { writeDeclaration(kCompanyA, ++written, 2); }))
            return 1;
    }
    std::printf("%d\n", written);
    return 0;
}

struct Timings {
    std::vector<double> ms;
    int failed = 0;

    void print(const char* what) const {
        double longest = 0;
        for (double t : ms)
            longest = std::max(longest, t);
        std::printf("%-40s median %7.2f ms, longest %8.2f ms, failed %d of %zu\n", what,
                    bench::median(ms), longest, failed, ms.size());
    }
};

template <typename Write> void timeWrite(Timings& timings, Write&& write) {
    QElapsedTimer t;
    t.start();
    if (!runGuarded(write))
        ++timings.failed;
    timings.ms.push_back(t.nsecsElapsed() / 1e6);
}
// `count` operators added to Users and declarations written to company B, numbered
// from `first`, each timed.
void writeBoth(Timings& users, Timings& companyB, int first, int count) {
    TableCursor& operators = dmTables().tblUsers;
    operators.open();
    CloseAfter close(operators);
    for (int n = first; n < first + count; ++n) {
        timeWrite(users, [&] {
            operators.insert();
            operators.setValue(QStringLiteral("UserName"),
                               QStringLiteral("op") + QString::number(n));
            operators.setValue(QStringLiteral("Rights"), QStringLiteral("V"));
            operators.post();
        });
        timeWrite(companyB, [&] { writeDeclaration(kCompanyB, n, 1); });
    }
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::SilentMessages silent;
    setMessages(&silent);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--writer"))
        return writer(args.at(2));
    const int writes = args.size() > 1 ? args.at(1).toInt() : 200;

    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/workstations-bench-XXXXXX"));
    const QString templates = QStringLiteral(LETHORA_WORK_DIR);
    bench::copyFolder(templates + QStringLiteral("/ClrTbls"),
                      dir.filePath(QStringLiteral("ClrTbls")));
    bench::copyFolder(templates + QStringLiteral("/ClrData"),
                      dir.filePath(QStringLiteral("ClrData")));
    bench::chooseStore(dir.path());
    WorkFolder::setRoot(dir.path());
    TdmTables& dm = dmTables();
    for (const QString& afm : {kCompanyA, kCompanyB}) {
        QDir().mkpath(dir.filePath(QStringLiteral("Data/") + afm));
        dm.CreateCompanyTables(QStringLiteral("Data\\") + afm);
    }
    dm.EnsureUsersTable();
    dm.EnsureSharedTables();

    // The same writes alone first, for the time a write takes on this machine.
    Timings usersAlone, companyBAlone;
    writeBoth(usersAlone, companyBAlone, 1, writes);

    QProcess other;
    other.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), dir.path()});
    QByteArray said;
    while (!said.contains("writing\n") && other.waitForReadyRead(60000))
        said += other.readAllStandardOutput();
    if (!said.contains("writing\n")) {
        std::fprintf(stderr, "the writing process did not start\n");
        return 1;
    }
    Timings users, companyB;
    writeBoth(users, companyB, writes + 1, writes);
    QFile(stopFile()).open(QIODevice::WriteOnly);
    other.waitForFinished(60000);
    said += other.readAllStandardOutput();

    std::printf("Alone on the data folder:\n");
    usersAlone.print("an operator added to Users");
    companyBAlone.print("a declaration written to company B");
    std::printf("While the other workstation writes company A's declarations in a loop "
                "(%s changes of a declaration with two properties):\n",
                said.split('\n').value(1).constData());
    users.print("an operator added to Users");
    companyB.print("a declaration written to company B");
    return 0;
}
