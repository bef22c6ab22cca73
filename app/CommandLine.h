#pragma once
// The program's command line: "--data DIR" for the data folder of this run,
// "--version" and "--help", which answer on standard output and end the program.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { Run, Version, Help, Wrong };
    Action action = Action::Run;
    QString dataFolder; // given with --data; empty when not given
    QString wrong;      // what was wrong, for Action::Wrong
};

// Reads the arguments after the program's name; the first --help or --version decides.
CommandLine parseCommandLine(const QStringList& arguments);
QString versionText();
QString helpText();
