#pragma once
// A program that runs browsers for this program (the browser itself, or its driver),
// started in a process group of its own, so that ending the group ends every browser
// process too, with a folder for the browsers' profiles.
//
// A browser signed in to the platform must not outlive the program that opened it. The
// profiles (their cookies) live in the folder, and a small guard process, in a session of
// its own, holds a pipe from this program: when this program ends in any way (a signal, a
// crash), the pipe closes and the guard ends the group and removes the folder. Folders
// left by a program whose guard did not run are removed at the next start.

#include "portal/ProcessPlatform.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class GuardedProcess {
public:
    GuardedProcess() = default;
    GuardedProcess(const GuardedProcess&) = delete;
    GuardedProcess& operator=(const GuardedProcess&) = delete;
    ~GuardedProcess();

    // Makes the folder, starts the program in its group, with the pipe as its debugging
    // pipe when there is one, and the guard; raises AppError with the reason and the hint
    // when it does not start. "{folder}" in an argument stands for the folder, which is
    // also the program's temporary folder, so that nothing it leaves there outlives it.
    void start(const QString& program, const QStringList& arguments, const QString& hint,
               ProcessPlatform::DebugPipe* pipe = nullptr);
    bool isRunning() const;
    // Waits at most the time for the program to end by itself; gives whether it has.
    bool waitForEnd(int timeoutMs);
    // The folder that holds the profiles of the browsers.
    QString folder() const;
    // Ends the group (the program and every browser it started) and removes the folder.
    void stop();

    // Removes the folders of programs that have ended, ending their groups first when
    // those are still running.
    static void removeLeftovers();

private:
    QProcess m_process;
    QProcess m_guard;
    std::unique_ptr<QTemporaryDir> m_folder;
};
