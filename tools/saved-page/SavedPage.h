#pragma once
// A page saved from the platform (an HTML file) opened for the tools that read it with
// the import's own readers: in the real headless browser from its file address, or in
// the scripted browser of the tests. While it is open its browser is the provider in use.

#include "portal/BrowserOps.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class ScriptedPage;
class ToolCommandLine;
class SnapshotBrowser;

class SavedPage {
public:
    // Reads the file; raises AppError for a file that is not a regular one (a device or a
    // pipe may never end), one far too large for a page, or one that cannot be read.
    explicit SavedPage(const QString& path);
    ~SavedPage();
    SavedPage(const SavedPage&) = delete;
    SavedPage& operator=(const SavedPage&) = delete;

    // Shows the page in a browser and waits for its document; raises AppError when the
    // page does not load.
    void open(bool scripted);
    BrowserWindow window() const { return m_window; }
    PageDocument document() const { return m_document; }
    // Raises AppError when the page has sent the browser to another address.
    void requireStillShown();

private:
    QString m_path;
    QString m_html;
    QTemporaryDir m_home;
    std::unique_ptr<ScriptedPage> m_scripted;
    std::unique_ptr<SnapshotBrowser> m_chromium;
    BrowserWindow m_window;
    PageDocument m_document;
};

// Writes the line and a line feed to standard output, in UTF-8.
void printLine(const QString& line);

// The option that opens the page in the scripted browser instead of Chromium.
inline const QString kScripted = QStringLiteral("scripted");
// Declares the page's file (the first argument) and --scripted on a tool's command line.
void addSavedPageArguments(ToolCommandLine& line);
