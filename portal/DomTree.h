#pragma once
// A page's document object model as both browsers hand it to the portal logic: a flat
// list of nodes (documents, elements, texts, comments) linked by index. The real
// browser fills it from one snapshot of the live page; the scripted browser parses its
// pages into it and changes it in place. Frames' documents live in the same tree, below
// their frame element.

#include "portal/BrowserOps.h"

#include <QList>
#include <QPair>
#include <QString>

struct DomNode {
    enum class Kind : quint8 { Document, Element, Text, Comment, Doctype };
    Kind kind = Kind::Element;
    int parent = -1;
    QList<int> children;
    // Elements: the tag name in lower case. Texts and comments: their text. Doctype: its
    // name.
    QString name;
    // In source order; names in lower case.
    QList<QPair<QString, QString>> attributes;
    // The current value of a form control.
    QString value;
    // Frame elements: the root of the frame's document, -1 when it cannot be reached.
    // A frame's document: its frame element. -1 otherwise.
    int frameLink = -1;
    // The rendered text as the browser gave it; only when the tree has browser texts.
    QString renderedText;
    // A long rendered text that the browser gives when it is asked for.
    bool renderedTextDeferred = false;
};

class DomTree : public BrowserObject {
public:
    QList<DomNode> nodes;
    // Set when renderedText comes from the browser; otherwise texts are computed.
    bool hasBrowserTexts = false;
    // Raised by every change of structure, so that live collections know to look again.
    int generation = 0;

    int add(DomNode node);
    void appendChild(int parent, int child);
    bool isElement(int node) const;
    bool isTag(int node, const QString& tag) const;
    QString attribute(int node, const QString& name) const;
    bool hasAttribute(int node, const QString& name) const;
    // Sets the attribute, replacing one of the same name in any letter case.
    void setAttribute(int node, const QString& name, const QString& value);

    // The document node that holds the node (its frame's document for frame content).
    int documentOf(int node) const;
    // Whether the node is still attached below a document.
    bool isConnected(int node) const;
    // Element descendants in document order, not entering frames; tag "" for all.
    QList<int> descendants(int root, const QString& tag = QString()) const;
    int body(int document) const;
    int elementById(int document, const QString& id) const;
    // Frame and iframe elements of the document, in document order.
    QList<int> frames(int document) const;
    // The table's rows as a browser orders them: head rows, body rows, foot rows; the
    // rows of nested tables are not among them.
    QList<int> rows(int table) const;
    QList<int> cells(int row) const;
    // The form that owns a control, -1 when none.
    int formOf(int control) const;
    // Element children of a node, in order.
    QList<int> elementChildren(int node) const;

    // HTML as a browser serialises it.
    QString outerHtml(int node) const;
    QString innerHtml(int node) const;
    // All text below a node, without markup.
    QString textContent(int node) const;

    // Replaces a node by others (already in the list, not yet attached).
    void replace(int node, const QList<int>& replacements);

private:
    bool serialiseOpening(int node, QString& out) const;
    void serialise(int node, QString& out) const;
    void serialiseChildren(int node, QString& out) const;
};
