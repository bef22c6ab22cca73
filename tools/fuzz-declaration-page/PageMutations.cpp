#include "tools/fuzz-declaration-page/PageMutations.h"

#include <QRegularExpression>

namespace {
const QStringList kTags = {QStringLiteral("td"), QStringLiteral("tr"), QStringLiteral("table"),
                           QStringLiteral("input"), QStringLiteral("select")};
const QStringList kIds = {
    QStringLiteral("contractDetails"),     QStringLiteral("leaseholderTable0"),
    QStringLiteral("leaseholderTable4"),   QStringLiteral("leaseholderTable9"),
    QStringLiteral("propertyTable0"),      QStringLiteral("propertyTable1"),
    QStringLiteral("propertyTable"),       QStringLiteral("propertyTablex"),
    QStringLiteral("propertyTable-3"),     QStringLiteral("propertyTable2147483647"),
    QStringLiteral("propertyTable 1 "),    QStringLiteral("terminationDate"),
    QStringLiteral("leaseholderAfm0"),     QStringLiteral("zip0"),
    QStringLiteral("certReferenceNumber0")};
const QStringList kWords = {
    QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ"),
    QStringLiteral("ΑΠΟΔΟΧΗ ΕΚΜΙΣΘΩΤΩΝ"),
    QStringLiteral("ΑΠΟΔΟΧΗ ΜΙΣΘΩΤΩΝ"),
    QStringLiteral("ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ"),
    QStringLiteral("Σημειώσεις"),
    QStringLiteral("ΕΝΕΡΓΕΙΑΚΟ ΠΙΣΤΟΠΟΙΗΤΙΚΟ"),
    QStringLiteral("Ενεργειακή κατάταξη"),
    QStringLiteral("Ημερομηνία Λύσης"),
    QStringLiteral("selectmultiple"),
    QStringLiteral("\"selected\""),
    QStringLiteral("\"checked\""),
    QStringLiteral("value=\""),
    QStringLiteral("leasingSignatureDate"),
    QStringLiteral("initialSearchLabel"),
    QStringLiteral("displaySubmissionDetails1"),
    QStringLiteral("ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ με Αριθμ. 1 - Αρχική")};
} // namespace

std::pair<int, int> PageMutations::element(const QString& html, const QString& tag) {
    const QRegularExpression open(QStringLiteral("<") + tag + QStringLiteral("[\\s>]"));
    QList<int> starts;
    for (auto it = open.globalMatch(html); it.hasNext();)
        starts << int(it.next().capturedStart());
    if (starts.isEmpty())
        return {-1, -1};
    const int start = starts.at(below(int(starts.size())));
    const QString close = QStringLiteral("</") + tag + QLatin1Char('>');
    const qsizetype end = html.indexOf(close, start);
    return {start, end < 0 ? int(html.size()) : int(end + close.size())};
}

QString PageMutations::randomText(int length) {
    static const QString alphabet =
        QStringLiteral("<>\"'&;=/ \t\n\r-.0123456789αβγΑΒΓ#!\u00a0\u200b\ufffd");
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        const int pick = below(int(alphabet.size()) + 3);
        if (pick < alphabet.size())
            text += alphabet.at(pick);
        else if (pick == alphabet.size())
            text += QChar(ushort(below(0x20)));
        else if (pick == alphabet.size() + 1)
            text += QChar(ushort(0xd800 + below(0x800))); // a lone surrogate
        else
            text += kWords.at(below(int(kWords.size())));
    }
    return text;
}

QString PageMutations::mutate(QString html, QStringList& done) {
    const int count = 1 + below(4);
    for (int n = 0; n < count && !html.isEmpty(); ++n) {
        const int at = below(int(html.size()));
        const QString tag = kTags.at(below(int(kTags.size())));
        switch (below(10)) {
        case 0:
            html.truncate(at);
            done << QStringLiteral("cut");
            break;
        case 1: {
            const auto [start, end] = element(html, tag);
            if (start >= 0)
                html.insert(end, html.mid(start, end - start).repeated(1 + below(6)));
            done << QStringLiteral("duplicate ") + tag;
            break;
        }
        case 2: {
            const auto [start, end] = element(html, tag);
            if (start >= 0)
                html.remove(start, end - start);
            done << QStringLiteral("delete ") + tag;
            break;
        }
        case 3: {
            // One tag alone, its element's content left in place.
            const qsizetype open = html.indexOf(QLatin1Char('<'), at);
            const qsizetype close = html.indexOf(QLatin1Char('>'), open);
            if (open >= 0 && close > open)
                html.remove(open, close - open + 1);
            done << QStringLiteral("delete tag");
            break;
        }
        case 4:
            html.insert(at, randomText(1 + below(40)));
            done << QStringLiteral("random text");
            break;
        case 5: {
            static const QRegularExpression id(QStringLiteral("id=\"[^\"]*\""));
            QList<std::pair<int, int>> ids;
            for (auto it = id.globalMatch(html); it.hasNext();) {
                const auto match = it.next();
                ids << std::pair<int, int>{int(match.capturedStart()), int(match.capturedLength())};
            }
            if (!ids.isEmpty()) {
                const auto [start, length] = ids.at(below(int(ids.size())));
                html.replace(start, length,
                             QStringLiteral("id=\"%1\"").arg(kIds.at(below(int(kIds.size())))));
            }
            done << QStringLiteral("swap id");
            break;
        }
        case 6: {
            const qsizetype cell = html.indexOf(QStringLiteral("<td"), at);
            const qsizetype content = html.indexOf(QLatin1Char('>'), cell);
            if (cell >= 0 && content > cell)
                html.insert(content + 1,
                            QString(50000 + below(150000), QChar(0x03c9)) + randomText(5));
            done << QStringLiteral("huge text");
            break;
        }
        case 7: {
            // A table moved into a cell of another.
            const auto [start, end] = element(html, QStringLiteral("table"));
            const qsizetype cell = html.indexOf(QStringLiteral("<td>"), at);
            if (start >= 0 && cell >= 0) {
                const QString table = html.mid(start, end - start);
                html.insert(cell + 4, table);
            }
            done << QStringLiteral("nested table");
            break;
        }
        case 8:
            html.insert(at, kWords.at(below(int(kWords.size()))));
            done << QStringLiteral("section word");
            break;
        default: {
            const auto [start, end] = element(html, tag);
            const auto [other, otherEnd] = element(html, tag);
            if (start >= 0 && other >= 0 && (otherEnd <= start || end <= other)) {
                const QString first = html.mid(start, end - start);
                const QString second = html.mid(other, otherEnd - other);
                if (start < other) {
                    html.replace(other, otherEnd - other, first);
                    html.replace(start, end - start, second);
                } else {
                    html.replace(start, end - start, second);
                    html.replace(other, otherEnd - other, first);
                }
            }
            done << QStringLiteral("swap ") + tag;
        }
        }
    }
    return html;
}
