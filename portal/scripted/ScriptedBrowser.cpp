#include "portal/scripted/ScriptedBrowser.h"
#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "portal/FormSubmission.h"
#include "portal/RenderedText.h"
#include "portal/scripted/HtmlParser.h"

#include <QHash>

struct ScriptedBrowser::Profile {
    // Cookies per host.
    QHash<QString, QMap<QString, QString>> cookies;
};

struct ScriptedBrowser::Window : BrowserObject, std::enable_shared_from_this<Window> {
    WindowHandle handle = 0;
    std::shared_ptr<Profile> profile;
    bool open = true;
    bool visible = false;
    QRect bounds;
    QUrl url;
    std::shared_ptr<Page> page;
    std::optional<PageRequest> pending;
    qint64 loadAt = 0;
    qint64 closeAt = -1;
};

class ScriptedBrowser::Page : public DomTree {
public:
    std::weak_ptr<Window> window;
    int document = -1;
    // The address of each document of the page (the page's and its frames').
    QHash<int, QUrl> addresses;
    mutable std::unique_ptr<RenderedText> texts;
    mutable int textsGeneration = -1;
};

namespace {
const int kMaxRedirects = 10;
const int kMaxFrameDepth = 3;
const int kLoadDelayMs = 200;
const int kCloseDelayMs = 50;

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool opensNewWindow(const QString& target) {
    const QString t = target.trimmed().toLower();
    return !t.isEmpty() && t != QLatin1String("_self") && t != QLatin1String("_top") &&
           t != QLatin1String("_parent");
}

AppError windowGone() {
    return AppError(QStringLiteral("Το παράθυρο του φυλλομετρητή έχει κλείσει."));
}
} // namespace

ScriptedBrowser::ScriptedBrowser(PageSource& source) : m_source(source) {}

ScriptedBrowser::~ScriptedBrowser() = default;

ScriptedBrowser::Window& ScriptedBrowser::windowOf(const BrowserWindow& window) const {
    auto* found = dynamic_cast<Window*>(window.object.get());
    if (!found)
        throw AppError(QStringLiteral("Το παράθυρο του φυλλομετρητή δεν υπάρχει."));
    return *found;
}

ScriptedBrowser::Window* ScriptedBrowser::findOpen(WindowHandle handle) const {
    for (const auto& window : m_windows)
        if (window->handle == handle && window->open)
            return window.get();
    return nullptr;
}

std::shared_ptr<ScriptedBrowser::Window>
ScriptedBrowser::newWindow(const std::shared_ptr<Profile>& profile) {
    auto window = std::make_shared<Window>();
    window->handle = m_nextHandle++;
    window->profile = profile;
    m_windows.append(window);
    return window;
}

void ScriptedBrowser::settle() {
    const qint64 now = appClock().nowMs();
    const auto windows = m_windows;
    for (const auto& window : windows) {
        if (window->open && window->closeAt >= 0 && now >= window->closeAt)
            window->open = false;
        if (window->open && window->pending && now >= window->loadAt) {
            PageRequest request = *window->pending;
            window->pending.reset();
            commitLoad(*window, request);
        }
    }
}

void ScriptedBrowser::startLoad(Window& window, PageRequest request) {
    window.pending = std::move(request);
    window.loadAt = appClock().nowMs() + kLoadDelayMs;
}

PageAnswer ScriptedBrowser::fetch(const std::shared_ptr<Profile>& profile, PageRequest& request) {
    for (int hop = 0;; ++hop) {
        const QString host = request.url.host();
        request.cookies = profile->cookies.value(host);
        const PageAnswer answer = m_source.answer(request);
        for (auto it = answer.setCookies.cbegin(); it != answer.setCookies.cend(); ++it)
            profile->cookies[host].insert(it.key(), it.value());
        if (!isRedirect(answer.status) || hop == kMaxRedirects)
            return answer;
        const bool keepsMethod = answer.status == 307 || answer.status == 308;
        PageRequest next;
        next.url = request.url.resolved(answer.location);
        if (keepsMethod) {
            next.method = request.method;
            next.fields = request.fields;
        }
        request = next;
    }
}

