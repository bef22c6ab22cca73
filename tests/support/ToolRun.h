#pragma once
// Runs a command-line tool of the build and keeps what it said: its exit status (-1 when
// it crashed or did not end within two minutes), standard output and standard error.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// prepare, when given, sets the process up before it starts.
inline ToolRun runTool(const QString& program, const QStringList& arguments,
                       const std::function<void(QProcess&)>& prepare = {}) {
    QProcess process;
    if (prepare)
        prepare(process);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Whether the first line that the tool wrote on standard error (its reason for refusing)
// is worded in Greek, as every text the operator reads.
inline bool reasonIsGreek(const ToolRun& run) {
    const QString reason = run.err.section(QLatin1Char('\n'), 0, 0);
    for (const QChar c : reason)
        if (c.unicode() >= 0x0370 && c.unicode() <= 0x03FF)
            return true;
    return false;
}
