// register-export: runs the register export, or the rent progression of one
// declaration, over a company's data folder with the same code as the workspace, and
// writes the workbook to the given path instead of opening it.
//
//   register-export WORKING_FOLDER AFM OUTPUT.xlsx register [--layout 0|1|2]
//                   [--mast TICKS] [--mistotes TICKS] [--trops TICKS] [--akinita TICKS]
//                   [the filter options of register-filter]
//   register-export WORKING_FOLDER AFM OUTPUT.xlsx progression DILCODE [PROPERTY_AA]
//
// TICKS is a string of "1" and "0", one per item of the list, as a saved template keeps
// it (9, 3, 8 and 14 items); items beyond the string are unticked. Without a list option
// the template dialog's initial ticks are used. The filter options restrict the export
// to the declarations the workspace's filter would show; --stage also decides whether
// the full layout writes only the newest amending declaration (stage 2).
// The progression is of the declaration DILCODE, headed by its property PROPERTY_AA (its
// first property when not given).
// The filter is only read: the workspace's filter marks are left as they are. The
// workbook replaces OUTPUT.xlsx only once it is complete; an output that exists and is
// not a regular file is refused. Errors go to standard error; the exit status is 2 for
// wrong arguments, 1 when nothing could be written.

#include "common/ErrorReport.h"
#include "common/StandardErrorMessages.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "exports/ExportChoice.h"
#include "exports/RegisterExport.h"
#include "exports/RentProgression.h"
#include "exports/SpreadsheetStarter.h"
#include "exports/WorkbookApp.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/register-export/OutputFile.h"
#include "tools/register-filter/FilterArguments.h"
#include "workspace/StoredCounts.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const char* const kTickLists[] = {"mast", "mistotes", "trops", "akinita"};

ToolCommandLine commandLine() {
    ToolCommandLine line(
        QStringLiteral("register-export"),
        {QStringLiteral("WORKING_FOLDER AFM OUTPUT.xlsx register [--layout 0|1|2] [--mast TICKS] "
                        "[--mistotes TICKS] [--trops TICKS] [--akinita TICKS] [filter options]"),
         QStringLiteral("WORKING_FOLDER AFM OUTPUT.xlsx progression DILCODE [PROPERTY_AA]")},
        QStringLiteral("Writes the register export, or the rent progression of one declaration, "
                       "of a company's data folder to OUTPUT.xlsx. TICKS is a string of 1 and 0, "
                       "one per item of the list."));
    line.addPositional(QStringLiteral("WORKING_FOLDER"), QStringLiteral("the working folder"));
    line.addPositional(QStringLiteral("AFM"), QStringLiteral("the owner's tax number"));
    line.addPositional(QStringLiteral("OUTPUT.xlsx"), QStringLiteral("the workbook to write"));
    line.addPositional(QStringLiteral("register|progression"), QStringLiteral("what to export"));
    line.addOption(QStringLiteral("layout"), QStringLiteral("the export's layout, 0 to 2"),
                   QStringLiteral("0|1|2"));
    for (const char* list : kTickLists)
        line.addOption(QLatin1String(list), QStringLiteral("the ticks of the list"),
                       QStringLiteral("TICKS"));
    addFilterOptions(line);
    return line;
}

bool ticksFrom(const QString& text, QList<bool>* ticks) {
    for (int i = 0; i < ticks->size(); ++i) {
        const QChar ch = i < text.size() ? text.at(i) : QLatin1Char('0');
        if (ch != QLatin1Char('0') && ch != QLatin1Char('1'))
            return false;
        (*ticks)[i] = ch == QLatin1Char('1');
    }
    return text.size() <= ticks->size();
}

