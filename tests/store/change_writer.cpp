// A workstation for the interrupted-changes test: runs one change over several tables of
// a company in FOLDER and prints "done" when it is committed.
//
//   change_writer FOLDER AFM import    stores declaration 4501 with its two properties
//   change_writer FOLDER AFM refresh   rewrites declaration 4501 and its properties
//   change_writer FOLDER AFM delete    the data check's deletion of the temporarily
//                                      saved declarations

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "portal/DeclarationStoreWriter.h"
#include "store/TdmTables.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"
#include "workspace/StoredCounts.h"

#include <QCoreApplication>
#include <cstdio>

using namespace StagingColumn;

namespace {
const int kRow = 1;

// Declaration 4501 as the platform shows it, with two properties; the rent and the
// properties' texts carry the mark, so that a refresh rewrites them.
void fillDeclaration(StagingGrid& grid, const QString& mark) {
    grid.setCell(SubmissionDate, kRow, QStringLiteral("07/03/2024"));
    grid.setCell(Stage, kRow, QStringLiteral("Οριστικοποιημένη"));
    grid.setCell(Kind, kRow, QStringLiteral("Αρχική"));
    grid.setCell(Number, kRow, QStringLiteral("4501"));
    grid.setCell(MonthlyRent, kRow, mark + QStringLiteral("00,00"));
    for (int p = 1; p <= 2; ++p) {
        const int b = propertyBase(p);
        for (int offset = 1; offset <= 28; ++offset)
            grid.setCell(b + offset, kRow, mark + QStringLiteral("p%1c%2").arg(p).arg(offset));
        grid.setCell(b + 20, kRow, mark + QStringLiteral("0,00"));
    }
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: change_writer FOLDER AFM import|refresh|delete\n");
        return 2;
    }
    WorkFolder::setRoot(args.at(1));
    const QString afm = args.at(2);
    const QString change = args.at(3);
    try {
        CurrentCompany().AFM = afm;
        TdmTables& tables = dmTables();
        tables.AttachCompanyTables(afm);
        tables.tblMistDilMast.open();
        tables.tblMistDilDet.open();
        tables.tblMistDilAkinita.open();
        StagingGrid grid;
        if (change == QLatin1String("import")) {
            fillDeclaration(grid, QStringLiteral("1"));
            StoreImportedDeclaration(grid, kRow);
        } else if (change == QLatin1String("refresh")) {
            fillDeclaration(grid, QStringLiteral("2"));
            if (!tables.tblMistDilMast.findKey({4501}))
                throw AppError(QStringLiteral("declaration 4501 is not stored"));
            UpdateImportedDeclaration(grid, kRow);
        } else if (change == QLatin1String("delete")) {
            StoredDeclarations::DeleteTemporarilySaved();
        } else {
            throw AppError(QStringLiteral("unknown change ") + change);
        }
    } catch (...) {
        std::fprintf(stderr, "%s\n", currentFailureText().toUtf8().constData());
        return 1;
    }
    std::printf("done\n");
    return 0;
}
