#pragma once
// A settings file in the INI layout, read and changed as the lines it holds, for the
// entries that must reach the program exactly as written:
// - a section or key name is matched as it is written, letter case included;
// - a value is one text whatever it holds: a comma makes no list; a value in double
//   quotes loses them and its backslash escapes ("\\", "\""); one without quotes is
//   taken as it stands, blanks around it trimmed;
// - a value is written in double quotes, so that a program that reads the file with
//   QSettings reads the same text.
// Every other line of the file is kept byte for byte. Writing replaces the file in one
// step (a new file beside it, renamed over it), so a full disk leaves the old file whole.

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class IniText {
public:
    using Entries = QList<std::pair<QString, QString>>;

    // The file's lines; a missing file reads as an empty one. A file that is there but
    // cannot be read (a folder, no right to read it) leaves failure() saying why.
    static IniText read(const QString& file);
    // Empty when the file was read; otherwise the operator's text, naming the file.
    QString failure() const { return m_failure; }

    // The section names as written, in the order of the file, each once.
    QStringList sections() const;
    // The entries of every section of that exact name, in the order of the file.
    Entries entries(const QString& section) const;

    // Puts the entries in place of the section's (all of its occurrences); a section
    // that is missing is added at the end.
    void setSection(const QString& section, const Entries& entries);
    // Writes the lines to file in one step. Empty when written; otherwise the operator's
    // text, naming the file, and the file is as it was.
    QString write(const QString& file) const;

private:
    QByteArrayList m_lines; // without their line ends
    QByteArray m_lineEnd = QByteArrayLiteral("\n");
    bool m_byteOrderMark = false;
    QString m_failure;
};
