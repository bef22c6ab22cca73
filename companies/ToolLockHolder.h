#pragma once
// The holder of a company lock that a command-line tool took: the lock file's first line
// is the identifier of the tool's run, and its second line names the tool, its process
// and the machine it runs on, so that a lock left by a tool that ended without releasing
// it (killed, or the machine lost power) can be recognised and taken over on that machine.
//
//   3f2b…-…\r\n
//   tool register-generate 12345 6a1c…\r\n

#include <QByteArray>
#include <QString>
#include <optional>

struct ToolLockHolder {
    QString program;
    qint64 pid = 0;
    QString machine;

    // The holder that this process is, running the named program.
    static ToolLockHolder thisProcess(const QString& program);
    // The tool named by a lock file's bytes; nothing for an installation's lock.
    static std::optional<ToolLockHolder> of(const QByteArray& lockFile);

    // The lock file's second line.
    QByteArray line() const;
    // A tool of this machine whose process no longer runs: its lock is left over.
    bool hasEnded() const;
    // What the operator is told when the lock is taken over.
    QString takenOverText(const QString& afm) const;
};
