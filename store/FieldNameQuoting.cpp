#include "store/FieldNameQuoting.h"
#include "store/TableSchema.h"

#include <QHash>

namespace {
// Every field name of every table, by its lower-case form.
const QHash<QString, QString>& fieldNames() {
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> all;
        for (const TableDef& def : TableSchema::all())
            for (const FieldDef& f : def.fields)
                all.insert(f.name.toLower(), f.name);
        return all;
    }();
    return names;
}

bool startsName(QChar ch) {
    return ch.isLetter() || ch == QLatin1Char('_');
}

bool continuesName(QChar ch) {
    return ch.isLetterOrNumber() || ch == QLatin1Char('_') || ch == QLatin1Char('$');
}

// The index just past a quoted text or name that opens at start.
qsizetype pastQuoted(const QString& sql, qsizetype start) {
    const QChar quote = sql.at(start);
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql.at(i) == quote) {
            if (i + 1 < sql.size() && sql.at(i + 1) == quote) {
                i += 2; // a doubled quote stands for itself
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}
} // namespace

QString quoteFieldNames(const QString& sql) {
    QString result;
    result.reserve(sql.size() + 32);
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar ch = sql.at(i);
        if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            const qsizetype end = pastQuoted(sql, i);
            result += QStringView(sql).mid(i, end - i);
            i = end;
        } else if (startsName(ch)) {
            qsizetype end = i + 1;
            while (end < sql.size() && continuesName(sql.at(end)))
                ++end;
            const QString word = sql.mid(i, end - i);
            const auto found = fieldNames().constFind(word.toLower());
            result += found == fieldNames().constEnd()
                          ? word
                          : QLatin1Char('"') + *found + QLatin1Char('"');
            i = end;
        } else if (ch.isDigit()) {
            qsizetype end = i + 1; // a number such as 1e5 holds no name
            while (end < sql.size() && continuesName(sql.at(end)))
                ++end;
            result += QStringView(sql).mid(i, end - i);
            i = end;
        } else {
            result += ch;
            ++i;
        }
    }
    return result;
}
