#include "portal/DomTree.h"

#include <QSet>

namespace {
bool isVoidElement(const QString& tag) {
    static const QSet<QString> voids = {
        QStringLiteral("area"),    QStringLiteral("base"),  QStringLiteral("basefont"),
        QStringLiteral("bgsound"), QStringLiteral("br"),    QStringLiteral("col"),
        QStringLiteral("embed"),   QStringLiteral("frame"), QStringLiteral("hr"),
        QStringLiteral("img"),     QStringLiteral("input"), QStringLiteral("keygen"),
        QStringLiteral("link"),    QStringLiteral("meta"),  QStringLiteral("param"),
        QStringLiteral("source"),  QStringLiteral("track"), QStringLiteral("wbr")};
    return voids.contains(tag);
}

// Elements whose text is written out as it stands.
bool isRawTextElement(const QString& tag) {
    static const QSet<QString> raw = {QStringLiteral("style"),    QStringLiteral("script"),
                                      QStringLiteral("xmp"),      QStringLiteral("iframe"),
                                      QStringLiteral("noembed"),  QStringLiteral("noframes"),
                                      QStringLiteral("plaintext")};
    return raw.contains(tag);
}

void escape(const QString& text, bool inAttribute, QString& out) {
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case 0xA0:
            out += QLatin1String("&nbsp;");
            break;
        case '"':
            out += inAttribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        default:
            out += ch;
        }
    }
}
} // namespace

int DomTree::add(DomNode node) {
    nodes.append(std::move(node));
    ++generation;
    return int(nodes.size()) - 1;
}

void DomTree::appendChild(int parent, int child) {
    nodes[child].parent = parent;
    nodes[parent].children.append(child);
    ++generation;
}

bool DomTree::isElement(int node) const {
    return node >= 0 && node < nodes.size() && nodes.at(node).kind == DomNode::Kind::Element;
}

bool DomTree::isTag(int node, const QString& tag) const {
    return isElement(node) && nodes.at(node).name == tag;
}

QString DomTree::attribute(int node, const QString& name) const {
    if (!isElement(node))
        return QString();
    for (const auto& [key, value] : nodes.at(node).attributes)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return QString();
}

void DomTree::setAttribute(int node, const QString& name, const QString& value) {
    for (auto& attribute : nodes[node].attributes)
        if (attribute.first.compare(name, Qt::CaseInsensitive) == 0) {
            attribute.second = value;
            return;
        }
    nodes[node].attributes.append({name.toLower(), value});
}