void ScriptedBrowser::commitLoad(Window& window, PageRequest request) {
    const PageAnswer answer = fetch(window.profile, request);
    auto page = std::make_shared<Page>();
    page->window = window.shared_from_this();
    page->document = HtmlParser::parseDocument(*page, answer.html);
    page->addresses.insert(page->document, request.url);
    loadFrames(*page, page->document, window.profile, 1);
    window.page = page;
    window.url = request.url;
}

void ScriptedBrowser::loadFrames(Page& page, int document, const std::shared_ptr<Profile>& profile,
                                 int depth) {
    const QUrl base = page.addresses.value(document);
    for (const int frame : page.frames(document)) {
        const QString source = page.attribute(frame, QStringLiteral("src")).trimmed();
        QString html;
        QUrl address(QStringLiteral("about:blank"));
        if (!source.isEmpty()) {
            address = base.resolved(QUrl(source));
            // A frame from another site keeps its document to itself.
            if (address.host() != base.host() || address.port() != base.port() ||
                depth > kMaxFrameDepth)
                continue;
            PageRequest request;
            request.url = address;
            html = fetch(profile, request).html;
            address = request.url;
        }
        const int frameDocument = HtmlParser::parseDocument(page, html);
        page.nodes[frame].frameLink = frameDocument;
        page.nodes[frameDocument].frameLink = frame;
        page.addresses.insert(frameDocument, address);
        loadFrames(page, frameDocument, profile, depth + 1);
    }
}

QList<BrowserWindow> ScriptedBrowser::ListBrowserWindows() {
    settle();
    QList<BrowserWindow> open;
    for (const auto& window : m_windows)
        if (window->open)
            open.append({window});
    return open;
}

QString ScriptedBrowser::GetLocationUrl(const BrowserWindow& window) {
    settle();
    const Window& w = windowOf(window);
    return w.open ? w.url.toString(QUrl::FullyEncoded) : QString();
}

PageDocument ScriptedBrowser::GetDocument(const BrowserWindow& window) {
    settle();
    const Window& w = windowOf(window);
    if (!w.open || !w.page)
        return {};
    return {std::make_shared<DomDocument>(w.page, w.page->document)};
}

WindowHandle ScriptedBrowser::GetWindowHandle(const BrowserWindow& window) {
    return windowOf(window).handle;
}

void ScriptedBrowser::QuitBrowser(const BrowserWindow& window) {
    settle();
    Window& w = windowOf(window);
    if (!w.open)
        throw windowGone();
    w.open = false;
}

BrowserWindow ScriptedBrowser::OpenBrowser() {
    return {newWindow(std::make_shared<Profile>())};
}

void ScriptedBrowser::SetBrowserBounds(const BrowserWindow& window, int left, int top, int width,
                                       int height) {
    Window& w = windowOf(window);
    if (!w.open)
        throw windowGone();
    w.bounds = QRect(left, top, width, height);
}

void ScriptedBrowser::SetBrowserVisible(const BrowserWindow& window, bool visible) {
    Window& w = windowOf(window);
    if (!w.open)
        throw windowGone();
    w.visible = visible;
}

void ScriptedBrowser::NavigateTo(const BrowserWindow& window, const QString& address) {
    Window& w = windowOf(window);
    if (!w.open)
        throw windowGone();
    PageRequest request;
    request.url = QUrl(address);
    startLoad(w, request);
}

void ScriptedBrowser::BringToFront(WindowHandle handle) {
    if (findOpen(handle))
        m_broughtToFront.append(handle);
}

void ScriptedBrowser::RequestWindowClose(WindowHandle handle) {
    if (Window* window = findOpen(handle))
        window->closeAt = appClock().nowMs() + kCloseDelayMs;
}

std::pair<ScriptedBrowser::Page*, int> ScriptedBrowser::livePage(const PageElement& element,
                                                                 const char* write) {
    const auto [tree, node] = resolve(element);
    auto* page = dynamic_cast<Page*>(tree);
    const std::shared_ptr<Window> window = page ? page->window.lock() : nullptr;
    if (!window || !window->open)
        throw windowGone();
    if (window->page.get() != page)
        throw AppError(QStringLiteral("Η σελίδα του στοιχείου δεν εμφανίζεται πια στο παράθυρο."));
    m_writes.append(QString::fromLatin1(write));
    return {page, node};
}

