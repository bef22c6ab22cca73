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
// runs. A lock that an earlier run left behind on this machine (its process no longer
// runs) is taken over, and the tool says so. The tables are emptied, filled and the
// owner registered in one transaction, so a run that fails changes no table; the
// register is made and written in parts, so that its memory stays small whatever its
// size. DECLARATIONS is at most 1,000,000.
//
// Interrupted (Ctrl+C, or on POSIX the signals SIGINT, SIGTERM and SIGHUP), the tool
// ends cleanly: the transaction is rolled back, the lock released, and the exit status
// is 128 and the signal's number.
//
// Prints what was written; errors go to the error output with a non-zero exit code.
//
//   register-generate build/work 094014201 10000 7 --register-owner "Παπαδόπουλος Γεώργιος"

#include "common/ErrorReport.h"
#include "common/ProcessPlatform.h"
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
// Far above any office's register; the memory needed does not grow with the count.
const int kMostDeclarations = 1000000;
// Declarations made and written at a time.
const int kPartSize = 1000;
const QString kProgram = QStringLiteral("register-generate");

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
        : m_afm(afm), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces)),
          m_outcome(CompanyLock::acquireForTool(afm, m_id, kProgram, &m_takenOver)) {}
    ~ToolCompanyLock() {
        if (held())
            CompanyLock::release(m_afm, m_id);
    }
    bool held() const {
        return m_outcome == CompanyLock::Outcome::Acquired ||
               m_outcome == CompanyLock::Outcome::TakenOver;
    }
    // Why the company cannot be had; empty when it is held.
    QString refusal() const {
        switch (m_outcome) {
        case CompanyLock::Outcome::Acquired:
        case CompanyLock::Outcome::TakenOver:
            return QString();
        case CompanyLock::Outcome::NotWritable:
            return CompanyLock::notWritableMessage(m_afm);
        case CompanyLock::Outcome::AlreadyOurs:
        case CompanyLock::Outcome::HeldByOther:
        case CompanyLock::Outcome::Unreadable:
            break;
        }
        return CompanyLock::kInUseMessage;
    }
    // What the operator is told of a lock that an ended run left and this one took over.
    const QString& takenOver() const { return m_takenOver; }
    ToolCompanyLock(const ToolCompanyLock&) = delete;
    ToolCompanyLock& operator=(const ToolCompanyLock&) = delete;

private:
    QString m_afm;
    QString m_id;
    QString m_takenOver;
    CompanyLock::Outcome m_outcome;
};

// Ends the run where it stands when the operator or the system asked the tool to end.
class Interrupted : public AppError {
public:
    explicit Interrupted(const QString& request)
        : AppError(QStringLiteral("διακόπηκε (%1)· δεν άλλαξε κανένας πίνακας.").arg(request)) {}
};

void stopWhenAsked() {
    if (const QString request = ProcessPlatform::endRequested(); !request.isEmpty())
        throw Interrupted(request);
}

// What the written register holds, counted part by part.
struct Summary {
    qlonglong declarations = 0, provisionalDeclarations = 0;
    qlonglong amendments = 0, terminations = 0, provisional = 0;
    qlonglong properties = 0;

    void add(const RegisterDataSet& part) {
        for (const QVariantMap& a : part.amendments) {
            terminations += a.value(QStringLiteral("EidosDilosis")) == RegisterWords::kTermination;
            provisional += a.value(QStringLiteral("StadioYpovolis")) == RegisterWords::kProvisional;
        }
        for (const QVariantMap& d : part.declarations)
            provisionalDeclarations +=
                d.value(QStringLiteral("StadioYpovolis")) == RegisterWords::kProvisional;
        declarations += part.declarations.size();
        amendments += part.amendments.size();
        properties += part.properties.size();
    }
};

void printSummary(const QString& afm, const QString& ownerName, const Summary& s, double ms) {
    std::printf("owner: %s %s\n", qPrintable(afm), ownerName.toUtf8().constData());
    std::printf("declarations: %lld (%lld provisionally saved)\n", s.declarations,
                s.provisionalDeclarations);
    std::printf("amending declarations: %lld (%lld terminations, %lld provisionally saved)\n",
                s.amendments, s.terminations, s.provisional);
    std::printf("properties: %lld\n", s.properties);
    std::printf("generated and written in %.0f ms\n", ms);
}
} // namespace

int main(int argc, char** argv) {
    // Before anything is locked or written: an interrupted run ends through its clean-up.
    ProcessPlatform::catchEndRequests();
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
            fail(lock.refusal());
            return 1;
        }
        if (!lock.takenOver().isEmpty())
            fail(lock.takenOver());
        bool emptyFirst = false;
        if (!prepareFolder(options, &emptyFirst))
            return 1;
        QElapsedTimer timer;
        timer.start();
        // The tables are emptied, the register written and the owner registered in one
        // transaction: a run that fails leaves every table as it was.
        TableStore::Transaction transaction;
        if (emptyFirst)
            emptyDeclarationTables(options.afm);
        Summary summary;
        QString ownerName;
        generateRegisterInParts(
            options.afm, options.declarations, options.seed, options.ownerName, kPartSize,
            [&](const RegisterDataSet& part) {
                writeRegister(part, options.afm);
                summary.add(part);
                ownerName = part.ownerName;
            },
            stopWhenAsked);
        if (options.registerOwner)
            registerOwner(options.afm, options.ownerName);
        stopWhenAsked();
        transaction.commit();
        printSummary(options.afm, ownerName, summary, timer.nsecsElapsed() / 1e6);
        if (options.registerOwner)
            std::printf("registered in Tables/Comps.db for the operator admin\n");
    } catch (const Interrupted& interrupted) {
        fail(interrupted.text());
        return ProcessPlatform::endRequestStatus();
    } catch (const AppError& error) {
        fail(error.text());
        return 1;
    }
    return 0;
}