bool DomTree::hasAttribute(int node, const QString& name) const {
    if (!isElement(node))
        return false;
    for (const auto& attribute : nodes.at(node).attributes)
        if (attribute.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int DomTree::documentOf(int node) const {
    while (node >= 0 && nodes.at(node).kind != DomNode::Kind::Document)
        node = nodes.at(node).parent;
    return node;
}

bool DomTree::isConnected(int node) const {
    return documentOf(node) >= 0;
}

QList<int> DomTree::descendants(int root, const QString& tag) const {
    QList<int> found;
    QList<int> stack;
    for (auto it = nodes.at(root).children.crbegin(); it != nodes.at(root).children.crend(); ++it)
        stack.append(*it);
    while (!stack.isEmpty()) {
        const int node = stack.takeLast();
        const DomNode& n = nodes.at(node);
        if (n.kind != DomNode::Kind::Element)
            continue;
        if (tag.isEmpty() || n.name == tag)
            found.append(node);
        for (auto it = n.children.crbegin(); it != n.children.crend(); ++it)
            stack.append(*it);
    }
    return found;
}

int DomTree::body(int document) const {
    for (const int html : elementChildren(document))
        for (const int child : elementChildren(html))
            if (nodes.at(child).name == QLatin1String("body") ||
                nodes.at(child).name == QLatin1String("frameset"))
                return child;
    return -1;
}

int DomTree::elementById(int document, const QString& id) const {
    if (id.isEmpty())
        return -1;
    for (const int node : descendants(document))
        if (attribute(node, QStringLiteral("id")) == id)
            return node;
    return -1;
}

QList<int> DomTree::frames(int document) const {
    QList<int> found;
    for (const int node : descendants(document))
        if (nodes.at(node).name == QLatin1String("iframe") ||
            nodes.at(node).name == QLatin1String("frame"))
            found.append(node);
    return found;
}

QList<int> DomTree::rows(int table) const {
    QList<int> head, middle, foot;
    for (const int child : elementChildren(table)) {
        const QString& tag = nodes.at(child).name;
        if (tag == QLatin1String("tr"))
            middle.append(child);
        else if (tag == QLatin1String("thead") || tag == QLatin1String("tbody") ||
                 tag == QLatin1String("tfoot")) {
            QList<int>& section = tag == QLatin1String("thead")   ? head
                                  : tag == QLatin1String("tfoot") ? foot
                                                                  : middle;
            for (const int row : elementChildren(child))
                if (nodes.at(row).name == QLatin1String("tr"))
                    section.append(row);
        }
    }
    return head + middle + foot;
}

QList<int> DomTree::cells(int row) const {
    QList<int> found;
    for (const int child : elementChildren(row))
        if (nodes.at(child).name == QLatin1String("td") ||
            nodes.at(child).name == QLatin1String("th"))
            found.append(child);
    return found;
}

int DomTree::formOf(int control) const {
    const QString formId = attribute(control, QStringLiteral("form"));
    if (!formId.isEmpty()) {
        const int form = elementById(documentOf(control), formId);
        return isTag(form, QStringLiteral("form")) ? form : -1;
    }
    for (int node = nodes.at(control).parent; node >= 0; node = nodes.at(node).parent)
        if (isTag(node, QStringLiteral("form")))
            return node;
    return -1;
}

QList<int> DomTree::elementChildren(int node) const {
    QList<int> found;
    for (const int child : nodes.at(node).children)
        if (nodes.at(child).kind == DomNode::Kind::Element)
            found.append(child);
    return found;
}

QString DomTree::outerHtml(int node) const {
    QString out;
    serialise(node, out);
    return out;
}

QString DomTree::innerHtml(int node) const {
    QString out;
    serialiseChildren(node, out);
    return out;
}

QString DomTree::textContent(int node) const {
    QString text;
    QList<int> stack{node};
    while (!stack.isEmpty()) {
        const DomNode& n = nodes.at(stack.takeLast());
        if (n.kind == DomNode::Kind::Text) {
            text += n.name;
            continue;
        }
        // Texts and elements below; comments and doctypes add nothing.
        for (auto it = n.children.crbegin(); it != n.children.crend(); ++it)
            if (nodes.at(*it).kind == DomNode::Kind::Text ||
                nodes.at(*it).kind == DomNode::Kind::Element)
                stack.append(*it);
    }
    return text;
}

void DomTree::replace(int node, const QList<int>& replacements) {
    const int parent = nodes.at(node).parent;
    if (parent < 0)
        return;
    QList<int>& siblings = nodes[parent].children;
    const qsizetype at = siblings.indexOf(node);
    siblings.removeAt(at);
    for (qsizetype i = 0; i < replacements.size(); ++i) {
        siblings.insert(at + i, replacements.at(i));
        nodes[replacements.at(i)].parent = parent;
    }
    nodes[node].parent = -1;
    ++generation;
}

// Writes one node's own markup: a whole node without children, or an element's start
// tag; returns whether its children and end tag follow.
bool DomTree::serialiseOpening(int node, QString& out) const {
    const DomNode& n = nodes.at(node);
    switch (n.kind) {
    case DomNode::Kind::Document:
        return true;
    case DomNode::Kind::Doctype:
        out += QLatin1String("<!DOCTYPE ") + n.name + QLatin1Char('>');
        return false;
    case DomNode::Kind::Comment:
        out += QLatin1String("<!--") + n.name + QLatin1String("-->");
        return false;
    case DomNode::Kind::Text: {
        const int parent = n.parent;
        if (isElement(parent) && (isRawTextElement(nodes.at(parent).name) ||
                                  nodes.at(parent).name == QLatin1String("noscript")))
            out += n.name;
        else
            escape(n.name, false, out);
        return false;
    }
    case DomNode::Kind::Element:
        break;
    }
    out += QLatin1Char('<') + n.name;
    for (const auto& [key, value] : n.attributes) {
        out += QLatin1Char(' ') + key + QLatin1String("=\"");
        escape(value, true, out);
        out += QLatin1Char('"');
    }
    out += QLatin1Char('>');
    return !isVoidElement(n.name);
}

// Walks with a stack of its own, so that deep nesting does not grow the program's stack.
// A negative entry -(node + 1) stands for the end tag of that node.
void DomTree::serialise(int node, QString& out) const {
    QList<int> stack{node};
    while (!stack.isEmpty()) {
        const int next = stack.takeLast();
        if (next < 0) {
            const DomNode& closed = nodes.at(-next - 1);
            if (closed.kind == DomNode::Kind::Element)
                out += QLatin1String("</") + closed.name + QLatin1Char('>');
            continue;
        }
        if (!serialiseOpening(next, out))
            continue;
        stack.append(-next - 1);
        const QList<int>& children = nodes.at(next).children;
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            stack.append(*it);
    }
}

void DomTree::serialiseChildren(int node, QString& out) const {
    for (const int child : nodes.at(node).children)
        serialise(child, out);
}
