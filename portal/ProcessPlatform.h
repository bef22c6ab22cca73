#pragma once
// What the browser and its driver need from the operating system: a process group of its
// own that ends with this program, a guard that ends the group when this program ends in
// any way, and the browser's debugging pipe, beside the checks on a process by its number
// of common/ProcessPlatform.h. Everything that depends on the operating system lives in
// the one file that implements this (ProcessPlatformPosix.cpp).

#include "common/ProcessPlatform.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QProcess;
class QSocketNotifier;

namespace ProcessPlatform {
// The browser's end of the DevTools protocol's pipe (--remote-debugging-pipe), as this
// program holds it: the browser reads commands on its descriptor 3 and writes its
// answers on its descriptor 4 (on Windows the documented pair of inherited handles).
class DebugPipe : public QObject {
    Q_OBJECT
public:
    DebugPipe();
    ~DebugPipe() override;
    DebugPipe(const DebugPipe&) = delete;
    DebugPipe& operator=(const DebugPipe&) = delete;

    // Makes the pipe's two ways; false when the system refused.
    bool open();
    // Once the browser has started: lets go of the browser's ends in this program, so that
    // the browser's end is seen as the pipe's end.
    void browserStarted();
    // Writes the whole message; false when the browser's end has closed.
    bool write(const QByteArray& message);
    // What the browser has written since the last call, without waiting.
    QByteArray takeAvailable();
    bool isClosed() const { return m_closed; }
    void close();

    // The descriptors the browser inherits (read, write), for the start of its process.
    int browserRead() const { return m_browserRead; }
    int browserWrite() const { return m_browserWrite; }

signals:
    // Something arrived, or the browser's end closed.
    void readyRead();

private:
    void drain();

    int m_commands = -1; // this program writes the commands here
    int m_answers = -1;  // and reads the answers here
    int m_browserRead = -1;
    int m_browserWrite = -1;
    bool m_closed = false;
    QByteArray m_arrived;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// Makes the process, when started, the leader of a group of its own that the programs it
// starts join, and has the system end it when this program ends. With a pipe, the process
// gets the pipe's browser ends as its debugging pipe.
void runInOwnGroup(QProcess& process, DebugPipe* pipe = nullptr);
// Starts the guard of a group: once the guard's input closes (this program ended or closed
// it), it ends the group's processes and then removes the folder.
void startGroupGuard(QProcess& guard, qint64 group, const QString& folder);
// Asks every process of the group to end.
void askGroupToEnd(qint64 group);
// Ends every process of the group at once.
void endGroup(qint64 group);
// The name under which the system lists a process of the program (see runsProgram).
QByteArray programName(const QString& program);
// Whether this program runs with the administrator's rights.
bool runsAsAdministrator();
} // namespace ProcessPlatform
