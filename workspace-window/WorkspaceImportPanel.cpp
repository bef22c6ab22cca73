#include "workspace-window/WorkspaceImportPanel.h"

#include "common/Messages.h"
#include "workspace-window/PortalPanel.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace-window/TfiWait.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

bool WorkspaceImportPanel::loginWithRepresentative() const {
    return m_workspace.portal->cbSetLoginWithEkpr->isChecked();
}

void WorkspaceImportPanel::showListProgress(int percent) {
    m_workspace.portal->ggTaxisDils->setValue(percent);
}

void WorkspaceImportPanel::showPlatformCounts(int initial, int amending) {
    m_workspace.portal->lbTaxisArxDils->setText(QString::number(initial));
    m_workspace.portal->lbTaxisTropDils->setText(QString::number(amending));
}

void WorkspaceImportPanel::showStoredCounts(int initial, int amending) {
    m_workspace.savedArxDils = initial;
    m_workspace.savedTropDils = amending;
    m_workspace.portal->lbSavedArxDils->setText(QString::number(initial));
    m_workspace.portal->lbSavedTropDils->setText(QString::number(amending));
}

void WorkspaceImportPanel::showNotice(const QString& text, bool importOffered) {
    PortalPanel& panel = *m_workspace.portal;
    panel.lbInsertNewDils->setText(text);
    panel.imNotMoreDil->setVisible(!importOffered);
    panel.sbInsertNewDils->setVisible(importOffered);
    panel.pnInsertNewDils->show();
}

void WorkspaceImportPanel::setNoticeText(const QString& text) {
    m_workspace.portal->lbInsertNewDils->setText(text);
}

void WorkspaceImportPanel::hideNotice() {
    m_workspace.portal->pnInsertNewDils->hide();
    m_workspace.portal->sbInsertNewDils->hide();
}

WaitWindowHooks WorkspaceImportPanel::waitWindow() {
    return m_workspace.fiWait->withoutProgress();
}

WaitWindowHooks WorkspaceImportPanel::importWaitWindow() {
    return m_workspace.fiWait->withImportProgress();
}

void WorkspaceImportPanel::showImportProgress(int handled, int total) {
    m_workspace.fiWait->showImportProgress(handled, total);
}

void WorkspaceImportPanel::showImportOutcome(const ImportOutcome& outcome) {
    showMessage(importReport(outcome));
}
