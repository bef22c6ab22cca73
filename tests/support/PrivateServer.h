#pragma once
// A PostgreSQL server of the test program's own, for the runs of the store's tests on
// a server (LETHORA_TEST_ENGINE=postgresql): initdb and pg_ctl in a temporary folder,
// listening on a Unix socket in that folder and on no TCP port. Run as root, the server
// runs as the "postgres" system user, which owns the folder. Each test folder starts
// from an empty database: every schema that an earlier test made is dropped.

#include <QString>
#include <QTemporaryDir>
#include <memory>

class PrivateServer {
public:
    // Whether this run keeps its tables on a server.
    static bool wanted();
    // The server, started on first use.
    static PrivateServer& instance();
    // Stops the server if one was started.
    static void stopAll();

    // The connection string of the server's database, emptied of every table.
    QString emptyDatabase();

    ~PrivateServer();

private:
    PrivateServer();
    QString base() const;
    void runAsServerUser(const QString& program, const QStringList& arguments);
    QString m_bin;
    QTemporaryDir m_dir;
};
