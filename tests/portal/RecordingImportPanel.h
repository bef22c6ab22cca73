#pragma once
// Stands for the workspace's side of the import in tests: records what the import shows.

#include "portal/SubmissionImport.h"

#include <QList>
#include <QPair>

class RecordingImportPanel : public ImportPanel {
public:
    bool loginWithRepresentative() const override { return representative; }
    void showListProgress(int percent) override { progress << percent; }
    void showPlatformCounts(int initial, int amending) override {
        platformCounts = {initial, amending};
    }
    void showStoredCounts(int initial, int amending) override {
        storedCounts = {initial, amending};
    }
    void showNotice(const QString& text, bool importOffered) override {
        notice = text;
        noticeShown = true;
        linkShown = importOffered;
    }
    void setNoticeText(const QString& text) override { notice = text; }
    void hideNotice() override { noticeShown = linkShown = false; }
    WaitWindowHooks waitWindow() override {
        return {[this] { ++waitShown; }, [this] { ++waitHidden; }};
    }
    void showImportProgress(int handled, int total) override {
        importProgress << qMakePair(handled, total);
    }
    void showImportOutcome(const ImportOutcome& shown) override { outcome = shown; }

    bool representative = false;
    QList<int> progress;
    QPair<int, int> platformCounts{-1, -1};
    QPair<int, int> storedCounts{-1, -1};
    QString notice;
    bool noticeShown = false;
    bool linkShown = false;
    int waitShown = 0;
    int waitHidden = 0;
    QList<QPair<int, int>> importProgress;
    ImportOutcome outcome;
};
