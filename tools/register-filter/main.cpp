// register-filter: runs the workspace's filter, or one of its quick searches, over a
// company's data folder, with the same code as the workspace window.
//
//   register-filter WORKING_FOLDER AFM filter [--stage N] [--name TEXT] [--afm TEXT]
//                   [--from DD/MM/YYYY] [--to DD/MM/YYYY] [--terminations] [--adjustable]
//                   [--number TEXT] [--atak TEXT] [--address TEXT]
//   register-filter WORKING_FOLDER AFM search number|name|afm TEXT [--repeat N]
//
// filter: finds the declarations as the filter button does (the stage N is the item of
// the stage list, 0 to 4; --terminations is "με λύσεις μισθώσεων", --adjustable is
// "αναπροσαρμοζόμενα") and prints the DilCode of each one found, one per line, in the
// list's order (highest first). With no criterion nothing is found. The register is
// only read: the workspace's filter marks are left as they are.
// search: runs the quick search N times (1 by default), as Enter pressed N times in its
// field, and prints the DilCode brought up each time; nothing when there is no hit.
// Errors go to standard error; the exit status is 2 for wrong arguments, 1 for failures.

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/register-filter/FilterArguments.h"
#include "workspace/QuickSearch.h"
#include "workspace/RegisterFilter.h"
#include "workspace/StoredCounts.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
ToolCommandLine commandLine() {
    ToolCommandLine line(
        QStringLiteral("register-filter"),
        {QStringLiteral("WORKING_FOLDER AFM filter [--stage N] [--name TEXT] [--afm TEXT] "
                        "[--from DD/MM/YYYY] [--to DD/MM/YYYY] [--terminations] [--adjustable] "
                        "[--number TEXT] [--atak TEXT] [--address TEXT]"),
         QStringLiteral("WORKING_FOLDER AFM search number|name|afm TEXT [--repeat N]")},
        QStringLiteral("Runs the workspace's filter, or one of its quick searches, over a "
                       "company's data folder and prints the DilCode of each declaration found, "
                       "one per line, highest first."));
    line.addPositional(QStringLiteral("WORKING_FOLDER"), QStringLiteral("the working folder"));
    line.addPositional(QStringLiteral("AFM"), QStringLiteral("the owner's tax number"));
    line.addPositional(QStringLiteral("filter|search"),
                       QStringLiteral("the filter or a quick search"));
    addFilterOptions(line);
    line.addOption(QStringLiteral("repeat"), QStringLiteral("runs the quick search N times"),
                   QStringLiteral("N"));
    return line;
}

void print(qlonglong code) {
    std::printf("%lld\n", code);
}

int runFilter(const ToolCommandLine& line, const QStringList& args) {
    const FilterArguments parsed = filterArgumentsOf(line);
    if (!parsed.error.isEmpty())
        return line.wrong(parsed.error);
    if (!args.isEmpty() || line.isSet(QStringLiteral("repeat")))
        return line.wrong(QStringLiteral("περιττά ορίσματα μετά το filter."));
    const FilterCriteria& c = parsed.criteria;
    if (!RegisterFilter::adjustableHasDates(c)) {
        std::fprintf(stderr, "%s\n",
                     RegisterFilter::kAdjustableNeedsDates.toLocal8Bit().constData());
        return 1;
    }
    for (const qlonglong dilCode : RegisterFilter::find(c))
        print(dilCode);
    return 0;
}

int runSearch(const ToolCommandLine& line, const QStringList& args) {
    if (args.size() < 2)
        return line.wrong(QStringLiteral("η αναζήτηση (search) θέλει είδος και κείμενο."));
    QuickSearchKind kind;
    if (args.at(0) == QLatin1String("number"))
        kind = QuickSearchKind::Number;
    else if (args.at(0) == QLatin1String("name"))
        kind = QuickSearchKind::Name;
    else if (args.at(0) == QLatin1String("afm"))
        kind = QuickSearchKind::TaxNumber;
    else
        return line.wrong(QStringLiteral("το είδος είναι number, name ή afm."));
    if (args.size() != 2 || filterArgumentsOf(line).any)
        return line.wrong(QStringLiteral("περιττά ορίσματα μετά το κείμενο."));
    int repeat = 1;
    if (line.isSet(QStringLiteral("repeat"))) {
        bool ok = false;
        repeat = line.value(QStringLiteral("repeat")).toInt(&ok);
        if (!ok || repeat < 1)
            return line.wrong(QStringLiteral("το --repeat θέλει ακέραιο από 1 και πάνω."));
    }
    QuickSearch search;
    for (int n = 0; n < repeat; ++n)
        if (const std::optional<qlonglong> hit = search.search(kind, args.at(1)))
            print(*hit);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line = commandLine();
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    const QStringList args = line.positional();
    if (const std::optional<int> refused = line.refuseWithoutWorkingFolder(3))
        return *refused;
    WorkFolder::setRoot(args.at(0));
    CurrentCompany().AFM = args.at(1);
    // Every failure of the store, opening it included (an unknown engine, a server that
    // does not answer), is reported inside the guard.
    try {
        if (!TableStore::instance().exists(StoredDeclarations::mastPath())) {
            std::fprintf(
                stderr, "register-filter: δεν υπάρχει πίνακας δηλώσεων στο %s\n",
                WorkFolder::path(StoredDeclarations::mastPath()).toLocal8Bit().constData());
            return 1;
        }
        if (args.at(2) == QLatin1String("filter"))
            return runFilter(line, args.mid(3));
        if (args.at(2) == QLatin1String("search"))
            return runSearch(line, args.mid(3));
        return line.wrong(QStringLiteral("η εντολή είναι filter ή search."));
    } catch (...) {
        std::fprintf(stderr, "register-filter: %s\n",
                     currentFailureText().toLocal8Bit().constData());
        return 1;
    }
}
