// The real browsers' pages: the snapshot taken when a document is first read, long texts
// asked for later, and the writes to the live page.

#include "portal/SnapshotBrowser.h"
#include "portal/PageSnapshot.h"
#include "portal/RenderedText.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
// A document that is read when it is first used.
struct PendingDocument : DomDocument {
    explicit PendingDocument(std::shared_ptr<BrowserObject> shownBy)
        : DomDocument(nullptr, -1), window(std::move(shownBy)) {}
    std::weak_ptr<BrowserObject> window;
};
} // namespace

AppError BrowserAnswers::windowGone() {
    return AppError(QStringLiteral("Το παράθυρο του φυλλομετρητή έχει κλείσει."));
}

bool BrowserAnswers::isBlank(const QString& address) {
    return address.isEmpty() || address == QLatin1String("about:blank") ||
           address == QLatin1String("data:,");
}

QJsonObject BrowserAnswers::parse(const QJsonValue& value) {
    return QJsonDocument::fromJson(value.toString().toUtf8()).object();
}

PageDocument SnapshotBrowser::pendingDocument(const std::shared_ptr<BrowserObject>& window) {
    return {std::make_shared<PendingDocument>(window)};
}

void SnapshotBrowser::load(DomDocument& document) {
    auto* pending = dynamic_cast<PendingDocument*>(&document);
    const std::shared_ptr<BrowserObject> owner = pending ? pending->window.lock() : nullptr;
    if (!owner || !isOpen(*owner))
        throw BrowserAnswers::windowGone();
    auto snapshot = std::make_shared<PageSnapshot>();
    snapshot->hasBrowserTexts = true;
    snapshot->window = owner;
    const QJsonObject answer = BrowserAnswers::parse(
        runPageScript(*owner, PageSnapshots::snapshotScript(), {}, kReadTimeoutMs));
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

QJsonObject SnapshotBrowser::write(const PageElement& element, const QString& script,
                                   const QJsonValue& argument) {
    const auto [tree, node] = resolve(element);
    auto* snapshot = dynamic_cast<PageSnapshot*>(tree);
    const std::shared_ptr<BrowserObject> owner = snapshot ? snapshot->window.lock() : nullptr;
    if (!owner || !isOpen(*owner))
        throw BrowserAnswers::windowGone();
    if (!tree->isConnected(node))
        return {{QStringLiteral("status"), QStringLiteral("detached")}};
    const QJsonArray args = {PageSnapshots::pathOf(*tree, node), snapshot->pageMark, argument};
    const QJsonObject answer =
        BrowserAnswers::parse(runPageScript(*owner, script, args, kWriteTimeoutMs));
    const QString status = answer.value(QStringLiteral("status")).toString();
    if (status == QLatin1String("changed"))
        throw AppError(QStringLiteral("Η σελίδα του στοιχείου δεν εμφανίζεται πια στο παράθυρο."));
    if (status == QLatin1String("gone"))
        throw AppError(QStringLiteral("Το στοιχείο δεν υπάρχει πια στη σελίδα."));
    return answer;
}

void SnapshotBrowser::SetOuterHtml(const PageElement& element, const QString& html) {
    const QJsonObject answer = write(element, PageSnapshots::setOuterHtmlScript(), html);
    const QString status = answer.value(QStringLiteral("status")).toString();
    if (status == QLatin1String("no parent"))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν μπορεί να αντικατασταθεί."));
    if (status != QLatin1String("ok"))
        return;
    const auto [tree, node] = resolve(element);
    tree->replace(node, PageSnapshots::appendNodes(*tree, answer));
}

void SnapshotBrowser::SetAttribute(const PageElement& element, const QString& name,
                                   const QString& value) {
    const QJsonObject answer =
        write(element, PageSnapshots::setAttributeScript(), QJsonArray{name, value});
    const auto [tree, node] = resolve(element);
    if (answer.value(QStringLiteral("status")).toString() == QLatin1String("ok"))
        tree->setAttribute(node, name, value);
}

void SnapshotBrowser::SetInputValue(const PageElement& element, const QString& text) {
    const QJsonObject answer = write(element, PageSnapshots::setValueScript(), text);
    const QString status = answer.value(QStringLiteral("status")).toString();
    if (status == QLatin1String("not input"))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν είναι πεδίο εισαγωγής."));
    const auto [tree, node] = resolve(element);
    if (status == QLatin1String("ok"))
        tree->nodes[node].value = answer.value(QStringLiteral("value")).toString();
}

void SnapshotBrowser::Click(const PageElement& element) {
    write(element, PageSnapshots::clickScript());
}

void SnapshotBrowser::Submit(const PageElement& form) {
    if (write(form, PageSnapshots::submitScript()).value(QStringLiteral("status")).toString() ==
        QLatin1String("not form"))
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν είναι φόρμα."));
}

QString SnapshotBrowser::renderedText(DomTree& tree, int node) {
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
        } catch (const AppError& error) {
            if (meansNoAnswer(error))
                throw;
        }
        n.renderedText = answer.value(QStringLiteral("status")).toString() == QLatin1String("ok")
                             ? answer.value(QStringLiteral("text")).toString()
                             : RenderedText(tree).innerText(node);
        n.renderedTextDeferred = false;
    }
    return n.renderedText;
}
