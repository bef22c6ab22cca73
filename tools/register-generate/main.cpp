// Fills an owner's data folder with a synthetic register of lease declarations, for
// demonstrations and for trying the application with a large register.
//
//   register-generate WORKING_FOLDER AFM DECLARATIONS [SEED] [--register-owner "NAME"]
//                     [--replace]
//
// WORKING_FOLDER is an application's working folder; it must hold the empty table
// templates ("ClrData", and "ClrTbls" for --register-owner), as the build's "work"
// folder does. The owner's folder "Data/AFM" is created with empty tables when it is
// missing. DECLARATIONS initial declarations are generated from SEED (1 when not
// given; the same seed gives the same register) and written to the owner's tables.
//
//   --register-owner "NAME"  also enters the owner in the company register
//                            ("Tables/Comps.db", created when missing), assigned to the
//                            operator "admin", and writes the company record (Edra) with
//                            the AFM and NAME, so that the application can open it. NAME
//                            is then the owner's name as lessor in the declarations.
//   --replace                empties the owner's declaration tables first; without it a
//                            folder that already holds declarations is refused.
//
// A company that is open (its lock file "InUse.lck" is present) is refused, and so is a
// table that another process is writing; the tool holds the company's lock while it
// runs. The tables are emptied, filled and the owner registered in one transaction, so a
// run that fails changes no table. DECLARATIONS is at most 1,000,000.
//
// Prints what was written; errors go to the error output with a non-zero exit code.
//
//   register-generate build/work 094014201 10000 7 --register-owner "Παπαδόπουλος Γεώργιος"

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "companies/CompanyLock.h"
#include "companies/TaxNumber.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/registergen/HeldTable.h"
#include "tools/registergen/OwnerRegistration.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWords.h"
#include "tools/registergen/RegisterWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QUuid>
#include <cstdio>

