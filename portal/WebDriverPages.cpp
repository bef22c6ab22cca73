// The WebDriver browser's pages: whether a window has a document, the snapshot taken when
// it is first read, long texts asked for later, and the writes to the live page.

#include "portal/PageSnapshot.h"
#include "portal/RenderedText.h"
#include "portal/WebDriverState.h"

using namespace WebDriverState;

PageDocument WebDriverBrowser::GetDocument(const BrowserWindow& window) {
    Window& w = windowOf(window);
    if (w.session->isQuiet())
        return {};
    QJsonObject answer;
    try {
        answer = parseAnswer(execute(w, PageSnapshots::readinessScript(), {}, kQuestionTimeoutMs));
    } catch (const WebDriverError& error) {
        // A page between two documents, or one busy with a script of its own, has none for
        // the moment.
        if (meansWindowGone(error))
            forget(w);
        else if (meansNoAnswer(error))
            w.session->hush();
        return {};
    } catch (const AppError&) {
        return {}; // the window has gone
    }
    if (answer.value(QStringLiteral("ready")).toString() == QLatin1String("loading") ||
        isBlank(answer.value(QStringLiteral("url")).toString()))
        return {};
    // Read when first used: a window pass only asks whether there is a document.
    return {std::make_shared<PendingDocument>(window.object)};
}

void WebDriverBrowser::load(DomDocument& document) {
    auto* pending = dynamic_cast<PendingDocument*>(&document);
    const std::shared_ptr<BrowserObject> owner = pending ? pending->window.lock() : nullptr;
    auto* window = dynamic_cast<Window*>(owner.get());
    if (!window || !window->open)
        throw windowGone();
    auto snapshot = std::make_shared<PageSnapshot>();
    snapshot->hasBrowserTexts = true;
    snapshot->window = owner;
    const QJsonObject answer =
        parseAnswer(execute(*window, PageSnapshots::snapshotScript(), {}, kReadTimeoutMs));
    snapshot->pageMark = answer.value(QStringLiteral("mark")).toString();
    QList<int> roots = PageSnapshots::appendNodes(*snapshot, answer);
    // The window went on to a page still loading: a document with nothing in it.
    if (roots.isEmpty()) {
        DomNode empty;
        empty.kind = DomNode::Kind::Document;
        roots.append(snapshot->add(empty));
    }
    document.tree = snapshot;
    document.root = roots.first();
}

QJsonObject WebDriverBrowser::write(const PageElement& element, const QString& script,
                                    const QJsonValue& argument) {
    const auto [tree, node] = resolve(element);
    auto* snapshot = dynamic_cast<PageSnapshot*>(tree);
    const std::shared_ptr<BrowserObject> owner = snapshot ? snapshot->window.lock() : nullptr;
    auto* window = dynamic_cast<Window*>(owner.get());
    if (!window || !window->open)
        throw windowGone();
    if (!tree->isConnected(node))
        return {{QStringLiteral("status"), QStringLiteral("detached")}};
    const QJsonArray args = {PageSnapshots::pathOf(*tree, node), snapshot->pageMark, argument};
    const QJsonObject answer = parseAnswer(execute(*window, script, args, kWriteTimeoutMs));
    const QString status = answer.value(QStringLiteral("status")).toString();
    if (status == QLatin1String("changed"))
        throw AppError(QStringLiteral("Η σελίδα του στοιχείου δεν εμφανίζεται πια στο παράθυρο."));
    if (status == QLatin1String("gone"))
        throw AppError(QStringLiteral("Το στοιχείο δεν υπάρχει πια στη σελίδα."));
    return answer;
}

void WebDriverBrowser::SetOuterHtml(const PageElement& element, const QString& html) {
    const QJsonObject answer = write(element, PageSnapshots::setOuterHtmlScript(), html);
    const QString status = answer.value(QStringLiteral("status")).toString();
    if (status == QLatin1String("no parent"))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν μπορεί να αντικατασταθεί."));
    if (status != QLatin1String("ok"))
        return;
    const auto [tree, node] = resolve(element);
    tree->replace(node, PageSnapshots::appendNodes(*tree, answer));
}

void WebDriverBrowser::SetAttribute(const PageElement& element, const QString& name,
                                    const QString& value) {
    const QJsonObject answer =
        write(element, PageSnapshots::setAttributeScript(), QJsonArray{name, value});
    const auto [tree, node] = resolve(element);
    if (answer.value(QStringLiteral("status")).toString() == QLatin1String("ok"))
        tree->setAttribute(node, name, value);
}

void WebDriverBrowser::SetInputValue(const PageElement& element, const QString& text) {
    const QJsonObject answer = write(element, PageSnapshots::setValueScript(), text);
    const QString status = answer.value(QStringLiteral("status")).toString();
    if (status == QLatin1String("not input"))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν είναι πεδίο εισαγωγής."));
    const auto [tree, node] = resolve(element);
    if (status == QLatin1String("ok"))
        tree->nodes[node].value = answer.value(QStringLiteral("value")).toString();
}

void WebDriverBrowser::Click(const PageElement& element) {
    write(element, PageSnapshots::clickScript());
}

void WebDriverBrowser::Submit(const PageElement& form) {
    if (write(form, PageSnapshots::submitScript()).value(QStringLiteral("status")).toString() ==
        QLatin1String("not form"))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν είναι φόρμα."));
}

QString WebDriverBrowser::renderedText(DomTree& tree, int node) {
    if (!tree.hasBrowserTexts)
        return tree.textContent(node);
    DomNode& n = tree.nodes[node];
    if (n.renderedTextDeferred) {
        // Asked of the live page while it shows the snapshot's document; otherwise worked
        // out from the snapshot as the scripted browser does.
        const std::shared_ptr<DomTree> shared(std::shared_ptr<DomTree>{}, &tree);
        QJsonObject answer;
        try {
            answer = write(PageElement{shared, node}, PageSnapshots::textScript());
        } catch (const WebDriverError& error) {
            if (error.error == QLatin1String("no answer"))
                throw;
        } catch (const AppError&) {
        }
        n.renderedText = answer.value(QStringLiteral("status")).toString() == QLatin1String("ok")
                             ? answer.value(QStringLiteral("text")).toString()
                             : RenderedText(tree).innerText(node);
        n.renderedTextDeferred = false;
    }
    return n.renderedText;
}
