// office-overview: the office's outstanding work across every owner of the company
// register, with the same code as the window "Εκκρεμότητες Γραφείου".
//
//   office-overview WORKING_FOLDER expiring DAYS [--today DD/MM/YYYY]
//   office-overview WORKING_FOLDER unfinished
//   office-overview WORKING_FOLDER unaccepted
//
// expiring: the leases that end from today to today + DAYS (1 to 730), as
// "AFM<TAB>DilCode<TAB>DD/MM/YYYY", by end date, then AFM, then DilCode; today is the
// system date unless --today gives it.
// unfinished: the provisionally saved declarations, as "AFM<TAB>DilCode", by AFM, then
// DilCode descending.
// unaccepted: the parties who have not accepted, as
// "AFM<TAB>DilCode<TAB>lessor|lessee<TAB>PARTY_AFM", by AFM, DilCode descending, lessors
// before lessees, then position.
// The register is only read and no company lock is taken. Errors go to standard error;
// the exit status is 2 for wrong arguments and 1 for failures, an owner whose tables
// could not be read among them (the others are still printed).

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "store/TableStore.h"
#include "tools/command-line/ToolCommandLine.h"
#include "workspace/OfficeOverview.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {
ToolCommandLine commandLine() {
    ToolCommandLine line(QStringLiteral("office-overview"),
                         {QStringLiteral("WORKING_FOLDER expiring DAYS [--today DD/MM/YYYY]"),
                          QStringLiteral("WORKING_FOLDER unfinished"),
                          QStringLiteral("WORKING_FOLDER unaccepted")},
                         QStringLiteral("Prints the office's outstanding work across every owner "
                                        "of the company register, one line per entry."));
    line.addPositional(QStringLiteral("WORKING_FOLDER"), QStringLiteral("the working folder"));
    line.addPositional(QStringLiteral("expiring|unfinished|unaccepted"),
                       QStringLiteral("the list to print"));
    line.addOption(QStringLiteral("today"), QStringLiteral("the day the days count from"),
                   QStringLiteral("DD/MM/YYYY"));
    return line;
}

QByteArray local(const QString& text) {
    return text.toLocal8Bit();
}

struct Request {
    int lists = 0;
    int days = OfficeOverviewReader::kDefaultDays;
    QDate today = QDate::currentDate();
    const char* error = nullptr;
};

Request parse(const ToolCommandLine& line) {
    Request r;
    const QStringList args = line.positional().mid(1);
    const QString& command = args.at(0);
    if (command == QLatin1String("unfinished") || command == QLatin1String("unaccepted")) {
        if (args.size() != 1 || line.isSet(QStringLiteral("today")))
            r.error = "περιττά ορίσματα μετά τη λίστα.";
        r.lists = command == QLatin1String("unfinished") ? OfficeOverviewReader::Unfinished
                                                         : OfficeOverviewReader::Unaccepted;
        return r;
    }
    if (command != QLatin1String("expiring")) {
        r.error = "η λίστα είναι expiring, unfinished ή unaccepted.";
        return r;
    }
    r.lists = OfficeOverviewReader::Expiring;
    bool ok = false;
    r.days = args.value(1).toInt(&ok);
    if (!ok || r.days < OfficeOverviewReader::kMinDays || r.days > OfficeOverviewReader::kMaxDays) {
        r.error = "οι ημέρες (DAYS) είναι ακέραιος από 1 έως 730.";
        return r;
    }
    if (args.size() != 2) {
        r.error = "μετά τις ημέρες ακολουθεί μόνο το --today DD/MM/YYYY.";
        return r;
    }
    if (!line.isSet(QStringLiteral("today")))
        return r;
    r.today = QDate::fromString(line.value(QStringLiteral("today")), QStringLiteral("dd/MM/yyyy"));
    if (!r.today.isValid())
        r.error = "το --today θέλει ημερομηνία του ημερολογίου, DD/MM/YYYY.";
    return r;
}

void print(const OfficeOverview& overview) {
    for (const ExpiringLease& lease : overview.expiring)
        std::printf("%s\t%lld\t%s\n", local(lease.afm).constData(), lease.dilCode,
                    local(lease.endDate).constData());
    for (const UnfinishedDeclaration& d : overview.unfinished)
        std::printf("%s\t%lld\n", local(d.afm).constData(), d.dilCode);
    for (const PendingAcceptance& p : overview.unaccepted)
        std::printf("%s\t%lld\t%s\t%s\n", local(p.afm).constData(), p.dilCode,
                    local(OfficeOverviewReader::roleWord(p)).constData(),
                    local(p.partyAfm).constData());
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line = commandLine();
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    const QStringList args = line.positional();
    if (const std::optional<int> refused = line.refuseWithoutWorkingFolder(2))
        return *refused;
    const Request request = parse(line);
    if (request.error)
        return line.wrong(QString::fromUtf8(request.error));
    WorkFolder::setRoot(QDir(args.at(0)).absolutePath());
    // Every failure of the store, opening it included (an unknown engine, a server that
    // does not answer), is reported inside the guard.
    try {
        if (!TableStore::instance().exists(QStringLiteral("Tables/Comps.db"))) {
            std::fprintf(stderr, "office-overview: δεν υπάρχει μητρώο εταιρειών στο %s\n",
                         local(WorkFolder::path(QStringLiteral("Tables/Comps.db"))).constData());
            return 1;
        }
        const OfficeOverview overview = OfficeOverviewReader::read(
            OfficeOverviewReader::owners(QString()), request.today, request.days, request.lists);
        print(overview);
        std::fflush(stdout);
        if (!overview.unreadable.isEmpty()) {
            std::fprintf(
                stderr, "office-overview: %s\n",
                local(OfficeOverviewReader::unreadableLine(overview.unreadable)).constData());
            return 1;
        }
        return 0;
    } catch (...) {
        std::fprintf(stderr, "office-overview: %s\n", local(currentFailureText()).constData());
        return 1;
    }
}