int exportRegister(const ToolCommandLine& line, const QStringList& args) {
    FilterArguments parsed = filterArgumentsOf(line);
    if (!parsed.error.isEmpty())
        return line.wrong(parsed.error);
    if (!args.isEmpty())
        return line.wrong(QStringLiteral("περιττά ορίσματα μετά το register."));
    ExportChoice choice = ExportChoice::defaults();
    choice.stage = parsed.criteria.stage;
    if (line.isSet(QStringLiteral("layout"))) {
        bool ok = false;
        const std::optional<ExportLayout> layout =
            exportLayoutOf(line.value(QStringLiteral("layout")).toInt(&ok));
        if (!ok || !layout)
            return line.wrong(QStringLiteral("το --layout ") +
                              line.value(QStringLiteral("layout")) +
                              QStringLiteral(" δεν είναι έγκυρο."));
        choice.layout = *layout;
    }
    QList<bool>* const ticks[] = {&choice.mast, &choice.mistotes, &choice.trops, &choice.akinita};
    for (int i = 0; i < 4; ++i) {
        const QString list = QLatin1String(kTickLists[i]);
        if (line.isSet(list) && !ticksFrom(line.value(list), ticks[i]))
            return line.wrong(QStringLiteral("το --") + list + QLatin1Char(' ') + line.value(list) +
                              QStringLiteral(" δεν είναι έγκυρο."));
    }
    if (!RegisterFilter::adjustableHasDates(parsed.criteria))
        throw AppError(RegisterFilter::kAdjustableNeedsDates);
    // The declarations the filter finds, without writing the workspace's marks.
    if (RegisterFilter::groupsOf(parsed.criteria).any()) {
        TableCursor& mast = dmTables().tblMistDilMast;
        mast.setFilter(RegisterFilter::onlyThese(RegisterFilter::find(parsed.criteria)));
        mast.setFiltered(true);
    }
    ExportRegister(choice);
    return 0;
}

int exportProgression(const ToolCommandLine& line, const QStringList& args) {
    bool options = filterArgumentsOf(line).any || line.isSet(QStringLiteral("layout"));
    for (const char* list : kTickLists)
        options = options || line.isSet(QLatin1String(list));
    if (args.isEmpty() || args.size() > 2 || options)
        return line.wrong(
            QStringLiteral("το progression θέλει DilCode και, αν χρειάζεται, αριθμό ακινήτου."));
    bool ok = false;
    const qlonglong dilCode = args.at(0).toLongLong(&ok);
    if (!ok)
        return line.wrong(QStringLiteral("ο DilCode είναι ακέραιος αριθμός."));
    TdmTables& dm = dmTables();
    if (!dm.tblMistDilMast.findKey({dilCode}))
        throw AppError(QStringLiteral("Δεν υπάρχει η δήλωση ") + args.at(0));
    if (args.size() == 2 && !dm.tblMistDilAkinita.locate(QStringLiteral("AA"), args.at(1).toInt()))
        throw AppError(QStringLiteral("Η δήλωση δεν έχει ακίνητο με αριθμό ") + args.at(1));
    btExportExelixiClick();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    ToolCommandLine line = commandLine();
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    const QStringList args = line.positional();
    if (const std::optional<int> refused = line.refuseWithoutWorkingFolder(4))
        return *refused;
    WorkFolder::setRoot(args.at(0));
    const QString afm = args.at(1);
    if (args.at(2).isEmpty())
        return line.wrong(QStringLiteral("η διαδρομή του αρχείου εξόδου είναι κενή."));
    const QString output = QDir::current().absoluteFilePath(args.at(2));
    if (const QString problem = outputPathProblem(output); !problem.isEmpty()) {
        printToStandardError(QStringLiteral("register-export: ") + problem);
        return 1;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        printToStandardError(QStringLiteral("register-export: ") + scratch.errorString());
        return 1;
    }
    StandardErrorMessages toStandardError;
    setMessages(&toStandardError);
    CurrentCompany().AFM = afm;
    auto opener = std::make_shared<PlaceOutputFile>(output);
    setSpreadsheetStarter([&]() -> std::shared_ptr<SpreadsheetApp> {
        return std::make_shared<WorkbookApp>(opener, scratch.path());
    });
    try {
        TdmTables& dm = dmTables();
        dm.AttachCompanyTables(afm);
        dm.tblMistDilMast.open();
        CloseAfter closeMast(dm.tblMistDilMast);
        dm.tblMistDilDet.open();
        CloseAfter closeDet(dm.tblMistDilDet);
        dm.tblMistDilAkinita.open();
        CloseAfter closeProperties(dm.tblMistDilAkinita);
        int status = 0;
        if (args.at(3) == QLatin1String("register"))
            status = exportRegister(line, args.mid(4));
        else if (args.at(3) == QLatin1String("progression"))
            status = exportProgression(line, args.mid(4));
        else
            return line.wrong(QStringLiteral("η εντολή είναι register ή progression."));
        if (status != 0)
            return status;
        if (!opener->placed()) {
            std::fprintf(
                stderr,
                "register-export: no workbook was written (fewer than two columns ticked?)\n");
            return 1;
        }
        std::printf("%s\n", output.toLocal8Bit().constData());
        return 0;
    } catch (...) {
        std::fprintf(stderr, "register-export: %s\n",
                     currentFailureText().toLocal8Bit().constData());
        return 1;
    }
}
