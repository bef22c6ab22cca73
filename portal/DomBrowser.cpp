#include "portal/DomBrowser.h"
#include "common/ErrorReport.h"

namespace {
// A collection as the page's own collections are: live. It looks at the tree again
// whenever the tree's structure has changed since it last looked.
class DomCollection : public BrowserObject {
public:
    enum class Query { Descendants, Rows, Cells };

    DomCollection(std::shared_ptr<DomTree> itemsTree, Query query, int root,
                  QString tag = QString())
        : tree(std::move(itemsTree)), m_query(query), m_root(root), m_tag(std::move(tag)) {}

    const QList<int>& items() {
        if (m_generation != tree->generation) {
            switch (m_query) {
            case Query::Descendants:
                m_items = tree->descendants(m_root, m_tag);
                break;
            case Query::Rows:
                m_items = tree->rows(m_root);
                break;
            case Query::Cells:
                m_items = tree->cells(m_root);
                break;
            }
            m_generation = tree->generation;
        }
        return m_items;
    }

    std::shared_ptr<DomTree> tree;

private:
    Query m_query;
    int m_root;
    QString m_tag;
    QList<int> m_items;
    int m_generation = -1;
};

DomCollection& collectionOf(const ElementCollection& collection) {
    auto* found = dynamic_cast<DomCollection*>(collection.object.get());
    if (!found)
        throw AppError(QStringLiteral("Η συλλογή στοιχείων της σελίδας δεν υπάρχει."));
    return *found;
}

ElementCollection makeCollection(const std::shared_ptr<DomTree>& tree, DomCollection::Query query,
                                 int root, const QString& tag = QString()) {
    return {std::make_shared<DomCollection>(tree, query, root, tag)};
}

std::shared_ptr<DomTree> sharedTree(const PageElement& element) {
    DomBrowser::resolve(element);
    return std::static_pointer_cast<DomTree>(element.object);
}
} // namespace

std::pair<DomTree*, int> DomBrowser::resolve(const PageElement& element) {
    auto* tree = dynamic_cast<DomTree*>(element.object.get());
    if (!tree || element.node < 0 || element.node >= tree->nodes.size())
        throw AppError(QStringLiteral("Το στοιχείο της σελίδας δεν υπάρχει."));
    return {tree, element.node};
}

DomDocument& DomBrowser::documentOf(const PageDocument& document) {
    auto* found = dynamic_cast<DomDocument*>(document.object.get());
    if (!found)
        throw AppError(QStringLiteral("Η σελίδα δεν έχει έγγραφο."));
    if (!found->tree)
        load(*found);
    return *found;
}

void DomBrowser::load(DomDocument&) {
    throw AppError(QStringLiteral("Η σελίδα δεν έχει έγγραφο."));
}

PageElement DomBrowser::GetBody(const PageDocument& document) {
    DomDocument& doc = documentOf(document);
    return {doc.tree, doc.tree->body(doc.root)};
}

ElementCollection DomBrowser::GetAllElements(const PageDocument& document) {
    DomDocument& doc = documentOf(document);
    return makeCollection(doc.tree, DomCollection::Query::Descendants, doc.root);
}

QList<PageDocument> DomBrowser::GetFrames(const PageDocument& document) {
    DomDocument& doc = documentOf(document);
    QList<PageDocument> frames;
    for (const int frame : doc.tree->frames(doc.root)) {
        const int root = doc.tree->nodes.at(frame).frameLink;
        frames.append(root < 0 ? PageDocument{}
                               : PageDocument{std::make_shared<DomDocument>(doc.tree, root)});
    }
    return frames;
}

PageElement DomBrowser::GetElementById(const PageDocument& document, const QString& id) {
    DomDocument& doc = documentOf(document);
    const int node = doc.tree->elementById(doc.root, id);
    return node < 0 ? PageElement{} : PageElement{doc.tree, node};
}

ElementCollection DomBrowser::GetElementsByTagName(const PageElement& element,
                                                   const QString& tagName) {
    return makeCollection(sharedTree(element), DomCollection::Query::Descendants, element.node,
                          tagName.toLower());
}

int DomBrowser::Count(const ElementCollection& collection) {
    return int(collectionOf(collection).items().size());
}

PageElement DomBrowser::Item(const ElementCollection& collection, int index) {
    DomCollection& items = collectionOf(collection);
    if (index < 0 || index >= items.items().size())
        throw AppError(
            QStringLiteral("Η συλλογή των %1 στοιχείων της σελίδας δεν έχει στοιχείο %2.")
                .arg(items.items().size())
                .arg(index));
    return {items.tree, items.items().at(index)};
}

QString DomBrowser::GetId(const PageElement& element) {
    return GetAttribute(element, QStringLiteral("id"));
}

QString DomBrowser::GetClassName(const PageElement& element) {
    return GetAttribute(element, QStringLiteral("class"));
}

QString DomBrowser::GetAttribute(const PageElement& element, const QString& name) {
    const auto [tree, node] = resolve(element);
    return tree->attribute(node, name);
}

QString DomBrowser::GetInnerHtml(const PageElement& element) {
    const auto [tree, node] = resolve(element);
    return tree->innerHtml(node);
}

QString DomBrowser::GetOuterHtml(const PageElement& element) {
    const auto [tree, node] = resolve(element);
    return tree->outerHtml(node);
}

QString DomBrowser::GetOuterText(const PageElement& element) {
    const auto [tree, node] = resolve(element);
    return renderedText(*tree, node);
}

QString DomBrowser::GetInputValue(const PageElement& element) {
    const auto [tree, node] = resolve(element);
    return tree->nodes.at(node).value;
}

ElementCollection DomBrowser::GetRows(const PageElement& table) {
    return makeCollection(sharedTree(table), DomCollection::Query::Rows, table.node);
}

ElementCollection DomBrowser::GetCells(const PageElement& row) {
    return makeCollection(sharedTree(row), DomCollection::Query::Cells, row.node);
}
