#include "common/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace {
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString named(const QString& file) {
    return QStringLiteral("Το αρχείο ρυθμίσεων «") + QDir::toNativeSeparators(file) +
           QStringLiteral("»");
}

// The section that a line opens: "[name]".
std::optional<QString> sectionOf(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (!text.startsWith('[') || !text.endsWith(']'))
        return std::nullopt;
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

QString unquoted(const QString& value) {
    if (!value.startsWith(QLatin1Char('"')))
        return value;
    QString text;
    for (qsizetype i = 1; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('"'))
            return text;
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar escaped = value.at(++i);
        if (escaped == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (escaped == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else if (escaped == QLatin1Char('t'))
            text += QLatin1Char('\t');
        else
            text += escaped;
    }
    return value; // no closing quote: written by hand, taken as it stands
}

QByteArray quoted(const QString& value) {
    QString text = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            text += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            text += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            text += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            text += QStringLiteral("\\t");
        else
            text += c;
    }
    return (text + QLatin1Char('"')).toUtf8();
}
} // namespace

IniText IniText::read(const QString& file) {
    IniText ini;
    const QFileInfo info(file);
    if (!info.exists())
        return ini;
    if (info.isDir()) {
        ini.m_failure = named(file) + QStringLiteral(" δεν διαβάζεται: είναι φάκελος.");
        return ini;
    }
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        ini.m_failure = named(file) + QStringLiteral(" δεν διαβάζεται (") + source.errorString() +
                        QStringLiteral(").");
        return ini;
    }
    QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        ini.m_failure = named(file) + QStringLiteral(" δεν διαβάζεται (") + source.errorString() +
                        QStringLiteral(").");
        return ini;
    }
    ini.m_byteOrderMark = bytes.startsWith(kByteOrderMark);
    if (ini.m_byteOrderMark)
        bytes.remove(0, kByteOrderMark.size());
    if (bytes.contains("\r\n"))
        ini.m_lineEnd = QByteArrayLiteral("\r\n");
    ini.m_lines = bytes.split('\n');
    if (!ini.m_lines.isEmpty() && ini.m_lines.last().isEmpty())
        ini.m_lines.removeLast();
    for (QByteArray& line : ini.m_lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return ini;
}

QStringList IniText::sections() const {
    QStringList names;
    for (const QByteArray& line : m_lines)
        if (const std::optional<QString> name = sectionOf(line); name && !names.contains(*name))
            names << *name;
    return names;
}

IniText::Entries IniText::entries(const QString& section) const {
    Entries found;
    bool inside = false;
    for (const QByteArray& line : m_lines) {
        if (const std::optional<QString> name = sectionOf(line)) {
            inside = *name == section;
            continue;
        }
        const QByteArray text = line.trimmed();
        const qsizetype equals = text.indexOf('=');
        if (!inside || text.startsWith(';') || text.startsWith('#') || equals <= 0)
            continue;
        found.append({QString::fromUtf8(text.left(equals).trimmed()),
                      unquoted(QString::fromUtf8(text.mid(equals + 1).trimmed()))});
    }
    return found;
}

void IniText::setSection(const QString& section, const Entries& entries) {
    QByteArrayList lines;
    qsizetype place = -1;
    bool inside = false;
    for (const QByteArray& line : std::as_const(m_lines)) {
        if (const std::optional<QString> name = sectionOf(line)) {
            inside = *name == section;
            if (inside && place < 0)
                place = lines.size();
        }
        if (!inside)
            lines << line;
    }
    QByteArrayList own{'[' + section.toUtf8() + ']'};
    for (const auto& [key, value] : entries)
        own << key.toUtf8() + '=' + quoted(value);
    if (place < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QByteArray();
        place = lines.size();
    } else if (place < lines.size()) {
        own << QByteArray(); // a blank line before the section that follows
    }
    for (qsizetype i = 0; i < own.size(); ++i)
        lines.insert(place + i, own.at(i));
    m_lines = lines;
}

QString IniText::write(const QString& file) const {
    QByteArray bytes = m_byteOrderMark ? kByteOrderMark : QByteArray();
    for (const QByteArray& line : m_lines)
        bytes += line + m_lineEnd;
    QSaveFile target(file);
    // The write is buffered: a failure (a full disk) shows first when it is flushed, and
    // commit() would still put the short file in place. Unless everything went out, the
    // new file is dropped and the old one stays.
    if (target.open(QIODevice::WriteOnly) && target.write(bytes) == bytes.size() &&
        target.flush() && target.error() == QFileDevice::NoError && target.commit())
        return QString();
    return named(file) + QStringLiteral(" δεν γράφτηκε (") + target.errorString() +
           QStringLiteral(") και έμεινε όπως ήταν.");
}
