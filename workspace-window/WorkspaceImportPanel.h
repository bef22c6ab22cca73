#pragma once
// The workspace's side of the import: the counts, the list progress, the notice and the
// wait window of the platform panel.

#include "portal/SubmissionImport.h"

class TfiMistomataTaxis;

class WorkspaceImportPanel : public ImportPanel {
public:
    explicit WorkspaceImportPanel(TfiMistomataTaxis& workspace) : m_workspace(workspace) {}

    bool loginWithRepresentative() const override;
    void showListProgress(int percent) override;
    void showPlatformCounts(int initial, int amending) override;
    void showStoredCounts(int initial, int amending) override;
    void showNotice(const QString& text, bool importOffered) override;
    void setNoticeText(const QString& text) override;
    void hideNotice() override;
    WaitWindowHooks waitWindow() override;
    WaitWindowHooks importWaitWindow() override;
    void showImportProgress(int handled, int total) override;
    void showImportOutcome(const ImportOutcome& outcome) override;

private:
    TfiMistomataTaxis& m_workspace;
};
