#include "portal/SubmissionList.h"

#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"

#include <QRegularExpression>
#include <cmath>

namespace {
const QString kNumberHeading = QStringLiteral("Αριθμός Καταχώρησης");
const QString kLesseeHeading = QStringLiteral("Στοιχεία   1ου μισθωτή");
const QString kTransIdInput = QStringLiteral("<input name=\"transId\" type=\"hidden\" value=\"");
// The cells of a submission from its registration number on.
const int kSubmissionCells = 5;

// A cell's text on one line.
QString flatText(const PageElement& element) {
    QString text = browserOps().GetOuterText(element);
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.trimmed();
}

QStringList cellTexts(const PageElement& row) {
    BrowserOps& browser = browserOps();
    const ElementCollection cells = browser.GetCells(row);
    QStringList texts;
    const int count = browser.Count(cells);
    for (int c = 0; c < count; ++c)
        texts << flatText(browser.Item(cells, c));
    return texts;
}

// Whether a heading cell reads the text, every run of white space taken as one blank:
// browsers render the blanks and line breaks of a heading differently.
bool headingReads(const QString& text, const QString& heading) {
    return text.simplified() == heading.simplified();
}

// The heading row of the list: the number's heading with the first lessee's two cells
// on. The number's heading may span the column of a running number, or stand after a
// heading of its own over that column.
bool isListHeading(const QStringList& headings) {
    if (headings.size() <= 5)
        return false;
    for (int i = 0; i + 2 < headings.size() && i < 2; ++i)
        if (headingReads(headings.at(i), kNumberHeading) &&
            headingReads(headings.at(i + 2), kLesseeHeading))
            return true;
    return false;
}

bool isRegistrationNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^\\d+(\\s*\\(Τροποποιεί\\s+το\\s+Α/Α\\s*\\d+\\s*\\))?$"));
    return number.match(text.simplified()).hasMatch();
}

bool isKind(const QString& text) {
    return text == QStringLiteral("Αρχική") || text == QStringLiteral("Τροποποιητική") ||
           text == QStringLiteral("Λύση");
}

bool digitAt(const QString& text, qsizetype at) {
    return at >= 0 && at < text.size() && text.at(at).isDigit();
}
} // namespace

QList<SubmissionList::ListTable> SubmissionList::listTables(const PageDocument& document) {
    BrowserOps& browser = browserOps();
    const ElementCollection tables =
        browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("TABLE"));
    QList<ListTable> found;
    const int tableCount = browser.Count(tables);
    for (int t = 0; t < tableCount; ++t) {
        const PageElement table = browser.Item(tables, t);
        const ElementCollection rows = browser.GetRows(table);
        const int n = browser.Count(rows);
        if (n == 0)
            continue;
        const PageElement heading = browser.Item(rows, 0);
        if (browser.GetOuterText(heading).trimmed().isEmpty() || !isListHeading(cellTexts(heading)))
            continue;
        found.append({table, rows, n});
    }
    return found;
}

std::optional<QStringList> SubmissionList::submissionCells(const QStringList& cellTexts) {
    for (int k = 0; k + kSubmissionCells <= cellTexts.size(); ++k)
        if (isRegistrationNumber(cellTexts.at(k)) && isKind(cellTexts.at(k + 4)))
            return cellTexts.mid(k, kSubmissionCells);
    return std::nullopt;
}

SubmissionList::Reading SubmissionList::read(const PageDocument& document, StagingGrid& grid,
                                             const std::function<void(int)>& progress) {
    BrowserOps& browser = browserOps();
    Reading reading;
    int listRows = 0;
    for (const ListTable& list : listTables(document)) {
        reading = {};
        const int n = list.rowCount;
        for (int i = 1; i <= n; ++i) {
            if (progress)
                progress(int(std::lround(100.0 * i / n)));
            const int row = i - 1;
            const QStringList texts = cellTexts(browser.Item(list.rows, row));
            if (row == 0) {
                // The headings as the platform writes them, from the number's on.
                const int first = headingReads(texts.value(0), kNumberHeading) ? 0 : 1;
                for (int c = 1; c <= kSubmissionCells; ++c)
                    grid.setCell(c, 0, texts.value(first + c - 1));
                continue;
            }
            grid.setCell(StagingColumn::RunningNumber, row, QString::number(row));
            ++reading.listedRows;
            const std::optional<QStringList> cells = submissionCells(texts);
            if (!cells)
                continue;
            ++reading.readRows;
            for (int c = 1; c <= kSubmissionCells; ++c)
                grid.setCell(c, row, cells->at(c - 1));
        }
        listRows = n;
    }
    grid.setRowCount(listRows + 1);
    return reading;
}

int SubmissionList::wholeTokenCount(const QString& text, const QString& expected) {
    if (expected.isEmpty())
        return 0;
    const bool startsWithDigit = expected.front().isDigit();
    int count = 0;
    for (qsizetype at = text.indexOf(expected); at >= 0; at = text.indexOf(expected, at + 1))
        if (!digitAt(text, at + expected.size()) && !(startsWithDigit && digitAt(text, at - 1)))
            ++count;
    return count;
}

bool SubmissionList::shownOutsideList(const PageDocument& document, const QString& expected) {
    BrowserOps& browser = browserOps();
    int outside = wholeTokenCount(browser.GetOuterText(browser.GetBody(document)), expected);
    for (const ListTable& list : listTables(document))
        for (int r = 0; r < list.rowCount && outside > 0; ++r)
            outside -= wholeTokenCount(browser.GetOuterText(browser.Item(list.rows, r)), expected);
    return outside > 0;
}

QString SubmissionList::formNumberOf(const QString& formHtml) {
    const qsizetype at = formHtml.indexOf(kTransIdInput);
    if (at < 0)
        return QString();
    const qsizetype start = at + kTransIdInput.size();
    const qsizetype end = formHtml.indexOf(QLatin1Char('"'), start);
    return formHtml.mid(start, end < 0 ? -1 : end - start).trimmed();
}

std::optional<QString> SubmissionList::transIdOf(const PageElement& form) {
    BrowserOps& browser = browserOps();
    const ElementCollection inputs = browser.GetElementsByTagName(form, QStringLiteral("INPUT"));
    const int count = browser.Count(inputs);
    for (int i = 0; i < count; ++i) {
        const PageElement input = browser.Item(inputs, i);
        if (input &&
            browser.GetAttribute(input, QStringLiteral("name")) == QLatin1String("transId"))
            return browser.GetAttribute(input, QStringLiteral("value")).trimmed();
    }
    return std::nullopt;
}

QString SubmissionList::formNumber(const PageElement& form, const QString& formHtml) {
    const std::optional<QString> transId = transIdOf(form);
    return transId ? *transId : formNumberOf(formHtml);
}
