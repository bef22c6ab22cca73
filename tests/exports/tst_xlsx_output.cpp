// Visible := True writes the workbook as a real .xlsx file and opens it: the file is read
// back to check values, formats, merges, fills, lines, widths and the chart; a file that
// cannot be written or opened is reported with its path.

#include "common/Settings.h"
#include "exports/WorkbookApp.h"
#include "exports/WorkbookFiles.h"
#include "tests/exports/XlsxReadBack.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QRegularExpression>

namespace {

class RecordingOpener : public WorkbookOpener {
public:
    bool open(const QString& path) override {
        opened << path;
        return answer;
    }
    QStringList opened;
    bool answer = true;
};

// A small register and a rent progression: sections past column Z, text and amount
// columns, titles, lines and a chart.
void fillSample(Sheet& sheet) {
    sheet.range(QStringLiteral("A3:ZZ3")).setHorizontalAlignment(xl::Center);
    sheet.range(QStringLiteral("A3:ZZ3")).font().setBold(true);

    sheet.cells(2, 1).setValue(QStringLiteral("ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
    sheet.range(QStringLiteral("A2:E2")).setMergeCells(true);
    for (const int column : {1, 5}) {
        sheet.cells(3, column).interior().setColor(14610923);
        sheet.cells(4, column).interior().setColor(14610923);
    }
    sheet.columns(1).setNumberFormat(xl::TextFormat);
    sheet.cells(3, 1).setValue(QStringLiteral("Αρ. Δήλωσης"));
    sheet.cells(4, 1).setValue(QStringLiteral("0012345"));
    sheet.columns(5).setNumberFormat(xl::AmountFormat);
    sheet.cells(3, 5).setValue(QStringLiteral("Μίσθωμα"));
    sheet.cells(4, 5).setValue(1234.5);

    sheet.cells(2, 28).setValue(QStringLiteral("AKINHTA"));
    sheet.range(QStringLiteral("AB2:AC2")).setMergeCells(true);
    sheet.columns(28).setNumberFormat(xl::TextFormat);
    sheet.cells(3, 28).setValue(QStringLiteral("Περιγραφή"));
    sheet.cells(4, 28).setValue(QStringLiteral("Διαμέρισμα"));
    sheet.cells(4, 28).interior().setColor(14281213);

    sheet.range(QStringLiteral("A4:AC4")).borders(xl::EdgeBottom).setWeight(xl::Thin);
    sheet.range(QStringLiteral("A3:AC3")).borders(xl::EdgeBottom).setLineStyle(xl::Double);

    sheet.cells(15, 3).setValue(QStringLiteral("Ημερομηνία"));
    sheet.cells(15, 4).setValue(QStringLiteral("Μίσθωμα"));
    sheet.columns(3).setNumberFormat(xl::TextFormat);
    sheet.columns(4).setNumberFormat(xl::AmountFormat);
    sheet.cells(16, 3).setValue(QStringLiteral("01/01/2020"));
    sheet.cells(16, 4).setValue(1000.0);
    sheet.cells(17, 3).setValue(QStringLiteral("01/01/2022"));
    sheet.cells(17, 4).setValue(0.0);
    sheet.range(QStringLiteral("C17:D17")).interior().setColor(65535);
    sheet.range(QStringLiteral("A1"), QStringLiteral("AZ1")).entireColumn().autoFit();

    Chart& chart = sheet.addChart(350, 200, 500, 300);
    chart.setChartType(xl::ColumnClustered);
    chart.setSourceData(sheet.range(QStringLiteral("C15:D17")));
    chart.setHasTitle(true);
    chart.setChartTitleText(QStringLiteral("Οικονομική Εξέλιξη Μισθώματος"));
}

// A file last written the given number of days ago.
void writeAged(const QString& path, int days) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PK");
    file.flush();
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-days),
                             QFileDevice::FileModificationTime));
}

const QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::WriteOther | QFileDevice::ExeOther;

bool widthNear(double stored, double fitted) {
    if (stored >= fitted && stored < fitted + 1)
        return true;
    qWarning("stored width %f, fitted %f", stored, fitted);
    return false;
}

} // namespace

class TestXlsxOutput : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> output;
    std::shared_ptr<RecordingOpener> opener;
    std::unique_ptr<RecordingMessages> shown;

