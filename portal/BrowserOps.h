#pragma once
// The browser and document operations that the portal logic needs of the platform's
// pages. The portal logic uses these operations and nothing else of the browser, so
// that it runs the same on the real browser and on the scripted one of the tests.
//
// Windows, documents, elements and collections are opaque handles that the provider
// hands out; a default-constructed handle is "none". A handle stays safe to use after
// its page has gone: it then reads what the page held. Every operation that fails
// raises AppError with a Greek text.

#include <QList>
#include <QString>
#include <memory>

// What a provider keeps behind a handle.
class BrowserObject {
public:
    virtual ~BrowserObject() = default;
};

struct BrowserWindow {
    std::shared_ptr<BrowserObject> object;
    explicit operator bool() const { return object != nullptr; }
    bool operator==(const BrowserWindow& other) const { return object == other.object; }
};

struct PageDocument {
    std::shared_ptr<BrowserObject> object;
    explicit operator bool() const { return object != nullptr; }
};

struct PageElement {
    std::shared_ptr<BrowserObject> object;
    int node = -1;
    explicit operator bool() const { return object != nullptr && node >= 0; }
    bool operator==(const PageElement& other) const {
        return object == other.object && node == other.node;
    }
};

struct ElementCollection {
    std::shared_ptr<BrowserObject> object;
    explicit operator bool() const { return object != nullptr; }
};

// A window's top-level handle: a whole number that stays the same for the window's
// life and is never reused; 0 is no window.
using WindowHandle = qint64;

class BrowserOps {
public:
    virtual ~BrowserOps() = default;

    // Windows.
    // The open browser windows, in the provider's own order; a fresh list every call.
    virtual QList<BrowserWindow> ListBrowserWindows() = 0;
    // The address the window shows; empty when it shows none or is gone.
    virtual QString GetLocationUrl(const BrowserWindow& window) = 0;
    // The document of the page the window shows; none while it has none.
    virtual PageDocument GetDocument(const BrowserWindow& window) = 0;
    virtual WindowHandle GetWindowHandle(const BrowserWindow& window) = 0;
    virtual void QuitBrowser(const BrowserWindow& window) = 0;
    // A new browser window under the application's control, hidden until made visible.
    virtual BrowserWindow OpenBrowser() = 0;
    virtual void SetBrowserBounds(const BrowserWindow& window, int left, int top, int width,
                                  int height) = 0;
    virtual void SetBrowserVisible(const BrowserWindow& window, bool visible) = 0;
    // Starts loading the address and returns at once.
    virtual void NavigateTo(const BrowserWindow& window, const QString& address) = 0;
    // Activates the window above the others, without moving or sizing it.
    virtual void BringToFront(WindowHandle handle) = 0;
    // Asks the window to close, as the user's closing would, and returns at once.
    virtual void RequestWindowClose(WindowHandle handle) = 0;

    // Documents.
    virtual PageElement GetBody(const PageDocument& document) = 0;
    // Every element of the document, in document order.
    virtual ElementCollection GetAllElements(const PageDocument& document) = 0;
    // The documents of the document's frames, frame 0 first; a frame whose document
    // cannot be reached is listed as none.
    virtual QList<PageDocument> GetFrames(const PageDocument& document) = 0;
    virtual PageElement GetElementById(const PageDocument& document, const QString& id) = 0;

    // Elements and collections.
    // The element's descendants with the tag (letter case ignored), in document order.
    virtual ElementCollection GetElementsByTagName(const PageElement& element,
                                                   const QString& tagName) = 0;
    virtual int Count(const ElementCollection& collection) = 0;
    // The item at the 0-based index; raises AppError outside the collection.
    virtual PageElement Item(const ElementCollection& collection, int index) = 0;
    virtual QString GetId(const PageElement& element) = 0;
    virtual QString GetClassName(const PageElement& element) = 0;
    // The attribute's value, empty when absent; the name's letter case is ignored.
    virtual QString GetAttribute(const PageElement& element, const QString& name) = 0;
    virtual QString GetInnerHtml(const PageElement& element) = 0;
    virtual QString GetOuterHtml(const PageElement& element) = 0;
    virtual void SetOuterHtml(const PageElement& element, const QString& html) = 0;
    // Sets the attribute on the element, adding it when absent; the name's letter case is
    // ignored.
    virtual void SetAttribute(const PageElement& element, const QString& name,
                              const QString& value) = 0;
    // The text as the page renders it (the browser's innerText).
    virtual QString GetOuterText(const PageElement& element) = 0;
    virtual QString GetInputValue(const PageElement& element) = 0;
    // Sets the value as if typed.
    virtual void SetInputValue(const PageElement& element, const QString& text) = 0;
    virtual void Click(const PageElement& element) = 0;
    // Submits the form with its first submit button, so the button's name and value go
    // with it.
    virtual void Submit(const PageElement& form) = 0;
    virtual ElementCollection GetRows(const PageElement& table) = 0;
    virtual ElementCollection GetCells(const PageElement& row) = 0;
};

// The provider in use. Without an installed one, the application's real browser is
// created at the first use and ended when the application quits.
BrowserOps& browserOps();
// Installs a provider (nullptr goes back to the application's own). The caller keeps
// ownership.
void setBrowserOps(BrowserOps* provider);
