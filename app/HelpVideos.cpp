#include "app/HelpVideos.h"

namespace {
bool isLineEnd(QChar ch) {
    return ch == QLatin1Char('\n') || ch == QLatin1Char('\r');
}

// The text between two markers; false when they are missing or out of order.
bool between(const QString& line, const QString& open, const QString& close, QString* out) {
    const qsizetype start = line.indexOf(open);
    if (start < 0)
        return false;
    const qsizetype from = start + open.size();
    const qsizetype end = line.indexOf(close, from);
    if (end < 0)
        return false;
    *out = line.mid(from, end - from);
    return true;
}
} // namespace

QStringList splitVideoLines(const QString& text) {
    QStringList lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isLineEnd(text.at(pos)))
            ++pos;
        if (pos >= text.size())
            break;
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = text.size();
        QString line = text.mid(pos, end - pos);
        while (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines << line;
        pos = end + 1;
    }
    return lines;
}

QString helpVideoFailure(int lineNumber, const QString& text) {
    return QString::number(lineNumber) + QLatin1Char('-') + text + QLatin1Char('-') +
           QStringLiteral("Πρόβλημα με την εισαγωγή των στοιχείων");
}

HelpVideoList parseHelpVideos(const QString& text) {
    HelpVideoList list;
    int number = 0;
    for (const QString& line : splitVideoLines(text)) {
        if (line.isEmpty())
            continue;
        ++number;
        HelpVideo video;
        if (number > kHelpVideoPanels ||
            !between(line, QStringLiteral("<CODE>"), QStringLiteral("<DESCR>"), &video.caption) ||
            !between(line, QStringLiteral("<DESCR>"), QStringLiteral("<LINK>"), &video.linkCode)) {
            list.failure = helpVideoFailure(number, line);
            return list;
        }
        list.videos << video;
    }
    return list;
}
