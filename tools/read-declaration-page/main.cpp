// read-declaration-page: reads a stored declaration details page (an HTML file) with the
// same reader as the import, into row 1 of a staging grid, and prints what it found.
//
//   read-declaration-page [--scripted] FILE EXPECTED_NUMBER STAGE KIND
//
// The page is opened in the real headless Chromium from its file address, or with
// --scripted in the scripted browser of the tests. STAGE and KIND are the row's columns 4
// and 5 (as the submission list shows them), EXPECTED_NUMBER its column 9. Each non-empty
// column of the row is printed as "column<TAB>value", one per line, in column order, with
// the line feeds inside a value written as \n. A message of the reader goes to standard
// error. The exit status is 2 for wrong arguments, 1 when the page could not be read: a
// file that is not a regular file, a page from which the reader took nothing (empty,
// not a details page, another declaration's page) or one that sent the browser
// elsewhere.

#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "common/StandardErrorMessages.h"
#include "portal/DeclarationPageReader.h"
#include "portal/ScriptedPage.h"
#include "portal/WebDriverBrowser.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const int kRow = 1;
const int kLoadTimeoutMs = 20000;
// Far above any details page; a larger file is not one.
const qint64 kLargestPage = 64 * 1024 * 1024;

int usage(const QString& why) {
    printToStandardError(QStringLiteral("read-declaration-page: ") + why +
                         QStringLiteral("\nχρήση: read-declaration-page [--scripted] ΑΡΧΕΙΟ "
                                        "ΑΝΑΜΕΝΟΜΕΝΟΣ_ΑΡΙΘΜΟΣ ΣΤΑΔΙΟ ΕΙΔΟΣ"));
    return 2;
}

// The page as a browser decodes it: by the charset it declares, UTF-8 otherwise.
QString decoded(const QByteArray& bytes) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

void printRow(const StagingGrid& grid) {
    for (int column = 0; column < StagingGrid::kColumns; ++column) {
        QString value = grid.cell(column, kRow);
        if (value.isEmpty())
            continue;
        value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        const QByteArray line = (QString::number(column) + QLatin1Char('\t') + value).toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
    }
}

// The row's columns, to tell afterwards whether the reader wrote anything.
QStringList rowOf(const StagingGrid& grid) {
    QStringList cells;
    for (int column = 0; column < StagingGrid::kColumns; ++column)
        cells << grid.cell(column, kRow);
    return cells;
}

// Reads the document into the row; an AppError when the reader wrote nothing (a page
// without a body, without the declaration's number or with another one).
void readDocument(StagingGrid& grid, const QString& expected, const PageDocument& document) {
    const QStringList before = rowOf(grid);
    bool done = false;
    ReadDeclarationPage(grid, kRow, expected, document, done);
    if (!done || rowOf(grid) == before)
        throw AppError(QStringLiteral("Η σελίδα δεν είναι σελίδα στοιχείων της δήλωσης ") +
                       expected + QStringLiteral(": δεν διαβάστηκε τίποτα."));
}

// Opens the file in headless Chromium and reads it once the window has its document; a
// page that takes the browser to another address is not read.
void readInChromium(StagingGrid& grid, const QString& path, const QString& expected) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("LETHORA_HEADLESS_BROWSER", "1");
    WebDriverBrowser browser;
    setBrowserOps(&browser);
    const auto end = qScopeGuard([&browser] {
        setBrowserOps(nullptr);
        browser.shutDown();
    });
    const BrowserWindow window = browser.OpenBrowser();
    browser.NavigateTo(window, QUrl::fromLocalFile(path).toString());
    QElapsedTimer waited;
    waited.start();
    PageDocument document;
    while (!(document = browser.GetDocument(window))) {
        if (waited.elapsed() > kLoadTimeoutMs)
            throw AppError(QStringLiteral("Η σελίδα δεν φορτώθηκε στον φυλλομετρητή."));
        PumpWait(20);
    }
    readDocument(grid, expected, document);
    if (QUrl(browser.GetLocationUrl(window)) != QUrl::fromLocalFile(path))
        throw AppError(QStringLiteral("Η σελίδα οδήγησε τον φυλλομετρητή σε άλλη διεύθυνση: ") +
                       browser.GetLocationUrl(window));
}

void readScripted(StagingGrid& grid, const QString& path, const QString& html,
                  const QString& expected) {
    ScriptedPage page(html, QUrl::fromLocalFile(path));
    setBrowserOps(&page.browser);
    const auto end = qScopeGuard([] { setBrowserOps(nullptr); });
    readDocument(grid, expected, page.document);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    StandardErrorMessages toStandardError;
    setMessages(&toStandardError);

    QStringList args = app.arguments().mid(1);
    const bool scripted = args.removeAll(QStringLiteral("--scripted")) > 0;
    if (args.size() != 4)
        return usage(QStringLiteral("χρειάζονται τέσσερα ορίσματα."));
    if (args.first().startsWith(QLatin1Char('-')))
        return usage(QStringLiteral("άγνωστη επιλογή ") + args.first());
    const QFileInfo info(args.at(0));
    const QString path = info.absoluteFilePath();
    // A device, a pipe or a folder is never a page: reading one may not end.
    if (info.exists() && !info.isFile()) {
        printToStandardError(QStringLiteral("Το ") + args.at(0) +
                             QStringLiteral(" δεν είναι κανονικό αρχείο."));
        return 1;
    }
    if (info.size() > kLargestPage) {
        printToStandardError(QStringLiteral("Το αρχείο ") + args.at(0) +
                             QStringLiteral(" είναι πολύ μεγάλο για σελίδα δήλωσης."));
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printToStandardError(QStringLiteral("Δεν διαβάζεται το αρχείο ") + args.at(0) +
                             QStringLiteral(": ") + file.errorString());
        return 1;
    }
    const QString html = decoded(file.readAll());

    StagingGrid grid;
    grid.setCell(StagingColumn::Stage, kRow, args.at(2));
    grid.setCell(StagingColumn::Kind, kRow, args.at(3));
    grid.setCell(StagingColumn::Number, kRow, args.at(1));
    try {
        if (scripted)
            readScripted(grid, path, html, args.at(1));
        else
            readInChromium(grid, path, args.at(1));
    } catch (const AppError& error) {
        printToStandardError(error.text());
        return 1;
    }
    printRow(grid);
    return 0;
}
