// A second workstation for the concurrent-writers test: inserts COUNT operators named
// PREFIX1 … PREFIXCOUNT into the Users table of FOLDER through a cursor, one post each.

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "store/TableCursor.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: store_writer FOLDER PREFIX COUNT\n");
        return 2;
    }
    WorkFolder::setRoot(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    try {
        TableCursor users;
        users.setTableName(QStringLiteral("Tables\\Users.db"));
        users.open();
        for (int n = 1; n <= count; ++n) {
            users.insert();
            users.setValue(QStringLiteral("UserName"), prefix + QString::number(n));
            users.setValue(QStringLiteral("Pass"), QStringLiteral("p"));
            users.setValue(QStringLiteral("Rights"), QStringLiteral("V"));
            users.post();
            users.edit();
            users.setValue(QStringLiteral("Pass"), QStringLiteral("q") + QString::number(n));
            users.post();
        }
    } catch (...) {
        std::fprintf(stderr, "%s\n", currentFailureText().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
