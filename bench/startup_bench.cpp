// Start-up figures: from the start of the application to the login dialog shown, and
// from the login to the main window shown, with the help-video service refused on
// loopback. Prints the median of several runs, each in a fresh working folder.

#include "app/TfiMain.h"
#include "common/Messages.h"
#include "common/Settings.h"
#include "common/WorkFolder.h"
#include "operators/OperatorLogic.h"
#include "operators/TfiGetPass.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

#include "bench/BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
using bench::copyFolder;
using bench::median;
using bench::SilentMessages;

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer processTimer;
    processTimer.start();
    QApplication app(argc, argv);
    QTemporaryDir settingsDir; // the remembered operator goes here, not to the user's settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    const double appInitMs = processTimer.nsecsElapsed() / 1e6;
    SilentMessages silent;
    setMessages(&silent);

    std::vector<double> toLogin, toMain;
    const int runs = 7;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrTbls"),
                   dir.path() + QStringLiteral("/ClrTbls"));
        copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrData"),
                   dir.path() + QStringLiteral("/ClrData"));
        QDir().mkpath(dir.path() + QStringLiteral("/Data"));
        WorkFolder::setRoot(dir.path());
        Settings::setFolderValue(QStringLiteral("HelpVideoListAddress"),
                                 QStringLiteral("http://127.0.0.1:1/v?app=3"));
        if (run > 0) { // a password for admin, as after the first start
            dmTables().EnsureUsersTable();
            dmTables().tblUsers.open();
            dmTables().tblUsers.findKey({QStringLiteral("admin")});
            dmTables().tblUsers.edit();
            dmTables().tblUsers.setValue(QStringLiteral("Pass"), QStringLiteral("x"));
            dmTables().tblUsers.post();
            dmTables().tblUsers.close();
        }

        QElapsedTimer t;
        t.start();
        dmTables();
        TfiMain main;
        TfiGetPass login;
        login.show();
        QCoreApplication::processEvents();
        if (run > 0)
            toLogin.push_back(t.nsecsElapsed() / 1e6);

        login.edPassword->setText(QStringLiteral("x"));
        t.restart();
        login.btEnterClick();
        main.prepareAfterLogin();
        main.showMaximized();
        QCoreApplication::processEvents();
        if (run > 0)
            toMain.push_back(t.nsecsElapsed() / 1e6);
        TableStore::instance().detachUnused();
    }
    std::printf("application object created: %.1f ms\n", appInitMs);
    std::printf("start to login dialog shown: median %.1f ms over %zu runs\n", median(toLogin),
                toLogin.size());
    std::printf("login to main window shown (help videos refused): median %.1f ms over %zu runs\n",
                median(toMain), toMain.size());
    return 0;
}
