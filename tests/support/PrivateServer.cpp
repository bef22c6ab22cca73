#include "tests/support/PrivateServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace {
const QString kConnection = QStringLiteral("lethora-test-server");

std::unique_ptr<PrivateServer>& running() {
    static std::unique_ptr<PrivateServer> server;
    return server;
}

// The newest installed server's programs, or those LETHORA_PG_BIN names.
QString serverPrograms() {
    const QString named = qEnvironmentVariable("LETHORA_PG_BIN");
    if (!named.isEmpty())
        return named;
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    for (auto it = found.crbegin(); it != found.crend(); ++it)
        if (QFile::exists(versions.filePath(*it + QStringLiteral("/bin/initdb"))))
            return versions.filePath(*it + QStringLiteral("/bin"));
    throw std::runtime_error("no PostgreSQL server programs under /usr/lib/postgresql");
}
// Stops the servers that test programs which ended without stopping them (a crash)
// left in the temporary folder: each folder names the process that started it.
void stopAbandonedServers(const QString& bin) {
    const QDir temp(QDir::tempPath());
    for (const QString& name : temp.entryList({QStringLiteral("lethora-pg-*")}, QDir::Dirs)) {
        QFile owner(temp.filePath(name + QStringLiteral("/owner")));
        if (!owner.open(QIODevice::ReadOnly))
            continue;
        const qint64 pid = owner.readAll().trimmed().toLongLong();
        if (pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;
        QProcess stop;
        const QStringList arguments{bin + QStringLiteral("/pg_ctl"),
                                    QStringLiteral("-D"),
                                    temp.filePath(name + QStringLiteral("/data")),
                                    QStringLiteral("-m"),
                                    QStringLiteral("immediate"),
                                    QStringLiteral("stop")};
        if (::geteuid() == 0)
            stop.start(QStringLiteral("runuser"),
                       QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                   QStringLiteral("--")} +
                           arguments);
        else
            stop.start(arguments.first(), arguments.mid(1));
        stop.waitForFinished(60000);
        QDir(temp.filePath(name)).removeRecursively();
    }
}
} // namespace

bool PrivateServer::wanted() {
    return qEnvironmentVariable("LETHORA_TEST_ENGINE") == QLatin1String("postgresql");
}

PrivateServer& PrivateServer::instance() {
    if (!running())
        running().reset(new PrivateServer());
    return *running();
}

void PrivateServer::stopAll() {
    running().reset();
}

void PrivateServer::runAsServerUser(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (::geteuid() == 0)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                  QStringLiteral("--"), program} +
                          arguments);
    else
        process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        throw std::runtime_error(
            (program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll()))
                .toStdString());
}

PrivateServer::PrivateServer()
    : m_bin(serverPrograms()), m_dir(QDir::tempPath() + QStringLiteral("/lethora-pg-XXXXXX")) {
    if (::geteuid() == 0) {
        const passwd* user = ::getpwnam("postgres");
        if (!user ||
            ::chown(QFile::encodeName(m_dir.path()).constData(), user->pw_uid, user->pw_gid) != 0)
            throw std::runtime_error("the postgres system user cannot own the server's folder");
    }
    stopAbandonedServers(m_bin);
    QFile owner(m_dir.path() + QStringLiteral("/owner"));
    if (!owner.open(QIODevice::WriteOnly) ||
        owner.write(QByteArray::number(QCoreApplication::applicationPid())) <= 0)
        throw std::runtime_error("the server's folder does not take files");
    owner.close();
    const QString data = m_dir.path() + QStringLiteral("/data");
    runAsServerUser(m_bin + QStringLiteral("/initdb"),
                    {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
                     QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
                     QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"),
                     QStringLiteral("--no-sync")});
    runAsServerUser(
        m_bin + QStringLiteral("/pg_ctl"),
        {QStringLiteral("-D"), data, QStringLiteral("-l"),
         m_dir.path() + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("-o"),
         QStringLiteral("-c listen_addresses='' -c unix_socket_directories='") + m_dir.path() +
             QStringLiteral("' -c fsync=off -c synchronous_commit=off "
                            "-c full_page_writes=off"),
         QStringLiteral("start")});
}

PrivateServer::~PrivateServer() {
    if (QSqlDatabase::contains(kConnection)) {
        QSqlDatabase::database(kConnection, false).close();
        QSqlDatabase::removeDatabase(kConnection);
    }
    try {
        runAsServerUser(m_bin + QStringLiteral("/pg_ctl"),
                        {QStringLiteral("-D"), m_dir.path() + QStringLiteral("/data"),
                         QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w"),
                         QStringLiteral("stop")});
    } catch (const std::exception&) {
        // The folder goes all the same; a server left behind has lost its files.
    }
}

QString PrivateServer::base() const {
    return QStringLiteral("host=") + m_dir.path() + QStringLiteral(" user=postgres");
}

QString PrivateServer::emptyDatabase() {
    const QString connection = base() + QStringLiteral(" dbname=postgres");
    QSqlDatabase db = QSqlDatabase::contains(kConnection)
                          ? QSqlDatabase::database(kConnection)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kConnection);
    db.setConnectOptions(connection);
    if (!db.isOpen()) {
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery(db).exec(QStringLiteral("SET client_min_messages = warning"));
    }
    // Dropping the schemas is much quicker than making a database for each test.
    QSqlQuery schemas(db);
    schemas.exec(QStringLiteral("SELECT nspname FROM pg_namespace WHERE nspname NOT LIKE 'pg_%' "
                                "AND nspname NOT IN ('information_schema', 'public')"));
    QStringList names;
    while (schemas.next())
        names << QLatin1Char('"') + schemas.value(0).toString() + QLatin1Char('"');
    schemas.finish();
    QSqlQuery drop(db);
    if (!names.isEmpty() && !drop.exec(QStringLiteral("DROP SCHEMA ") +
                                       names.join(QLatin1Char(',')) + QStringLiteral(" CASCADE")))
        throw std::runtime_error(drop.lastError().text().toStdString());
    return connection;
}
