// One workstation of the lock race: tries to take the locks of COUNT companies under
// FOLDER with its own identifier and prints the numbers of those it won.

#include "common/WorkFolder.h"
#include "companies/CompanyLock.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    WorkFolder::setRoot(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int n = 1; n <= count; ++n)
        if (CompanyLock::acquire(QString::number(n), id) == CompanyLock::Outcome::Acquired)
            std::printf("%d\n", n);
    return 0;
}
