#pragma once
// A browser inside the process for tests: its pages come from a PageSource (the fake
// platform), are parsed into a DomTree and changed in place. Each opened browser is a
// profile of its own with its own cookies; its windows are listed in the order they
// were opened. Loading takes 200 ms on the application's clock, so a page appears
// only after the portal logic has waited for it; the same goes for a close request.

#include "portal/DomBrowser.h"
#include "portal/PageSource.h"

#include <QRect>
#include <QStringList>
#include <optional>

class RenderedText;

class ScriptedBrowser : public DomBrowser {
public:
    explicit ScriptedBrowser(PageSource& source);
    ~ScriptedBrowser() override;

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

    // What tests look at and do besides the operations.
    struct WindowState {
        bool open = false;
        bool visible = false;
        QRect bounds;
    };
    WindowState state(WindowHandle handle) const;
    // A window that the operator opens by hand in the browser of another window.
    BrowserWindow openWindowByHand(const BrowserWindow& sameBrowserAs, const QString& address);
    // The handles brought to the front, oldest first.
    QList<WindowHandle> broughtToFront() const { return m_broughtToFront; }
    // Every write to a page ("SetInputValue username", "Click", "Submit", "SetOuterHtml"),
    // in order.
    QStringList writes() const { return m_writes; }

protected:
    QString renderedText(DomTree& tree, int node) override;

private:
    struct Profile;
    struct Window;
    class Page;

    Window& windowOf(const BrowserWindow& window) const;
    Window* findOpen(WindowHandle handle) const;
    std::shared_ptr<Window> newWindow(const std::shared_ptr<Profile>& profile);
    // Commits loads and closes that are due.
    void settle();
    void startLoad(Window& window, PageRequest request);
    void commitLoad(Window& window, PageRequest request);
    PageAnswer fetch(const std::shared_ptr<Profile>& profile, PageRequest& request);
    void loadFrames(Page& page, int document, const std::shared_ptr<Profile>& profile, int depth);
    std::pair<Page*, int> livePage(const PageElement& element, const char* write);
    void submitForm(Page& page, int form, int submitter);
    // Loads the request in the page's window, or in a new one for a target that names
    // another window.
    void follow(Page& page, const PageRequest& request, const QString& target);

    PageSource& m_source;
    QList<std::shared_ptr<Window>> m_windows;
    WindowHandle m_nextHandle = 1001;
    QList<WindowHandle> m_broughtToFront;
    QStringList m_writes;
};