private Q_SLOTS:
    void init() {
        output = std::make_unique<QTemporaryDir>();
        opener = std::make_shared<RecordingOpener>();
        shown = std::make_unique<RecordingMessages>();
    }
    void cleanup() {
        shown.reset();
        output.reset();
    }

    void writesTheWorkbookAndOpensIt() {
        WorkbookApp app(opener, output->path());
        app.addWorkbook();
        fillSample(app.workbook(1).worksheet(1));
        app.setVisible(true);

        QCOMPARE(app.writtenFiles().size(), 1);
        const QString file = app.writtenFiles().front();
        QCOMPARE(opener->opened, QStringList{file});
        QCOMPARE(QFileInfo(file).absolutePath(), QDir(output->path()).absolutePath());
        QVERIFY2(QRegularExpression(QStringLiteral("^Lethora-\\d{8}-\\d{6}-1\\.xlsx$"))
                     .match(QFileInfo(file).fileName())
                     .hasMatch(),
                 qPrintable(file));
        QVERIFY(shown->shown.isEmpty());
        QVERIFY(shown->errors.isEmpty());

        const ReadWorkbook book = readXlsx(file);
        QCOMPARE(book.sheetName, QStringLiteral("Φύλλο1"));

        const ReadCell number = book.cells.value(QStringLiteral("A4"));
        QCOMPARE(number.value, QStringLiteral("0012345")); // leading zeros kept: text
        QVERIFY(!number.isNumber);
        QCOMPARE(number.numberFormat, QStringLiteral("@"));
        QCOMPARE(number.fill, QStringLiteral("EBF1DE")); // 235, 241, 222
        QCOMPARE(number.bottomLine, QStringLiteral("thin"));

        const ReadCell rent = book.cells.value(QStringLiteral("E4"));
        QVERIFY(rent.isNumber);
        QCOMPARE(rent.value.toDouble(), 1234.5);
        // shown as 1.234,50, a character's space apart from the next column's text
        QCOMPARE(rent.numberFormat, QStringLiteral("#,##0.00_)"));
        QCOMPARE(rent.bottomLine, QStringLiteral("thin"));

        const ReadCell header = book.cells.value(QStringLiteral("A3"));
        QCOMPARE(header.value, QStringLiteral("Αρ. Δήλωσης"));
        QVERIFY(header.bold);
        QCOMPARE(header.alignment, QStringLiteral("center"));
        QCOMPARE(header.bottomLine, QStringLiteral("double"));
        QCOMPARE(book.cells.value(QStringLiteral("AC3")).bottomLine, QStringLiteral("double"));
        QVERIFY(book.cells.value(QStringLiteral("ZZ3")).bold);

        QCOMPARE(book.cells.value(QStringLiteral("A2")).value, QStringLiteral("ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
        QCOMPARE(book.cells.value(QStringLiteral("AB4")).value, QStringLiteral("Διαμέρισμα"));
        QCOMPARE(book.cells.value(QStringLiteral("AB4")).fill, QStringLiteral("FDE9D9"));
        QCOMPARE(book.cells.value(QStringLiteral("AB4")).bottomLine, QStringLiteral("thin"));
        QVERIFY(book.merges.contains(QStringLiteral("A2:E2")));
        QVERIFY(book.merges.contains(QStringLiteral("AB2:AC2")));
        QCOMPARE(book.merges.size(), 2);

        // The file keeps widths in whole pixels plus the cell's padding, within a character
        // of the fitted width.
        QVERIFY(widthNear(book.widths.value(1), 11 + 2));  // "Αρ. Δήλωσης"
        QVERIFY(widthNear(book.widths.value(5), 8 + 2));   // "1.234,50"
        QVERIFY(widthNear(book.widths.value(28), 10 + 2)); // "Διαμέρισμα"
        QVERIFY(!book.widths.contains(2));                 // nothing in it: the standard width

        const ReadCell lastRent = book.cells.value(QStringLiteral("D17"));
        QVERIFY(lastRent.isNumber);
        QCOMPARE(lastRent.value.toDouble(), 0.0); // zero is written, not left empty
        QCOMPARE(lastRent.fill, QStringLiteral("FFFF00"));
        QCOMPARE(book.cells.value(QStringLiteral("C17")).fill, QStringLiteral("FFFF00"));
        QVERIFY(book.cells.value(QStringLiteral("C16")).fill.isEmpty());

        QCOMPARE(book.charts.size(), 1);
        const ReadChart& chart = book.charts.front();
        QCOMPARE(chart.direction, QStringLiteral("col"));
        QCOMPARE(chart.grouping, QStringLiteral("clustered"));
        QCOMPARE(chart.title, QStringLiteral("Οικονομική Εξέλιξη Μισθώματος"));
        QCOMPARE(chart.seriesValues.size(), 1);
        QVERIFY2(chart.seriesValues[0].endsWith(QStringLiteral("!$D$16:$D$17")),
                 qPrintable(chart.seriesValues[0]));
        QVERIFY2(chart.seriesCategories.value(0).endsWith(QStringLiteral("!$C$16:$C$17")),
                 qPrintable(chart.seriesCategories.value(0)));
        QVERIFY2(chart.seriesNames.value(0).endsWith(QStringLiteral("!$D$15")),
                 qPrintable(chart.seriesNames.value(0)));
        QVERIFY(chart.seriesValues[0].contains(QStringLiteral("Φύλλο1")));
    }

    void workbooksAreTheOperatorsOwnAndKeptAWeek() {
        WorkbookApp app(opener); // no folder given: the operator's workbook folder
        app.addWorkbook().worksheet(1).cells(1, 1).setValue(QStringLiteral("094014298"));
        app.setVisible(true);
        const QString folder = Settings::userFolder(QStringLiteral("Workbooks"));
        const QFileInfo file(app.writtenFiles().value(0));
        QCOMPARE(file.absolutePath(), QDir(folder).absolutePath());
        QVERIFY(QFileInfo(folder).permissions().testFlag(QFileDevice::ExeOwner));
        QCOMPARE(QFileInfo(folder).permissions() & kOthers, QFileDevice::Permissions());
        QVERIFY(file.permissions().testFlag(QFileDevice::WriteOwner));
        QCOMPARE(file.permissions() & kOthers, QFileDevice::Permissions());
        QCOMPARE(readXlsx(file.filePath()).cells.value(QStringLiteral("A1")).value,
                 QStringLiteral("094014298"));

        // At start-up the application's workbooks older than a week go, from that folder
        // and from the temporary folder; other files stay.
        QTemporaryDir temp;
        const QByteArray previousTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        const QDir own(folder);
        writeAged(own.filePath(QStringLiteral("Lethora-20261101-090000-1.xlsx")), 8);
        writeAged(own.filePath(QStringLiteral("Lethora-20261203-090000-1.xlsx")), 6);
        writeAged(own.filePath(QStringLiteral("Μισθώσεις 2026.xlsx")), 30);
        writeAged(temp.filePath(QStringLiteral("Lethora-20261101-090000-2.xlsx")), 8);
        writeAged(temp.filePath(QStringLiteral("Lethora-notes.xlsx")), 8);
        WorkbookFiles::removeStale();
        qputenv("TMPDIR", previousTemp);
        QStringList left = own.entryList(QDir::Files) + QDir(temp.path()).entryList(QDir::Files);
        QStringList kept{"Lethora-20261203-090000-1.xlsx", "Lethora-notes.xlsx", file.fileName(),
                         "Μισθώσεις 2026.xlsx"};
        left.sort();
        kept.sort();
        QCOMPARE(left, kept);
    }

    void showingAgainWritesOnlyAfterTheWorkbookWasHidden() {
        WorkbookApp app(opener, output->path());
        app.addWorkbook().worksheet(1).cells(1, 1).setValue(QStringLiteral("πρώτο"));
        app.setVisible(true);
        app.setVisible(true);
        QCOMPARE(app.writtenFiles().size(), 1);
        app.setVisible(false);
        app.workbook(1).worksheet(1).cells(1, 1).setValue(QStringLiteral("δεύτερο"));
        app.setVisible(true);
        QCOMPARE(app.writtenFiles().size(), 2);
        QCOMPARE(opener->opened, app.writtenFiles());
        QVERIFY(app.writtenFiles()[0] != app.writtenFiles()[1]);
        QCOMPARE(readXlsx(app.writtenFiles()[0]).cells.value(QStringLiteral("A1")).value,
                 QStringLiteral("πρώτο"));
        QCOMPARE(readXlsx(app.writtenFiles()[1]).cells.value(QStringLiteral("A1")).value,
                 QStringLiteral("δεύτερο"));
    }

    void aFileThatCannotBeWrittenIsReportedWithItsPath() {
        // A plain file where the folder should be: no one, not even root, can write in it.
        const QString notAFolder = output->filePath(QStringLiteral("not-a-folder"));
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        WorkbookApp app(opener, notAFolder);
        app.addWorkbook().worksheet(1).cells(1, 1).setValue(1.0);
        app.setVisible(true); // reported, not thrown

        QCOMPARE(shown->errors.size(), 1);
        const QString text = shown->errors.front();
        QVERIFY2(text.startsWith(QStringLiteral("Δεν ήταν δυνατή η εγγραφή του βιβλίου εργασίας")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("«") + QDir::toNativeSeparators(notAFolder) +
                               QStringLiteral("/Lethora-")),
                 qPrintable(text));
        QVERIFY(opener->opened.isEmpty());
        QVERIFY(app.writtenFiles().isEmpty());
        QVERIFY(app.isVisible());
    }

    void aFileThatNoApplicationOpensIsReportedWithItsPath() {
        opener->answer = false;
        shown->queueChoice(QStringLiteral("OK"));
        WorkbookApp app(opener, output->path());
        app.addWorkbook().worksheet(1).cells(1, 1).setValue(1.0);
        app.setVisible(true);
        QCOMPARE(app.writtenFiles().size(), 1);
        const QString file = app.writtenFiles().front();
        QVERIFY(QFileInfo(file).size() > 0);
        QCOMPARE(shown->asked.size(), 1);
        QVERIFY2(shown->asked.front().contains(QDir::toNativeSeparators(file)),
                 qPrintable(shown->asked.front()));
        QVERIFY(shown->errors.isEmpty());
    }

    void anOpenerThatFailsIsSeenAndTheWorkbookCanBeKept_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("opens");
        QTest::newRow("ends with a failure") << "/bin/sh -c \"exit 3\"" << false;
        QTest::newRow("not installed") << "no-such-spreadsheet --calc" << false;
        QTest::newRow("ends with success") << "/bin/sh -c \"exit 0\"" << true;
    }
    void anOpenerThatFailsIsSeenAndTheWorkbookCanBeKept() {
        QFETCH(QString, command);
        QFETCH(bool, opens);
        TestFolder folder;
        Settings::setFolderValue(QStringLiteral("SpreadsheetOpenCommand"), command);
        const QString kept = output->filePath(QStringLiteral("Μισθώσεις.xlsx"));
        if (!opens) {
            shown->queueChoice(QStringLiteral("Αποθήκευση ως…"));
            shown->queueFileName(kept);
        }
        WorkbookApp app(std::make_shared<DesktopOpener>(), output->path());
        app.addWorkbook().worksheet(1).cells(1, 1).setValue(QStringLiteral("ΟΙΚΟΝΟΜΟΥ"));
        app.setVisible(true);
        const QString file = app.writtenFiles().value(0);
        QVERIFY(shown->errors.isEmpty());
        if (opens) {
            QVERIFY(shown->asked.isEmpty());
            return;
        }
        QCOMPARE(shown->asked.size(), 1);
        QVERIFY2(shown->asked.front().contains(
                     QStringLiteral("«") + QDir::toNativeSeparators(file) + QStringLiteral("»")),
                 qPrintable(shown->asked.front()));
        QVERIFY(shown->proposedFileNames.value(0).endsWith(QFileInfo(file).fileName()));
        QCOMPARE(readXlsx(kept).cells.value(QStringLiteral("A1")).value,
                 QStringLiteral("ΟΙΚΟΝΟΜΟΥ"));
    }

    void aChartWithoutDataIsLeftOut() {
        WorkbookApp app(opener, output->path());
        Sheet& sheet = app.addWorkbook().worksheet(1);
        sheet.cells(1, 1).setValue(QStringLiteral("χωρίς γράφημα"));
        sheet.addChart(10, 10, 200, 100).setChartTitleText(QStringLiteral("κενό"));
        app.setVisible(true);
        QVERIFY(shown->errors.isEmpty());
        const ReadWorkbook book = readXlsx(app.writtenFiles().value(0));
        QCOMPARE(book.cells.value(QStringLiteral("A1")).value, QStringLiteral("χωρίς γράφημα"));
        QVERIFY(book.charts.isEmpty());
    }

    void openCommandTakesTheFileAsItsLastArgument() {
        const QString file = QStringLiteral("/tmp/Lethora 1.xlsx");
        const OpenCommand plain = openCommandFor(QStringLiteral("libreoffice --calc"), file);
        QCOMPARE(plain.program, QStringLiteral("libreoffice"));
        QCOMPARE(plain.arguments, (QStringList{QStringLiteral("--calc"), file}));
        const OpenCommand quoted =
            openCommandFor(QStringLiteral("\"/opt/My Office/soffice\" --nologo"), file);
        QCOMPARE(quoted.program, QStringLiteral("/opt/My Office/soffice"));
        QCOMPARE(quoted.arguments, (QStringList{QStringLiteral("--nologo"), file}));
        QVERIFY(openCommandFor(QString(), file).program.isEmpty());
        QVERIFY(openCommandFor(QStringLiteral("   "), file).program.isEmpty());
    }

    void desktopOpenerUsesTheInstallationsCommand() {
        TestFolder folder;
        Settings::setFolderValue(QStringLiteral("SpreadsheetOpenCommand"),
                                 folder.path(QStringLiteral("no-such-program")) +
                                     QStringLiteral(" --calc"));
        // The program named in the setting does not exist, so nothing is started.
        QVERIFY(!DesktopOpener().open(folder.path(QStringLiteral("book.xlsx"))));
    }
};

LETHORA_TEST_MAIN(TestXlsxOutput)
#include "tst_xlsx_output.moc"
