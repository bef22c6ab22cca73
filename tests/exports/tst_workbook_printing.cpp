// Every sheet of the exports prints as a person reads it: landscape on A4, one page
// wide, its headings atop every page and frozen in the window, its chart inside the
// printed block. Read from the sheet's XML and, where LibreOffice is installed, from the
// PDF that it prints.

#include "exports/OverviewExport.h"
#include "exports/RegisterExport.h"
#include "exports/RentProgression.h"
#include "tests/exports/ExportFixture.h"
#include "tests/exports/XlsxReadBack.h"
#include "tests/support/TestMain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

enum class Export { Register, Progression, Overview };

} // namespace

Q_DECLARE_METATYPE(Export)

namespace {

void fillRegister(RegisterFixture& r) {
    for (int n = 1; n <= 5; ++n) {
        const qlonglong code = 1200 + n;
        r.declaration(code, {{"DateDisplay", "05/11/2024"},
                             {"StadioYpovolis", "Οριστικοποιημένη"},
                             {"EidosDilosis", "Αρχική"},
                             {"MistosiApoDate", "01/12/2024"},
                             {"MistosiEosDate", "30/11/2027"},
                             {"TotalMistoma", 1234.5 * n},
                             {"EidosTarvenis", "Κατοικία"},
                             {"MistAFM1", "094014298"},
                             {"MistName1", "ΟΙΚΟΝΟΜΟΥ ΓΕΩΡΓΙΟΣ ΤΟΥ ΚΩΝΣΤΑΝΤΙΝΟΥ"}});
        r.amendment(code, 3000 + n, {{"EidosDilosis", "Τροποποιητική"}, {"TotalMistoma", 650.0}});
        r.property(code, 1,
                   {{"Eidos", "Διαμέρισμα"},
                    {"Odos", "ΕΡΜΟΥ"},
                    {"Num", "12"},
                    {"Dimos", "ΑΘΗΝΑΙΩΝ"},
                    {"MonthlyMist", 450.0},
                    {"Descr", "Διαμέρισμα δευτέρου ορόφου με αποθήκη"}});
    }
}

// The chart anchors' far cells, as "col,row" counted from 0.
QList<QPoint> chartCorners(const QString& file) {
    QList<QPoint> corners;
    const QString drawing = QString::fromUtf8(xlsxPart(file, "xl/drawings/drawing1.xml"));
    static const QRegularExpression to(
        QStringLiteral("<xdr:to><xdr:col>(\\d+)</xdr:col>.*?<xdr:row>(\\d+)</xdr:row>"));
    for (const QRegularExpressionMatch& m : to.globalMatch(drawing))
        corners << QPoint(m.captured(1).toInt(), m.captured(2).toInt());
    return corners;
}

// The pages of the PDF that LibreOffice prints of the file, as their sizes in points.
QList<QSizeF> printedPages(const QString& soffice, const QString& file) {
    QTemporaryDir out;
    QProcess convert;
    convert.setProcessChannelMode(QProcess::MergedChannels);
    convert.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + out.path(),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("pdf"), QStringLiteral("--outdir"), out.path(), file});
    if (!convert.waitForFinished(180000))
        convert.kill();
    QFile pdf(QDir(out.path()).filePath(QFileInfo(file).completeBaseName() + ".pdf"));
    if (!pdf.open(QIODevice::ReadOnly))
        qWarning("%s", convert.readAll().constData());
    const QString text = QString::fromLatin1(pdf.readAll());
    QList<QSizeF> pages;
    static const QRegularExpression page(QStringLiteral(
        "/Type\\s*/Page\\b(?!s)[^>]*?/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    for (const QRegularExpressionMatch& m : page.globalMatch(text))
        pages << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return pages;
}

} // namespace

class TestWorkbookPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everySheetPrintsLandscapeOnePageWide_data() {
        QTest::addColumn<Export>("kind");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<int>("frozenRows");
        QTest::addColumn<QString>("area"); // before the charts are taken in
        QTest::addColumn<int>("pages");    // one a sheet
        QTest::newRow("register export, every column")
            << Export::Register << "$2:$3" << 3 << "$A$1:$AH$8" << 1;
        QTest::newRow("rent progression") << Export::Progression << "$15:$15" << 15 << "" << 1;
        QTest::newRow("office overview") << Export::Overview << "$1:$2" << 2 << "$A$1:$F$3" << 3;
    }
    void everySheetPrintsLandscapeOnePageWide() {
        QFETCH(Export, kind);
        QFETCH(QString, titles);
        QFETCH(int, frozenRows);
        QFETCH(QString, area);
        QFETCH(int, pages);
        ExportFixture fx;
        if (kind == Export::Overview) {
            OfficeOverview overview;
            overview.expiring.append({QStringLiteral("094014201"), QStringLiteral("Άλφα"), 501,
                                      QStringLiteral("ΠΑΠΑΣ"), QStringLiteral("20/03/2026"),
                                      1234.5});
            ExportOfficeOverview(OverviewTables::all(overview));
        } else {
            fillRegister(fx.declarations);
            fx.openView();
            if (kind == Export::Register) {
                ExportChoice every = ExportChoice::defaults();
                for (QList<bool>* ticks :
                     {&every.mast, &every.mistotes, &every.trops, &every.akinita})
                    ticks->fill(true);
                ExportRegisterFull(every);
            } else {
                btExportExelixiClick();
            }
        }
        const QString file = fx.app->writtenFiles().value(0);
        const ReadPage page = readXlsx(file).page;
        QCOMPARE(page.orientation, QStringLiteral("landscape"));
        QCOMPARE(page.paperSize, QStringLiteral("9")); // A4
        QVERIFY(page.fitToPage);
        QCOMPARE(page.fitToWidth, 1);
        QCOMPARE(page.fitToHeight, 0); // as many pages down as the rows need
        QCOMPARE(page.printTitles, titles);
        QCOMPARE(page.frozenRows, frozenRows);
        QCOMPARE(page.frozenColumns, 0);
        if (!area.isEmpty())
            QCOMPARE(page.printArea, area);
        const QList<QPoint> corners = chartCorners(file);
        QCOMPARE(corners.size(), kind == Export::Progression ? 1 : 0);
        for (const QPoint& corner : corners) {
            const CellArea printed = parseBlockReference(page.printArea);
            QVERIFY2(printed.contains(corner.y() + 1, corner.x() + 1), qPrintable(page.printArea));
        }

        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed: the printed pages are not checked");
        const QList<QSizeF> printed = printedPages(soffice, file);
        QCOMPARE(printed.size(), pages);
        for (const QSizeF& size : printed)
            QVERIFY2(size.width() > size.height(), "a portrait page");
    }
};

LETHORA_TEST_MAIN(TestWorkbookPrinting)
#include "tst_workbook_printing.moc"
