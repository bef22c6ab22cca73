#pragma once
// The document and element operations, read from a DomTree; shared by both browsers.
// A provider hands out documents as DomDocument and elements as (tree, node); it says
// how rendered text is had and carries out the window operations and the writes.

#include "portal/BrowserOps.h"
#include "portal/DomTree.h"

#include <memory>

class DomDocument : public BrowserObject {
public:
    DomDocument(std::shared_ptr<DomTree> documentTree, int documentRoot)
        : tree(std::move(documentTree)), root(documentRoot) {}
    // None until the document is first read, when its provider reads pages lazily.
    std::shared_ptr<DomTree> tree;
    int root;
};

class DomBrowser : public BrowserOps {
public:
    PageElement GetBody(const PageDocument& document) override;
    ElementCollection GetAllElements(const PageDocument& document) override;
    QList<PageDocument> GetFrames(const PageDocument& document) override;
    PageElement GetElementById(const PageDocument& document, const QString& id) override;
    ElementCollection GetElementsByTagName(const PageElement& element,
                                           const QString& tagName) override;
    int Count(const ElementCollection& collection) override;
    PageElement Item(const ElementCollection& collection, int index) override;
    QString GetId(const PageElement& element) override;
    QString GetClassName(const PageElement& element) override;
    QString GetAttribute(const PageElement& element, const QString& name) override;
    QString GetInnerHtml(const PageElement& element) override;
    QString GetOuterHtml(const PageElement& element) override;
    QString GetOuterText(const PageElement& element) override;
    QString GetInputValue(const PageElement& element) override;
    ElementCollection GetRows(const PageElement& table) override;
    ElementCollection GetCells(const PageElement& row) override;

    // The tree and node behind a handle; raises AppError for none.
    static std::pair<DomTree*, int> resolve(const PageElement& element);

protected:
    // The document behind a handle, read if it was not yet; raises AppError for none.
    DomDocument& documentOf(const PageDocument& document);
    // Reads a document whose tree is still none.
    virtual void load(DomDocument& document);
    // The element's rendered text.
    virtual QString renderedText(DomTree& tree, int node) = 0;
};
