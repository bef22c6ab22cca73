#pragma once
// The main window: a frame of child windows with the main menu, the toolbar, the status
// bar, the picture buttons of the first steps and the help-video panel.

#include "app/EnablingRule.h"
#include "app/HelpVideos.h"

#include <QLabel>
#include <QMainWindow>

class QAction;
class QFrame;
class QMdiArea;
class QMdiSubWindow;
class PictureButton;

class TfiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfiMain(QWidget* parent = nullptr);

    // After a successful login: caption, operator-dependent menus, help videos and the
    // first-activation flag.
    void prepareAfterLogin();

    void RefreshStatusBar();
    // Runs the enabling rule now (it also runs whenever the application is idle).
    void updateCommands();
    void loadHelpVideos();

    // Command handlers.
    void forwardToActiveChild(const QString& itemName);
    void acNewCompExecute();
    void acOpenCompanyExecute();
    void acDeleteCompanyExecute();
    void acCompChangeExecute();
    void acTarvenisExecute();
    void acCompCloseExecute();
    void acDeleteTablesExecute();
    void acNewVerExecute();
    void acUsersExecute();
    void acNewPassExecute();
    void acOfficeOverviewExecute();
    // A double-click in the office overview: opens the owner with the chooser's rules and
    // the workspace on the declaration.
    void openFromOverview(const QString& afm, qlonglong dilCode);
    void videoPanelClick(int n);
    void showEditorialOnFirstActivation();

    QMdiArea* mdiArea() const { return m_mdi; }
    // The active child window, or the one on top while the main window is not active.
    QMdiSubWindow* activeChildWindow() const;
    QAction* action(const QString& name) const;
    QLabel* statusPanel(int n) const { return m_statusPanels.at(n); }
    QFrame* MainPanel;
    QFrame* MainPanel2;
    QFrame* pnVideoHelp;
    QFrame* pnVideosTitle;
    QAction* miUsers;
    QList<HelpVideo> sgVideos; // the loaded help videos, title and link code

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const QString& name, const QString& caption, const QKeySequence& key,
                        void (TfiMain::*handler)());
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QWidget* buildClientArea();
    void fitPanel(int n);
    void setVideoHelpHeight();

    QMdiArea* m_mdi = nullptr;
    QList<QLabel*> m_statusPanels;
    QList<QLabel*> m_videoPanels;
    QList<PictureButton*> m_pictures;
    MainCommandState m_commands;
    bool m_firstActivation = false;
};
