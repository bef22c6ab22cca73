#pragma once
// The real browser: Debian's Chromium driven through chromedriver with the W3C WebDriver
// protocol. Each opened browser is a WebDriver session with a fresh profile of its own;
// every window of those sessions is listed, including windows the operator opened in
// them. GetDocument only asks whether the window has a document; the page is read as one
// snapshot (see PageSnapshot) when the document is first used. Writes act on the live
// page and are carried into the snapshot.
//
// Chromium runs headless when the setting "BrowserHeadless" is "1", when the environment
// variable LETHORA_HEADLESS_BROWSER is "1", or when there is no display.

#include "portal/ChromeDriverProcess.h"
#include "portal/DomBrowser.h"
#include "portal/WebDriverClient.h"

#include <QHash>
#include <QJsonArray>
#include <memory>

class PageSnapshot;

class WebDriverBrowser : public DomBrowser {
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
    void SetOuterHtml(const PageElement& element, const QString& html) override;
    void SetAttribute(const PageElement& element, const QString& name,
                      const QString& value) override;
    void SetInputValue(const PageElement& element, const QString& text) override;
    void Click(const PageElement& element) override;
    void Submit(const PageElement& form) override;

    // Ends every session and the driver.
    void shutDown();

protected:
    QString renderedText(DomTree& tree, int node) override;
    void load(DomDocument& document) override;

private:
    struct Session;
    struct Window;
    struct PendingDocument;

    Window& windowOf(const BrowserWindow& window) const;
    Window* findOpen(WindowHandle handle) const;
    // Makes the window the session's current one; false when the window is gone.
    bool switchTo(Window& window, bool force = false);
    QString sessionPath(const Session& session, const QString& command) const;
    QJsonValue execute(Window& window, const QString& script, const QJsonArray& args,
                       int timeoutMs);
    // Runs a write script on the element's live page; gives its answer.
    QJsonObject write(const PageElement& element, const QString& script,
                      const QJsonValue& argument = QJsonValue());
    void forget(Window& window);
    void endSession(Session& session);
    void ensureDriver();

    ChromeDriverProcess m_driver;
    WebDriverClient m_client;
    QList<std::shared_ptr<Session>> m_sessions;
    QList<std::shared_ptr<Window>> m_windows;
    WindowHandle m_nextHandle = 1;
};
