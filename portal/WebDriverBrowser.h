#pragma once
// The real browser: Debian's Chromium driven through chromedriver with the W3C WebDriver
// protocol. Each opened browser is a WebDriver session with a fresh profile of its own;
// every window of those sessions is listed, including windows the operator opened in
// them. GetDocument only asks whether the window has a document; the page is read as one
// snapshot when the document is first used (see SnapshotBrowser).
// Chromium runs headless as BrowserProgram::headless says.

#include "portal/ChromeDriverProcess.h"
#include "portal/SnapshotBrowser.h"
#include "portal/WebDriverClient.h"

#include <QHash>
#include <QJsonArray>
#include <memory>

class WebDriverBrowser : public SnapshotBrowser {
public:
    WebDriverBrowser();
    ~WebDriverBrowser() override;

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

    // Ends every session and the driver.
    void shutDown() override;

protected:
    QJsonValue runPageScript(BrowserObject& window, const QString& script, const QJsonArray& args,
                             int timeoutMs) override;
    bool isOpen(const BrowserObject& window) const override;
    bool meansNoAnswer(const AppError& error) const override;

private:
    struct Session;
    struct Window;

    Window& windowOf(const BrowserWindow& window) const;
    Window* findOpen(WindowHandle handle) const;
    // Makes the window the session's current one; false when the window is gone.
    bool switchTo(Window& window, bool force = false);
    QString sessionPath(const Session& session, const QString& command) const;
    QJsonValue execute(Window& window, const QString& script, const QJsonArray& args,
                       int timeoutMs);
    void forget(Window& window);
    void endSession(Session& session);
    void ensureDriver();

    ChromeDriverProcess m_driver;
    WebDriverClient m_client;
    QList<std::shared_ptr<Session>> m_sessions;
    QList<std::shared_ptr<Window>> m_windows;
    WindowHandle m_nextHandle = 1;
};
