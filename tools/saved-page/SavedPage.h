#pragma once
// A page saved from the platform (an HTML file) opened for the tools that read it with
// the import's own readers: in the real headless Chromium from its file address, or in
// the scripted browser of the tests. While it is open its browser is the provider in use.
// The readers' messages go to standard error.

#include "common/Messages.h"
#include "portal/BrowserOps.h"

#include <QString>
#include <memory>

class ScriptedPage;
class WebDriverBrowser;

namespace SavedPages {
void printError(const QString& text);
// Writes the line and a line feed to standard output, in UTF-8.
void printLine(const QString& line);
} // namespace SavedPages

// Every message goes to standard error; questions are answered No.
class StandardErrorMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override { SavedPages::printError(text); }
    void showError(const QString& text) override { SavedPages::printError(text); }
    bool askYesNo(const QString& text) override {
        SavedPages::printError(text);
        return false;
    }
    bool askOkCancel(const QString& text) override { return askYesNo(text); }
};

class SavedPage {
public:
    // Reads the file; raises AppError when it cannot be read.
    explicit SavedPage(const QString& path);
    ~SavedPage();
    SavedPage(const SavedPage&) = delete;
    SavedPage& operator=(const SavedPage&) = delete;

    // Shows the page in a browser and waits for its document; raises AppError when the
    // page does not load.
    void open(bool scripted);
    BrowserWindow window() const { return m_window; }
    PageDocument document() const { return m_document; }

private:
    QString m_path;
    QString m_html;
    std::unique_ptr<ScriptedPage> m_scripted;
    std::unique_ptr<WebDriverBrowser> m_chromium;
    BrowserWindow m_window;
    PageDocument m_document;
};
