#include "app/StartUp.h"
#include "app/DataFolderChoice.h"
#include "app/TfiMain.h"
#include "common/DataFolder.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "exports/WorkbookFiles.h"
#include "operators/TfiGetPass.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "updates/Updates.h"

#include <QApplication>
#include <QDir>
#include <QFont>

void prepareApplication() {
    // No display name: the window system would add it to every window's title.
    QGuiApplication::setDesktopFileName(QStringLiteral("lethora"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

void useDataFolder(const QString& folder, const QString& programFolder) {
    WorkFolder::setRoot(folder);
    WorkFolder::setTemplateRoot(DataFolder::templatesFor(programFolder));
    QDir().mkpath(WorkFolder::path(QStringLiteral("Data")));
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

int runApplication(QApplication& app, const QString& commandLineFolder) {
    prepareApplication();
    WorkbookFiles::removeStale();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString folder = chooseDataFolder(commandLineFolder, programFolder);
    if (folder.isEmpty())
        return commandLineFolder.isEmpty() ? 0 : 1;
    useDataFolder(folder, programFolder);
    // A store that cannot be reached (a server that is down) ends the start here, with
    // the message naming it: nothing opens half connected.
    bool storeReady = runGuarded([] {
        TableStore::instance().connect();
        dmTables();
    });
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
