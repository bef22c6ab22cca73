#include "exports/NumberFormats.h"

#include <QLocale>
#include <algorithm>

namespace {

constexpr int kGeneralDigits = 10; // significant digits that a general cell shows

// A plain digit pattern: only '#', '0', the group mark '.' and one decimal mark ','.
bool isDigitPattern(const QString& code) {
    return !code.isEmpty() && code.count(u',') <= 1 &&
           std::all_of(code.begin(), code.end(),
                       [](QChar c) { return c == u'#' || c == u'0' || c == u'.' || c == u','; });
}

QString generalText(double number) {
    return QString::number(number, 'g', kGeneralDigits).replace(u'.', u',');
}

} // namespace

QString NumberFormats::fileCode(const QString& greekCode) {
    QString code = greekCode;
    bool quoted = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\\')
            ++i; // the escaped character is literal text
        else if (c == u'.')
            code[i] = u',';
        else if (c == u',')
            code[i] = u'.';
    }
    return code;
}

QString NumberFormats::cellFileCode(const QString& greekCode) {
    return isDigitPattern(greekCode) ? fileCode(greekCode) + QStringLiteral("_)")
                                     : fileCode(greekCode);
}

QString NumberFormats::displayText(double number, const QString& greekCode) {
    if (!isDigitPattern(greekCode))
        return generalText(number);
    const qsizetype decimalMark = greekCode.indexOf(u',');
    const int decimals = decimalMark < 0 ? 0 : int(greekCode.size() - decimalMark - 1);
    const bool grouped =
        greekCode.left(decimalMark < 0 ? greekCode.size() : decimalMark).contains(u'.');
    static const QLocale greekGrouped(QLocale::Greek, QLocale::Greece);
    static const QLocale greekPlain = [] {
        QLocale plain(QLocale::Greek, QLocale::Greece);
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain;
    }();
    return (grouped ? greekGrouped : greekPlain).toString(number, 'f', decimals);
}
