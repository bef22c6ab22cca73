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
#include "tools/register-export/OutputFile.h"
#include "tools/register-filter/FilterArguments.h"
#include "workspace/StoredCounts.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {
int usage(const QString& why) {
    std::fprintf(
        stderr,
        "register-export: %s\nusage: register-export WORKING_FOLDER AFM OUTPUT.xlsx register "
        "[--layout 0|1|2] "
        "[--mast TICKS] [--mistotes TICKS] [--trops TICKS] [--akinita TICKS] [filter options]\n"
        "       register-export WORKING_FOLDER AFM OUTPUT.xlsx progression DILCODE [PROPERTY_AA]\n",
        why.toLocal8Bit().constData());
    return 2;
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

int exportRegister(const QStringList& args) {
    FilterArguments parsed = parseFilterArguments(args);
    if (!parsed.error.isEmpty())
        return usage(parsed.error);
    ExportChoice choice = ExportChoice::defaults();
    choice.stage = parsed.criteria.stage;
    const QStringList& rest = parsed.rest;
    for (int i = 0; i < rest.size(); i += 2) {
        if (i + 1 >= rest.size())
            return usage(rest.at(i) + QStringLiteral(" lacks its value"));
        const QString& option = rest.at(i);
        const QString& value = rest.at(i + 1);
        bool ok = true;
        if (option == QLatin1String("--layout")) {
            choice.layout = value.toInt(&ok);
            ok = ok && choice.layout >= 0 && choice.layout <= 2;
        } else if (option == QLatin1String("--mast")) {
            ok = ticksFrom(value, &choice.mast);
        } else if (option == QLatin1String("--mistotes")) {
            ok = ticksFrom(value, &choice.mistotes);
        } else if (option == QLatin1String("--trops")) {
            ok = ticksFrom(value, &choice.trops);
        } else if (option == QLatin1String("--akinita")) {
            ok = ticksFrom(value, &choice.akinita);
        } else {
            return usage(QStringLiteral("unknown option ") + option);
        }
        if (!ok)
            return usage(option + QStringLiteral(" ") + value + QStringLiteral(" is not valid"));
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

int exportProgression(const QStringList& args) {
    if (args.isEmpty() || args.size() > 2)
        return usage(
            QStringLiteral("progression needs a DilCode and optionally a property number"));
    bool ok = false;
    const qlonglong dilCode = args.at(0).toLongLong(&ok);
    if (!ok)
        return usage(QStringLiteral("the DilCode is a whole number"));
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
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 4)
        return usage(QStringLiteral("too few arguments"));
    if (!QDir(args.at(0)).exists())
        return usage(QStringLiteral("the working folder does not exist"));
    WorkFolder::setRoot(args.at(0));
    const QString afm = args.at(1);
    if (args.at(2).isEmpty())
        return usage(QStringLiteral("the output path is empty"));
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
            status = exportRegister(args.mid(4));
        else if (args.at(3) == QLatin1String("progression"))
            status = exportProgression(args.mid(4));
        else
            return usage(QStringLiteral("the command is register or progression"));
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