void ScriptedBrowser::SetOuterHtml(const PageElement& element, const QString& html) {
    const auto [page, node] = livePage(element, "SetOuterHtml");
    const int parent = page->nodes.at(node).parent;
    if (parent < 0)
        return;
    if (!page->isElement(parent))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν μπορεί να αντικατασταθεί."));
    page->replace(node, HtmlParser::parseFragment(*page, html, page->nodes.at(parent).name));
}

void ScriptedBrowser::SetAttribute(const PageElement& element, const QString& name,
                                   const QString& value) {
    const auto [page, node] = livePage(element, "SetAttribute");
    m_writes.last() += QLatin1Char(' ') + name;
    page->setAttribute(node, name, value);
}

void ScriptedBrowser::SetInputValue(const PageElement& element, const QString& text) {
    const auto [page, node] = livePage(element, "SetInputValue");
    static const QStringList controls = {QStringLiteral("input"), QStringLiteral("textarea"),
                                         QStringLiteral("select")};
    if (!controls.contains(page->nodes.at(node).name))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν είναι πεδίο εισαγωγής."));
    m_writes.last() += QLatin1Char(' ') + page->attribute(node, QStringLiteral("id"));
    page->nodes[node].value = text;
}

void ScriptedBrowser::Click(const PageElement& element) {
    const auto [page, node] = livePage(element, "Click");
    if (!page->isConnected(node))
        return;
    if (FormSubmissions::isSubmitButton(*page, node)) {
        const int form = page->formOf(node);
        if (form >= 0)
            submitForm(*page, form, node);
        return;
    }
    for (int link = node; link >= 0; link = page->nodes.at(link).parent)
        if (page->isTag(link, QStringLiteral("a")) &&
            page->hasAttribute(link, QStringLiteral("href"))) {
            PageRequest request;
            request.url =
                page->addresses.value(page->documentOf(link))
                    .resolved(QUrl(page->attribute(link, QStringLiteral("href")).trimmed()));
            follow(*page, request, page->attribute(link, QStringLiteral("target")));
            return;
        }
}

void ScriptedBrowser::Submit(const PageElement& form) {
    const auto [page, node] = livePage(form, "Submit");
    if (!page->isTag(node, QStringLiteral("form")))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν είναι φόρμα."));
    if (page->isConnected(node))
        submitForm(*page, node, FormSubmissions::firstSubmitButton(*page, node));
}

void ScriptedBrowser::submitForm(Page& page, int form, int submitter) {
    const FormSubmission submission =
        FormSubmissions::build(page, form, submitter, page.addresses.value(page.documentOf(form)));
    follow(page, submission.request, submission.target);
}

void ScriptedBrowser::follow(Page& page, const PageRequest& request, const QString& target) {
    const std::shared_ptr<Window> window = page.window.lock();
    if (opensNewWindow(target)) {
        auto opened = newWindow(window->profile);
        opened->visible = true;
        startLoad(*opened, request);
    } else {
        startLoad(*window, request);
    }
}

ScriptedBrowser::WindowState ScriptedBrowser::state(WindowHandle handle) const {
    for (const auto& window : m_windows)
        if (window->handle == handle)
            return {window->open, window->visible, window->bounds};
    return {};
}

BrowserWindow ScriptedBrowser::openWindowByHand(const BrowserWindow& sameBrowserAs,
                                                const QString& address) {
    auto window = newWindow(windowOf(sameBrowserAs).profile);
    window->visible = true;
    PageRequest request;
    request.url = QUrl(address);
    startLoad(*window, request);
    return {window};
}

QString ScriptedBrowser::renderedText(DomTree& tree, int node) {
    const auto* page = dynamic_cast<const Page*>(&tree);
    if (!page)
        return tree.textContent(node);
    if (!page->texts || page->textsGeneration != page->generation) {
        page->texts = std::make_unique<RenderedText>(*page);
        page->textsGeneration = page->generation;
    }
    return page->texts->innerText(node);
}
