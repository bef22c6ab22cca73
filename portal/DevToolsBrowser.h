#pragma once
// The real browser driven over the Chrome DevTools protocol: the Chromium, Google Chrome
// or Microsoft Edge already installed (see BrowserProgram), started by this program with
// its debugging pipe (no driver, no network port), a fresh profile folder, and the guard
// that ends it with this program (see GuardedProcess).
//
// Each opened browser is a browser context of its own (its cookies apart, so one owner's
// sign-on never reaches the next owner's) with one window to begin with. Windows are the
// page targets of those contexts: the browser reports every page created or destroyed as
// it happens, so a window that a page opens (a form with target="_blank") is listed at
// once, and every page is attached with a flattened session of its own, held still until
// its dialogs are answered (every alert and confirmation is accepted at once) and its
// scripts can be run. Addresses come with the browser's reports; GetDocument asks whether
// the page has a document, and the page is read as one snapshot when it is first used
// (see SnapshotBrowser). Every command has its own time limit; a page that did not answer
// a question in time counts as showing nothing until the answer comes.

#include "portal/DevToolsConnection.h"
#include "portal/SnapshotBrowser.h"

#include <QSet>
#include <QStringList>
#include <memory>

class DevToolsBrowser : public SnapshotBrowser {
public:
    DevToolsBrowser();
    ~DevToolsBrowser() override;

    QList<BrowserWindow> ListBrowserWindows() override;
    QString GetLocationUrl(const BrowserWindow& window) override;
    PageDocument GetDocument(const BrowserWindow& window) override;
    WindowHandle GetWindowHandle(const BrowserWindow& window) override;
    void QuitBrowser(const BrowserWindow& window) override;
    BrowserWindow OpenBrowser() override;
    void SetBrowserBounds(const BrowserWindow& window, int left, int top, int width,
                          int height) override;
    void SetBrowserVisible(const BrowserWindow& window, bool visible) override;
    void NavigateTo(const BrowserWindow& window, const QString& address) override;
    void BringToFront(WindowHandle handle) override;
    void RequestWindowClose(WindowHandle handle) override;

    // Ends the browser and removes its profile.
    void shutDown() override;

protected:
    QJsonValue runPageScript(BrowserObject& window, const QString& script, const QJsonArray& args,
                             int timeoutMs) override;
    bool isOpen(const BrowserObject& window) const override;
    bool meansNoAnswer(const AppError& error) const override;

private:
    struct Window;

    void ensureBrowser();
    void onEvent(const QString& method, const QJsonObject& params, const QString& session);
    // The window of a page target of the opened browsers, made at its first report; none
    // for a page of no opened browser.
    std::shared_ptr<Window> track(const QJsonObject& targetInfo);
    Window* byTarget(const QString& target) const;
    Window* bySession(const QString& session) const;
    Window& windowOf(const BrowserWindow& window) const;
    Window* findOpen(WindowHandle handle) const;
    // The window's page session, waited for while the page is being attached.
    QString sessionOf(Window& window);
    void forget(Window& window);
    // Closes the window, and its browser's context with its last window; waits for the
    // browser's answer or not.
    void close(Window& window, bool wait);
    QJsonValue evaluate(Window& window, const QString& script, int timeoutMs);
    void placeWindow(Window& window, const QJsonObject& bounds);

    DevToolsConnection m_connection;
    QSet<QString> m_contexts;
    // Pages of the browser outside the opened browsers: the window it starts with.
    QStringList m_foreign;
    QList<std::shared_ptr<Window>> m_windows;
    WindowHandle m_nextHandle = 1;
};
