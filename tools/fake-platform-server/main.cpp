// The fake lease platform over HTTP on 127.0.0.1, for the demonstration and for trying
// the portal link with a real browser. The lease application and the sign-on host are
// served on one port: the sign-on host under "/sso". The maker's services are served
// under "/maker".
//
//   fake-platform-server [--port N] [--owner
//   AFM,DECLARATIONS,SEED,USER,PASSWORD[,REPUSER,REPPASSWORD]]...
//                        [--configure WORKING_FOLDER] [--untidy LIST]
//
// Each --owner puts one owner's synthetic register on the platform with the owner's
// portal account and, optionally, an authorised user's. Without --owner one owner is
// served: 094014201 with 20 declarations of seed 1, account owner / owner123 and
// authorised user logistis / logistis123. --configure writes the addresses into the
// working folder's "settings.ini", so that the application started there uses this
// server. --untidy makes the pages and sessions as untidy as the real platform's: a
// comma-separated list of "spaced" (list headings broken by line breaks and blanks),
// "reordered" (form attributes in other orders, extra attributes), "leadingcell" (a
// running number before each row's registration number), "newestfirst" (the list's
// newest submissions first), "frames" (the
// console's year choice in a frame), "slow=MS" (declaration pages filled in by their
// own script over MS milliseconds), "busy=MS" (declaration pages busy with a script for
// MS milliseconds), "expire=N" (the session expires after N declarations opened) and
// "wrong=NUMBER" (that declaration's window shows another declaration). The server
// prints its base address and runs until it is stopped.
//
//   fake-platform-server --port 8181 --configure build/work

#include "common/Settings.h"
#include "common/WorkFolder.h"
#include "companies/TaxNumber.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/fake-platform-server/MakerServices.h"
#include "tools/fakeplatform/FakePlatform.h"
#include "tools/fakeplatform/HttpPageServer.h"
#include "tools/registergen/RegisterGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {
struct Options {
    quint16 port = 0;
    QStringList owners;
    QString configure;
    Untidiness untidy;
};

ToolCommandLine commandLine() {
    ToolCommandLine line(
        QStringLiteral("fake-platform-server"),
        {QStringLiteral("[--port N] [--owner AFM,DECLARATIONS,SEED,USER,PASSWORD[,REPUSER,"
                        "REPPASSWORD]]... [--configure WORKING_FOLDER] [--untidy LIST]")},
        QStringLiteral("Serves the fake lease platform over HTTP on 127.0.0.1 and runs until it "
                       "is stopped."));
    line.addOption(QStringLiteral("port"), QStringLiteral("the port to listen on"),
                   QStringLiteral("N"));
    line.addOption(QStringLiteral("owner"), QStringLiteral("an owner's register and accounts"),
                   QStringLiteral("AFM,DECLARATIONS,SEED,USER,PASSWORD[,REPUSER,REPPASSWORD]"));
    line.addOption(QStringLiteral("configure"),
                   QStringLiteral("writes the addresses into the folder's settings.ini"),
                   QStringLiteral("WORKING_FOLDER"));
    line.addOption(QStringLiteral("untidy"),
                   QStringLiteral("spaced,reordered,frames,slow=MS,busy=MS,expire=N,wrong=NUMBER"),
                   QStringLiteral("LIST"));
    return line;
}

// The options; an empty text, or what is wrong with them.
QString parse(const ToolCommandLine& line, Options& options) {
    if (!line.positional().isEmpty())
        return QStringLiteral("unexpected argument ") + line.positional().first();
    if (line.isSet(QStringLiteral("port"))) {
        bool ok = false;
        options.port = line.value(QStringLiteral("port")).toUShort(&ok);
        if (!ok)
            return QStringLiteral("--port takes a port number");
    }
    options.owners = line.values(QStringLiteral("owner"));
    options.configure = line.value(QStringLiteral("configure"));
    if (line.isSet(QStringLiteral("untidy"))) {
        const auto untidy = parseUntidiness(line.value(QStringLiteral("untidy")));
        if (!untidy)
            return QStringLiteral("--untidy takes a list of untidy ways");
        options.untidy = *untidy;
    }
    if (options.owners.isEmpty())
        options.owners << QStringLiteral("094014201,20,1,owner,owner123,logistis,logistis123");
    return QString();
}

std::optional<FakeOwner> ownerFrom(const QString& spec) {
    const QStringList parts = spec.split(QLatin1Char(','));
    if (parts.size() != 5 && parts.size() != 7)
        return std::nullopt;
    bool declarationsOk = false;
    bool seedOk = false;
    const int declarations = parts.at(1).toInt(&declarationsOk);
    const quint32 seed = parts.at(2).toUInt(&seedOk);
    if (!IsValidAfm(parts.at(0)) || parts.at(0).isEmpty() || !declarationsOk || !seedOk ||
        declarations < 0)
        return std::nullopt;
    FakeOwner owner;
    owner.data = generateRegister(parts.at(0), declarations, seed);
    owner.userName = parts.at(3);
    owner.password = parts.at(4);
    if (parts.size() == 7) {
        owner.representativeUserName = parts.at(5);
        owner.representativePassword = parts.at(6);
    }
    return owner;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line = commandLine();
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    Options options;
    if (const QString wrong = parse(line, options); !wrong.isEmpty())
        return line.wrong(wrong);
    QList<FakeOwner> owners;
    for (const QString& spec : options.owners) {
        const auto owner = ownerFrom(spec);
        if (!owner)
            return line.wrong(QStringLiteral("bad owner \"") + spec + QLatin1Char('"'));
        owners << *owner;
    }

    // The platform needs the server's address, so the server listens first.
    HttpPageServer server;
    if (server.listenLocally(options.port) == 0) {
        std::fprintf(stderr, "fake-platform-server: cannot listen on 127.0.0.1:%u\n", options.port);
        return 1;
    }
    FakePlatform platform(owners, server.base(), server.base() + QStringLiteral("/sso"));
    platform.setUntidiness(options.untidy);
    MakerServices services(platform, server.base());
    server.setSource(&services);

    if (!options.configure.isEmpty()) {
        WorkFolder::setRoot(QDir(options.configure).absolutePath());
        Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"), platform.leaseAppBase());
        Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"), platform.signOnBase());
        for (const auto& [key, value] : services.settings())
            Settings::setFolderValue(key, value);
        std::printf("settings written to %s\n",
                    WorkFolder::path(QStringLiteral("settings.ini")).toLocal8Bit().constData());
    }
    std::printf("fake platform at %s (sign-on at %s)\n", server.base().toLocal8Bit().constData(),
                platform.signOnPage().toLocal8Bit().constData());
    for (const FakeOwner& owner : owners)
        std::printf("owner %s: %lld declarations, account %s / %s%s\n",
                    owner.data.ownerAfm.toLocal8Bit().constData(),
                    qlonglong(owner.data.declarations.size()),
                    owner.userName.toLocal8Bit().constData(),
                    owner.password.toLocal8Bit().constData(),
                    owner.representativeUserName.isEmpty()
                        ? ""
                        : QStringLiteral(", authorised user %1 / %2")
                              .arg(owner.representativeUserName, owner.representativePassword)
                              .toLocal8Bit()
                              .constData());
    std::fflush(stdout);
    return app.exec();
}
