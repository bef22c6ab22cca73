#pragma once
// The command line of every tool: a QCommandLineParser that knows the tool's usage lines,
// its options and --help and --version. --help prints the usage on standard output and
// --version the application's version, both with exit status 0; wrong arguments print
// the tool's name, what is wrong and the usage on standard error, with exit status 2.

#include <QCommandLineParser>
#include <QStringList>
#include <memory>
#include <optional>

class ToolCommandLine {
public:
    // usage: the tool's usage lines without the "usage: " in front; description: what the
    // tool does, in a sentence or two.
    ToolCommandLine(const QString& name, const QStringList& usage, const QString& description);

    // An option that takes a value (valueName given) or a switch (valueName empty).
    void addOption(const QString& name, const QString& description,
                   const QString& valueName = QString());
    void addPositional(const QString& name, const QString& description);

    // Parses the program's arguments; an exit status when the tool is done (after --help,
    // --version or wrong arguments), nothing when it goes on with its work.
    std::optional<int> parse(const QStringList& arguments);

    // Prints "name: why" and the usage on standard error; returns 2.
    int wrong(const QString& why) const;
    // For a tool whose first argument is the working folder: refuses (exit status 2) fewer
    // than `least` arguments or a working folder that does not exist; nothing when both hold.
    std::optional<int> refuseWithoutWorkingFolder(int least) const;

    QStringList positional() const { return m_parser->positionalArguments(); }
    bool isSet(const QString& name) const { return m_parser->isSet(name); }
    QString value(const QString& name) const { return m_parser->value(name); }
    QStringList values(const QString& name) const { return m_parser->values(name); }

private:
    QString usageText() const;

    QString m_name;
    QStringList m_usage;
    std::unique_ptr<QCommandLineParser> m_parser = std::make_unique<QCommandLineParser>();
};
