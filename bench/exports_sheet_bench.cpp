// Fills one sheet the way the full-layout register export does, through the spreadsheet
// operations (10,000 declarations of 34 columns unless told otherwise), fits the widths
// and writes the workbook as .xlsx. Prints the median times of several runs and the
// process's peak memory.
//
//   exports_sheet_bench [declarations] [runs]

#include "exports/WorkbookApp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The sections of the full layout: first column, width, title and colour.
struct Section {
    int first;
    int width;
    const char* title;
    int colour;
};
const Section kSections[] = {{1, 9, "ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ", 14610923},
                             {10, 3, "ΜΙΣΘΩΤΕΣ", 12379352},
                             {13, 8, "ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ", 15986394},
                             {21, 14, "AKINHTA", 14281213}};
constexpr int kLastColumn = 34;
const int kAmountColumns[] = {8, 20, 31};

class NoOpener : public WorkbookOpener {
public:
    bool open(const QString&) override { return true; }
};

bool isAmount(int column) {
    return std::find(std::begin(kAmountColumns), std::end(kAmountColumns), column) !=
           std::end(kAmountColumns);
}

int sectionColour(int column) {
    int colour = 0;
    for (const Section& s : kSections)
        if (column >= s.first)
            colour = s.colour;
    return colour;
}

// One column entry: fills, column format, header, value.
void writeEntry(Sheet& sheet, int row, int column, int declaration) {
    const int colour = sectionColour(column);
    sheet.cells(row, column).interior().setColor(colour);
    sheet.cells(3, column).interior().setColor(colour);
    sheet.columns(column).setNumberFormat(isAmount(column) ? xl::AmountFormat : xl::TextFormat);
    sheet.cells(3, column).setValue(QStringLiteral("Στήλη %1").arg(column));
    if (isAmount(column))
        sheet.cells(row, column).setValue(250.0 + declaration % 1000);
    else if (column % 3 == 0)
        sheet.cells(row, column)
            .setValue(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ %1").arg(declaration));
    else
        sheet.cells(row, column).setValue(QStringLiteral("%1").arg(1000000 + declaration));
}

// Each declaration takes two rows: all 34 columns in the first, the amending declaration
// and property columns again in the second.
void fillRegister(Sheet& sheet, int declarations) {
    sheet.range(QStringLiteral("A3:ZZ3")).setHorizontalAlignment(xl::Center);
    sheet.range(QStringLiteral("A3:ZZ3")).font().setBold(true);
    const QString last = columnName(kLastColumn);
    int row = 3;
    for (int d = 1; d <= declarations; ++d) {
        ++row;
        for (const Section& s : kSections) {
            sheet.cells(2, s.first).setValue(QString::fromUtf8(s.title));
            const CellBlock title =
                sheet.range(columnName(s.first) + QStringLiteral("2:") +
                            columnName(s.first + s.width - 1) + QStringLiteral("2"));
            title.setMergeCells(true);
            title.setHorizontalAlignment(xl::Center);
            title.font().setBold(true);
        }
        for (int column = 1; column <= kLastColumn; ++column)
            writeEntry(sheet, row, column, d);
        ++row;
        for (int column = 13; column <= kLastColumn; ++column)
            writeEntry(sheet, row, column, d);
        sheet.range(QStringLiteral("A") + QString::number(row), last + QString::number(row))
            .borders(xl::EdgeBottom)
            .setWeight(xl::Thin);
    }
    sheet.range(QStringLiteral("A3"), last + QStringLiteral("3"))
        .borders(xl::EdgeBottom)
        .setLineStyle(xl::Double);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QByteArray statusLine(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed();
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int declarations = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    std::vector<double> fillMs, fitMs, writeMs, totalMs;
    qsizetype cells = 0;
    qint64 fileBytes = 0;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        WorkbookApp app(std::make_shared<NoOpener>(), folder.path());
        QElapsedTimer clock;
        clock.start();
        app.addWorkbook();
        Sheet& sheet = app.workbook(1).worksheet(1);
        fillRegister(sheet, declarations);
        const double filled = clock.nsecsElapsed() / 1e6;
        sheet.range(QStringLiteral("A1"), QStringLiteral("AZ1")).entireColumn().autoFit();
        const double fitted = clock.nsecsElapsed() / 1e6;
        app.setVisible(true);
        const double written = clock.nsecsElapsed() / 1e6;
        fillMs.push_back(filled);
        fitMs.push_back(fitted - filled);
        writeMs.push_back(written - fitted);
        totalMs.push_back(written);
        cells = app.model(1).sheet().cellCount();
        fileBytes = QFileInfo(app.writtenFiles().value(0)).size();
    }

    std::printf("declarations: %d, columns: %d, cells: %lld, runs: %d\n", declarations, kLastColumn,
                static_cast<long long>(cells), runs);
    std::printf("median fill:    %8.1f ms\n", median(fillMs));
    std::printf("median autofit: %8.1f ms\n", median(fitMs));
    std::printf("median write:   %8.1f ms\n", median(writeMs));
    std::printf("median total:   %8.1f ms\n", median(totalMs));
    std::printf("file size:      %8.1f MB\n", fileBytes / 1e6);
    std::printf("peak memory (VmHWM): %s\n", statusLine("VmHWM:").constData());
    return 0;
}