namespace {
// Far above any office's register, and well within the memory the generator needs.
const int kMostDeclarations = 1000000;

struct Options {
    QString folder;
    QString afm;
    int declarations = 0;
    quint32 seed = 1;
    QString ownerName;
    bool registerOwner = false;
    bool replace = false;
};

void fail(const QString& text) {
    std::fprintf(stderr, "register-generate: %s\n", text.toLocal8Bit().constData());
}

ToolCommandLine commandLine() {
    ToolCommandLine line(
        QStringLiteral("register-generate"),
        {QStringLiteral("WORKING_FOLDER AFM DECLARATIONS [SEED] [--register-owner \"NAME\"] "
                        "[--replace]")},
        QStringLiteral("Fills an owner's data folder with a synthetic register of lease "
                       "declarations (at most 1,000,000)."));
    line.addPositional(QStringLiteral("WORKING_FOLDER"), QStringLiteral("the working folder"));
    line.addPositional(QStringLiteral("AFM"), QStringLiteral("the owner's tax number"));
    line.addPositional(QStringLiteral("DECLARATIONS"), QStringLiteral("how many declarations"));
    line.addPositional(QStringLiteral("SEED"), QStringLiteral("the generator's seed (1)"));
    line.addOption(QStringLiteral("register-owner"),
                   QStringLiteral("also enters the owner in the company register"),
                   QStringLiteral("NAME"));
    line.addOption(QStringLiteral("replace"),
                   QStringLiteral("empties the owner's declaration tables first"));
    return line;
}

// The options; an empty text, or what is wrong with them.
QString parse(const ToolCommandLine& line, Options& options) {
    const QStringList positional = line.positional();
    if (line.isSet(QStringLiteral("register-owner"))) {
        options.registerOwner = true;
        options.ownerName = line.value(QStringLiteral("register-owner")).trimmed();
        if (options.ownerName.isEmpty())
            return QStringLiteral("--register-owner needs the owner's name");
    }
    options.replace = line.isSet(QStringLiteral("replace"));
    if (positional.size() < 3 || positional.size() > 4)
        return QStringLiteral("three or four arguments are needed");
    options.folder = positional.at(0);
    options.afm = positional.at(1);
    bool ok = false;
    options.declarations = positional.at(2).toInt(&ok);
    if (!ok || options.declarations < 1 || options.declarations > kMostDeclarations)
        return QStringLiteral("DECLARATIONS must be a whole number from 1 to %1")
            .arg(kMostDeclarations);
    if (positional.size() == 4) {
        options.seed = positional.at(3).toUInt(&ok);
        if (!ok)
            return QStringLiteral("SEED must be a whole number from 0 to 4294967295");
    }
    if (options.afm.size() != 9 || !IsValidAfm(options.afm))
        return QStringLiteral("AFM must be a valid tax number of nine digits: ") + options.afm;
    return QString();
}

qint64 storedDeclarations(const QString& afm) {
    const HeldTable held(TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")));
    QSqlQuery query =
        TableStore::instance().exec(QStringLiteral("SELECT COUNT(*) FROM ") + held.qualifiedName());
    return query.next() ? query.value(0).toLongLong() : 0;
}

// The owner's folder with its tables, or false with the complaint printed. Tables that
// are missing are copied from the templates; those already there are emptied later, in
// the transaction that writes the register, when *emptyFirst is set.
bool prepareFolder(const Options& options, bool* emptyFirst) {
    const QString folder = QStringLiteral("Data\\") + options.afm;
    const bool declarationTablesThere =
        TableStore::instance().exists(folder + QStringLiteral("\\MistDilMast.DB")) &&
        TableStore::instance().exists(folder + QStringLiteral("\\MistDilDet.DB")) &&
        TableStore::instance().exists(folder + QStringLiteral("\\MistDilAkinita.DB"));
    *emptyFirst = false;
    if (!TableStore::instance().exists(folder + QStringLiteral("\\Edra.DB"))) {
        dmTables().CreateCompanyTables(folder);
    } else if (!declarationTablesThere) {
        dmTables().ResetDeclarationTables(folder);
    } else if (options.replace) {
        *emptyFirst = true;
    } else if (const qint64 stored = storedDeclarations(options.afm); stored > 0) {
        fail(QStringLiteral("%1 already holds %2 declarations; --replace empties its tables first")
                 .arg(WorkFolder::path(folder))
                 .arg(stored));
        return false;
    }
    // A failed template copy is not reported by the copy itself.
    if (!TableStore::instance().exists(folder + QStringLiteral("\\MistDilMast.DB"))) {
        fail(QStringLiteral("cannot create the tables in ") + WorkFolder::path(folder));
        return false;
    }
    return true;
}

// Empties the owner's declaration tables inside the caller's transaction: a table that
// another process is writing makes this fail with the store's error, after its busy
// time-out, and nothing is changed.
void emptyDeclarationTables(const QString& afm) {
    for (const char* table : {"MistDilMast", "MistDilDet", "MistDilAkinita"}) {
        const HeldTable held(TdmTables::companyTablePath(afm, QString::fromLatin1(table)));
        TableStore::instance().exec(QStringLiteral("DELETE FROM ") + held.qualifiedName());
    }
}

// Holds the company's in-use lock while the tool writes, under an identifier of its own,
// so that a company any installation has open (or another run is filling) is refused.
class ToolCompanyLock {
public:
    explicit ToolCompanyLock(const QString& afm)
        : m_afm(afm), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        m_held = CompanyLock::acquire(afm, m_id) == CompanyLock::Outcome::Acquired;
    }
    ~ToolCompanyLock() {
        if (m_held)
            CompanyLock::release(m_afm, m_id);
    }
    bool held() const { return m_held; }
    ToolCompanyLock(const ToolCompanyLock&) = delete;
    ToolCompanyLock& operator=(const ToolCompanyLock&) = delete;

private:
    QString m_afm;
    QString m_id;
    bool m_held = false;
};

void printSummary(const RegisterDataSet& set, double generateMs, double writeMs) {
    int terminations = 0, provisional = 0;
    for (const QVariantMap& a : set.amendments) {
        terminations += a.value(QStringLiteral("EidosDilosis")) == RegisterWords::kTermination;
        provisional += a.value(QStringLiteral("StadioYpovolis")) == RegisterWords::kProvisional;
    }
    int provisionalDeclarations = 0;
    for (const QVariantMap& d : set.declarations)
        provisionalDeclarations +=
            d.value(QStringLiteral("StadioYpovolis")) == RegisterWords::kProvisional;
    std::printf("owner: %s %s\n", qPrintable(set.ownerAfm), set.ownerName.toUtf8().constData());
    std::printf("declarations: %lld (%d provisionally saved)\n", qlonglong(set.declarations.size()),
                provisionalDeclarations);
    std::printf("amending declarations: %lld (%d terminations, %d provisionally saved)\n",
                qlonglong(set.amendments.size()), terminations, provisional);
    std::printf("properties: %lld\n", qlonglong(set.properties.size()));
    std::printf("generated in %.0f ms, written in %.0f ms\n", generateMs, writeMs);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line = commandLine();
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    Options options;
    if (const QString wrong = parse(line, options); !wrong.isEmpty())
        return line.wrong(wrong);
    const QString root = QFileInfo(options.folder).absoluteFilePath();
    if (!QFileInfo(root + QStringLiteral("/ClrData")).isDir()) {
        fail(root + QStringLiteral(" holds no table templates (ClrData)"));
        return 1;
    }
    if (options.registerOwner && !QFileInfo(root + QStringLiteral("/ClrTbls")).isDir()) {
        fail(root + QStringLiteral(" holds no shared table templates (ClrTbls)"));
        return 1;
    }
    WorkFolder::setRoot(root);
    try {
        if (options.registerOwner) {
            dmTables().EnsureSharedTables();
            if (!TableStore::instance().exists(QStringLiteral("Tables\\Comps.db"))) {
                fail(QStringLiteral("cannot create the company register in ") +
                     WorkFolder::path(QStringLiteral("Tables")));
                return 1;
            }
        }
        if (!QDir().mkpath(WorkFolder::path(QStringLiteral("Data\\") + options.afm))) {
            fail(QStringLiteral("cannot create ") +
                 WorkFolder::path(QStringLiteral("Data\\") + options.afm));
            return 1;
        }
        const ToolCompanyLock lock(options.afm);
        if (!lock.held()) {
            fail(CompanyLock::kInUseMessage);
            return 1;
        }
        bool emptyFirst = false;
        if (!prepareFolder(options, &emptyFirst))
            return 1;
        QElapsedTimer timer;
        timer.start();
        const RegisterDataSet set =
            generateRegister(options.afm, options.declarations, options.seed, options.ownerName);
        const double generateMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        // The tables are emptied, the register written and the owner registered in one
        // transaction: a run that fails leaves every table as it was.
        TableStore::Transaction transaction;
        if (emptyFirst)
            emptyDeclarationTables(options.afm);
        writeRegister(set, options.afm);
        if (options.registerOwner)
            registerOwner(options.afm, options.ownerName);
        transaction.commit();
        const double writeMs = timer.nsecsElapsed() / 1e6;
        printSummary(set, generateMs, writeMs);
        if (options.registerOwner)
            std::printf("registered in Tables/Comps.db for the operator admin\n");
    } catch (const AppError& error) {
        fail(error.text());
        return 1;
    }
    return 0;
}
