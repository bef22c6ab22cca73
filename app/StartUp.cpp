#include "app/StartUp.h"
#include "app/TfiMain.h"
#include "common/AppVersion.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "operators/TfiGetPass.h"
#include "store/TdmTables.h"
#include "updates/Updates.h"

#include <QApplication>
#include <QDir>
#include <QFont>

void prepareApplication() {
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The working folder is the application's own folder.
    WorkFolder::setRoot(QCoreApplication::applicationDirPath());
    QDir::setCurrent(WorkFolder::root());
}

LoginResult loginAndPrepare(TfiMain& main) {
    TfiGetPass login;
    // Without the operators table every login would fail with the same error.
    if (!login.ready())
        return LoginResult::TablesBroken;
    if (runDialog(login) != QDialog::Accepted)
        return LoginResult::Cancelled;
    main.prepareAfterLogin();
    return LoginResult::LoggedIn;
}

int runApplication(QApplication& app) {
    prepareApplication();
    bool storeReady = runGuarded([] { dmTables(); });
    if (!storeReady)
        return 1;
    TfiMain main;
    switch (loginAndPrepare(main)) {
    case LoginResult::LoggedIn:
        break;
    case LoginResult::Cancelled:
        return 0;
    case LoginResult::TablesBroken:
        return 1;
    }
    runGuarded([] { RunStartupVersionCheck(); });
    main.RefreshStatusBar();
    main.showMaximized();
    return app.exec();
}
