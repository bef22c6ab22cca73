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

bool loginAndPrepare(TfiMain& main) {
    TfiGetPass login;
    if (runDialog(login) != QDialog::Accepted)
        return false;
    main.prepareAfterLogin();
    return true;
}

int runApplication(QApplication& app) {
    prepareApplication();
    bool storeReady = runGuarded([] { dmTables(); });
    if (!storeReady)
        return 1;
    TfiMain main;
    if (!loginAndPrepare(main))
        return 0;
    runGuarded([] { RunStartupVersionCheck(); });
    main.RefreshStatusBar();
    main.showMaximized();
    return app.exec();
}
