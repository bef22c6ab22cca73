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
// error. The exit status is 2 for wrong arguments, 1 when the page could not be read.

#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
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

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int usage(const QString& why) {
    printError(QStringLiteral("read-declaration-page: ") + why +
               QStringLiteral("\nχρήση: read-declaration-page [--scripted] ΑΡΧΕΙΟ "
                              "ΑΝΑΜΕΝΟΜΕΝΟΣ_ΑΡΙΘΜΟΣ ΣΤΑΔΙΟ ΕΙΔΟΣ"));
    return 2;
}

// Every message of the reader goes to standard error; questions are answered No.
class StandardErrorMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override { printError(text); }
    void showError(const QString& text) override { printError(text); }
    bool askYesNo(const QString& text) override {
        printError(text);
        return false;
    }
    bool askOkCancel(const QString& text) override { return askYesNo(text); }
};

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

// Opens the file in headless Chromium and reads it once the window has its document.
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
    bool done = false;
    ReadDeclarationPage(grid, kRow, expected, document, done);
}

void readScripted(StagingGrid& grid, const QString& path, const QString& html,
                  const QString& expected) {
    ScriptedPage page(html, QUrl::fromLocalFile(path));
    setBrowserOps(&page.browser);
    const auto end = qScopeGuard([] { setBrowserOps(nullptr); });
    bool done = false;
    ReadDeclarationPage(grid, kRow, expected, page.document, done);
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
    const QString path = QFileInfo(args.at(0)).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("Δεν διαβάζεται το αρχείο ") + args.at(0) + QStringLiteral(": ") +
                   file.errorString());
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
        printError(error.text());
        return 1;
    }
    printRow(grid);
    return 0;
}
